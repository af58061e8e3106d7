#include "dbf/expr/compiler.h"

#include <list>
#include <string>

#include "dbf/expr/dates.h"
#include "dbf/expr/equality_set.h"
#include "dbf/expr/expr_error.h"
#include "dbf/expr/functions.h"
#include "dbf/expr/number_text.h"
#include "dbf/expr/table_link.h"
#include "dbf/expr/text_compare.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf::expr_detail {
namespace {

constexpr int kNotPriority = 6;

bool isLatin(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameChar(char c) { return isLatin(c) || isDigit(c) || c == '_'; }

struct OperatorSpelling {
  std::string_view spelling;
  OpCode op;
  int priority;
};

constexpr OperatorSpelling kSymbols[] = {
    {"^", OpCode::Power, 2},      {"**", OpCode::Power, 2},        {"*", OpCode::Multiply, 3},
    {"/", OpCode::Divide, 3},     {"+", OpCode::Add, 4},           {"-", OpCode::Subtract, 4},
    {"=", OpCode::Equal, 5},      {"==", OpCode::Equal, 5},        {"#", OpCode::NotEqual, 5},
    {"<>", OpCode::NotEqual, 5},  {"!=", OpCode::NotEqual, 5},     {">", OpCode::Greater, 5},
    {"<", OpCode::Less, 5},       {">=", OpCode::GreaterEqual, 5}, {"=>", OpCode::GreaterEqual, 5},
    {"<=", OpCode::LessEqual, 5}, {"=<", OpCode::LessEqual, 5},    {"$", OpCode::Contains, 5},
};

constexpr OperatorSpelling kWords[] = {
    {"AND", OpCode::And, 7},     {"OR", OpCode::Or, 8},           {"EQ", OpCode::Equal, 5},
    {"NE", OpCode::NotEqual, 5}, {"GE", OpCode::GreaterEqual, 5}, {"LE", OpCode::LessEqual, 5},
    {"LT", OpCode::Less, 5},     {"GT", OpCode::Greater, 5},
};

// Where an argument ends: the first "," (when splitting) or ")" at depth 0
// outside literals, scanning from `pos`; npos at the end of the text.
std::size_t scanArgument(std::string_view text, std::size_t pos, bool splitAtComma) {
  std::size_t depth = 0;
  char closer = 0;
  for (std::size_t i = pos; i < text.size(); ++i) {
    const char c = text[i];
    if (closer != 0) {
      if (c == closer) {
        closer = 0;
        --depth;
      }
      continue;
    }
    if (depth == 0 && (c == ')' || (splitAtComma && c == ','))) return i;
    switch (c) {
      case '(':
        ++depth;
        break;
      case ')':
        --depth;
        break;
      case '"':
      case '\'':
        closer = c;
        ++depth;
        break;
      case '[':
        closer = ']';
        ++depth;
        break;
      case '{':
        closer = '}';
        ++depth;
        break;
      default:
        break;
    }
  }
  return std::string_view::npos;
}

struct Variable {
  enum class Type { None, Global, Field } type = Type::None;
  GlobalVariableNode::Which global = GlobalVariableNode::Which::True;
  int field = 0;
};

struct Token {
  enum class Type { Operator, Call, Variable, Group, Text, Date, Number, Logical };
  explicit Token(Type t) : type(t) {}
  Type type;
  OpCode op = OpCode::Add;
  int priority = 0;
  std::string_view text;  // inner text of a group or call, a literal's text
  std::string name;       // a call's upper-cased name
  Variable variable;
  bool logical = false;
};

class Compiler {
 public:
  Compiler(EvalEnv& env, CompileOptions options, ExprTree& tree) : env_(env), options_(options), tree_(tree) {
    if (env.link == nullptr) return;
    ExprTableLink& link = *env.link;
    const std::string alias = text::upper1251(link.alias());
    // The names in registration order; the first of two equal names wins.
    for (int field = 1; field <= link.fieldCount(); ++field) {
      std::string_view name = link.fieldName(field);
      name = text::trimControlsRight(name.substr(0, name.find('\0')));
      const std::string upper = text::upper1251(name);
      fieldNames_.push_back({upper, field});
      fieldNames_.push_back({alias + "." + upper, field});
    }
  }

  Node* compile(std::string_view text, int depth) {
    if (depth > kMaxNesting) throwExpr(expr_msg::kTooDeep);
    text = text::trimControls(text);
    if (text.empty()) return nullptr;
    std::vector<Token> tokens;
    tokenize(text, tokens);
    std::list<Node*> nodes;
    for (const Token& token : tokens) nodes.push_back(makeNode(token, depth));
    return foldEqualityRuns(buildTree(nodes), tree_.nodes, options_.caseInsensitive, options_.partialCompare);
  }

 private:
  struct FieldName {
    std::string name;
    int field;
  };

  // --- Step 1: tokens -----------------------------------------------------

  void tokenize(std::string_view text, std::vector<Token>& tokens) {
    std::vector<std::unique_ptr<std::string>> wrapped;
    std::string_view rest = text;
    bool expectOperand = true;
    const auto syntaxError = [&] { throwExpr(expr_msg::kSyntaxError, {text}); };
    while (true) {
      rest = text::trimControlsLeft(rest);
      if (rest.empty()) break;
      if (expectOperand) {
        const std::size_t negation = negationLength(rest);
        if (negation > 0 && tokens.empty()) {
          Token token(Token::Type::Operator);
          token.op = OpCode::Not;
          token.priority = kNotPriority;
          tokens.push_back(std::move(token));
          rest = text::trimControlsLeft(rest.substr(negation));
          if (!readOperand(rest, tokens)) syntaxError();
        } else if (negation > 0) {
          // A negation after the start takes the whole rest of the text as
          // its operand: the rest becomes a group.
          wrapped.push_back(std::make_unique<std::string>());
          std::string& group = *wrapped.back();
          group.reserve(rest.size() + 2);
          group.append("(").append(rest).append(")");
          rest = group;
          readGroup(rest, tokens);
        } else if (!readOperand(rest, tokens)) {
          syntaxError();
        }
        expectOperand = false;
      } else {
        if (!readOperator(rest, tokens)) syntaxError();
        expectOperand = true;
      }
    }
    if (expectOperand && !tokens.empty()) syntaxError();
    // The views of the tokens must outlive this function: keep the texts.
    for (auto& w : wrapped) keptTexts_.push_back(std::move(w));
  }

  static std::size_t negationLength(std::string_view rest) {
    if (rest[0] == '!') return 1;
    if (rest.size() > 3 && text::upper1251(rest.substr(0, 3)) == "NOT" && !isLatin(rest[3])) return 3;
    if (rest.size() >= 5 && text::upper1251(rest.substr(0, 5)) == ".NOT.") return 5;
    return 0;
  }

  bool readOperand(std::string_view& rest, std::vector<Token>& tokens) {
    const char c = rest[0];
    if (c == '(') {
      readGroup(rest, tokens);
    } else if (c == '.') {
      readLogical(rest, tokens);
    } else if (isLatin(c) || c == '_') {
      readName(rest, tokens);
    } else if (c == '"' || c == '\'' || c == '[' || c == '{') {
      readLiteral(rest, tokens);
    } else if (c == '+' || c == '-' || isDigit(c)) {
      std::size_t length = 1;
      while (length < rest.size() && (isDigit(rest[length]) || rest[length] == '.')) ++length;
      Token token(Token::Type::Number);
      token.text = rest.substr(0, length);
      tokens.push_back(std::move(token));
      rest.remove_prefix(length);
    } else {
      return false;
    }
    return true;
  }

  // The group ends at the ")" that balances the parentheses; quotes do not
  // count here.
  static void readGroup(std::string_view& rest, std::vector<Token>& tokens) {
    std::size_t depth = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
      if (rest[i] == '(') ++depth;
      if (rest[i] == ')' && --depth == 0) {
        Token token(Token::Type::Group);
        token.text = rest.substr(1, i - 1);
        tokens.push_back(std::move(token));
        rest.remove_prefix(i + 1);
        return;
      }
    }
    throwExpr(expr_msg::kMissingParenthesis);
  }

  static void readLogical(std::string_view& rest, std::vector<Token>& tokens) {
    const std::size_t end = rest.find('.', 1);
    if (end == std::string_view::npos) throwExpr(expr_msg::kMissingPeriod);
    const std::string word = text::upper1251(rest.substr(0, end + 1));
    if (word != ".T." && word != ".F.") throwExpr(expr_msg::kExpectingLogical);
    Token token(Token::Type::Logical);
    token.logical = word == ".T.";
    tokens.push_back(std::move(token));
    rest.remove_prefix(end + 1);
  }

  static void readLiteral(std::string_view& rest, std::vector<Token>& tokens) {
    const char open = rest[0];
    const char close = open == '[' ? ']' : open == '{' ? '}' : open;
    const std::size_t end = rest.find(close, 1);
    if (end == std::string_view::npos) throwExpr(expr_msg::kMissingQuote, {rest.substr(0, 1)});
    Token token(open == '{' ? Token::Type::Date : Token::Type::Text);
    token.text = rest.substr(1, end - 1);
    tokens.push_back(std::move(token));
    rest.remove_prefix(end + 1);
  }

  // A name, a qualified name (ALIAS.NAME, ALIAS->NAME) or a function call.
  void readName(std::string_view& rest, std::vector<Token>& tokens) {
    std::size_t length = 1;
    while (length < rest.size() && isNameChar(rest[length])) ++length;
    const std::string_view firstPart = rest.substr(0, length);
    std::string name = text::upper1251(firstPart);
    while (true) {
      if (length < rest.size() && rest[length] == '(') {
        const std::size_t close = scanArgument(rest, length + 1, false);
        if (close == std::string_view::npos) throwExpr(expr_msg::kMissingParenthesis);
        Token token(Token::Type::Call);
        token.name = std::move(name);
        token.text = rest.substr(length + 1, close - length - 1);
        tokens.push_back(std::move(token));
        rest.remove_prefix(close + 1);
        return;
      }
      const Variable variable = findVariable(name);
      if (variable.type != Variable::Type::None) {
        Token token(Token::Type::Variable);
        token.variable = variable;
        tokens.push_back(std::move(token));
        rest.remove_prefix(length);
        return;
      }
      if (env_.link == nullptr) throwExpr(expr_msg::kUnknownVariable, {firstPart});
      if (rest.substr(length, 2) == "->") {
        length += 2;
      } else if (length < rest.size() && rest[length] == '.') {
        length += 1;
      } else {
        throwExpr(expr_msg::kNoFunction, {firstPart});
      }
      name += '.';
      const std::size_t from = length;
      while (length < rest.size() && isNameChar(rest[length])) ++length;
      name += text::upper1251(rest.substr(from, length - from));
    }
  }

  Variable findVariable(std::string_view upperName) const {
    Variable v;
    if (upperName == "TRUE" || upperName == "FALSE" || upperName == "PI") {
      v.type = Variable::Type::Global;
      v.global = upperName == "TRUE"    ? GlobalVariableNode::Which::True
                 : upperName == "FALSE" ? GlobalVariableNode::Which::False
                                        : GlobalVariableNode::Which::Pi;
      return v;
    }
    // Field names are looked up by their first ten characters.
    const std::string_view key = upperName.substr(0, 10);
    for (const FieldName& f : fieldNames_) {
      if (f.name == key) {
        v.type = Variable::Type::Field;
        v.field = f.field;
        return v;
      }
    }
    return v;
  }

  static bool readOperator(std::string_view& rest, std::vector<Token>& tokens) {
    static constexpr std::string_view kSymbolStarts = "!#$*+-/<=>^";
    static constexpr std::string_view kSymbolRun = "*<=>";
    const char c = rest[0];
    if (kSymbolStarts.find(c) != std::string_view::npos) {
      std::size_t length = 1;
      while (length < rest.size() && kSymbolRun.find(rest[length]) != std::string_view::npos) {
        ++length;
      }
      if (length >= rest.size()) return false;
      for (const OperatorSpelling& s : kSymbols) {
        if (s.spelling == rest.substr(0, length)) return pushOperator(s, length, rest, tokens);
      }
      return false;
    }
    if (c == '.' || isLatin(c)) {
      std::size_t length = 1;
      while (length < rest.size() && isLatin(rest[length])) ++length;
      if (length >= rest.size()) return false;
      if (rest[length] == '.') ++length;
      std::string word;
      for (const char w : rest.substr(0, length)) {
        if (w != '.') word += w;
      }
      word = text::upper1251(word);
      for (const OperatorSpelling& s : kWords) {
        if (s.spelling == word) return pushOperator(s, length, rest, tokens);
      }
    }
    return false;
  }

  static bool pushOperator(const OperatorSpelling& s, std::size_t length, std::string_view& rest,
                           std::vector<Token>& tokens) {
    Token token(Token::Type::Operator);
    token.op = s.op;
    token.priority = s.priority;
    tokens.push_back(std::move(token));
    rest.remove_prefix(length);
    return true;
  }

  // --- Step 2: nodes ------------------------------------------------------

  template <class T, class... Args>
  T* make(Args&&... args) {
    auto node = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = node.get();
    tree_.nodes.push_back(std::move(node));
    return raw;
  }

  void countOperand(int width) {
    ++tree_.operandCount;
    tree_.maxWidth = std::max(tree_.maxWidth, width);
  }

  Node* makeNode(const Token& token, int depth) {
    switch (token.type) {
      case Token::Type::Operator:
        return make<OperatorNode>(token.op, token.priority, options_.caseInsensitive, options_.partialCompare);
      case Token::Type::Call:
        return makeCall(token, depth);
      case Token::Type::Variable:
        return makeVariable(token.variable);
      case Token::Type::Group: {
        GroupNode* group = make<GroupNode>();
        group->setRight(compile(token.text, depth + 1));
        return group;
      }
      case Token::Type::Text:
        ++tree_.operandCount;
        return make<TextLiteralNode>(token.text);
      case Token::Type::Date: {
        const auto day = dayNumberFromText(token.text, env_.regional.shortDateFormat);
        if (!day) throwExpr(expr_msg::kInvalidDate, {token.text.substr(0, 64)});
        ++tree_.operandCount;
        return make<DateLiteralNode>(*day, env_);
      }
      case Token::Type::Number: {
        const std::size_t point = token.text.find('.');
        const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(token.text.size() - point - 1);
        const int width = static_cast<int>(token.text.size());
        countOperand(width);
        tree_.maxDecimals = std::max(tree_.maxDecimals, decimals);
        return make<NumberLiteralNode>(parseNumberLiteral(token.text).value_or(0.0), width, decimals);
      }
      case Token::Type::Logical:
        ++tree_.operandCount;
        return make<BoolLiteralNode>(token.logical);
    }
    throwExpr(expr_msg::kCannotEvaluate);
  }

  Node* makeVariable(const Variable& variable) {
    if (variable.type == Variable::Type::Global) {
      countOperand(1);
      return make<GlobalVariableNode>(variable.global);
    }
    ExprTableLink& link = *env_.link;
    const int field = variable.field;
    const int width = link.fieldWidth(field);
    countOperand(width);
    // The upper-case name found when the compiler was made: every field has
    // its plain name and then its qualified one.
    const std::string& name = fieldNames_[static_cast<std::size_t>(field - 1) * 2].name;
    return make<FieldNode>(env_, field, text::toUpper1251(link.fieldType(field)), width, name);
  }

  Node* makeCall(const Token& token, int depth) {
    const FunctionDef* function = findGlobalFunction(token.name);
    if (function == nullptr && env_.link != nullptr) function = findTableFunction(token.name);
    if (function == nullptr) throwExpr(expr_msg::kNoFunction, {token.name});
    std::vector<Node*> arguments;
    const std::string_view inner = token.text;
    std::size_t pos = 0;
    while (pos <= inner.size()) {
      std::size_t end = scanArgument(inner, pos, true);
      if (end == std::string_view::npos) end = inner.size();
      const std::string_view piece = inner.substr(pos, end - pos);
      if (!text::trimControls(piece).empty()) arguments.push_back(compile(piece, depth + 1));
      pos = end + 1;
    }
    ++tree_.operandCount;
    return make<CallNode>(env_, *function, std::move(arguments));
  }

  // --- Step 3: the tree ---------------------------------------------------

  // For each priority from the tightest, every operator of that priority
  // takes the node after it as its right operand and (except NOT) the node
  // before it as its left one, scanning from the left.
  static Node* buildTree(std::list<Node*>& nodes) {
    for (int priority = 2; priority <= 8; ++priority) {
      for (auto it = nodes.begin(); it != nodes.end() && nodes.size() > 1; ++it) {
        Node* node = *it;
        if (node->nodeClass() != NodeClass::Operator) continue;
        auto* op = static_cast<OperatorNode*>(node);
        if (op->priority() != priority) continue;
        const auto next = std::next(it);
        if (next != nodes.end()) {
          op->setRight(*next);
          nodes.erase(next);
        }
        if (op->op() != OpCode::Not && it != nodes.begin()) {
          const auto previous = std::prev(it);
          op->setLeft(*previous);
          nodes.erase(previous);
        }
        op->setNodeClass(NodeClass::AttachedOperator);
        op->prepareLiterals();
      }
    }
    if (nodes.size() != 1) throwExpr(expr_msg::kCannotEvaluate);
    return nodes.front();
  }

  EvalEnv& env_;
  CompileOptions options_;
  ExprTree& tree_;
  std::vector<FieldName> fieldNames_;
  std::vector<std::unique_ptr<std::string>> keptTexts_;
};

}  // namespace

void compileExpression(std::string_view text, EvalEnv& env, CompileOptions options, ExprTree& tree) {
  tree = ExprTree{};
  try {
    Compiler compiler(env, options, tree);
    tree.root = compiler.compile(text, 0);
  } catch (...) {
    tree = ExprTree{};
    throw;
  }
}

}  // namespace kestrin::dbf::expr_detail
