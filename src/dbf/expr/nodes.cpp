#include "dbf/expr/nodes.h"

#include <cmath>
#include <cstring>

#include "dbf/expr/dates.h"
#include "dbf/expr/equality_set.h"
#include "dbf/expr/expr_error.h"
#include "dbf/expr/functions.h"
#include "dbf/expr/number_text.h"
#include "dbf/expr/table_link.h"

namespace kestrin::dbf {

std::string_view kindName(ExprKind kind) {
  static constexpr std::string_view kNames[] = {"Unknown", "Empty",    "Any",     "Text", "Number", "Integer",
                                                "Date",    "DateTime", "Boolean", "Memo", "Pointer"};
  const auto code = static_cast<std::size_t>(kind);
  return code < std::size(kNames) ? kNames[code] : std::string_view("Invalid Value");
}

namespace expr_detail {
namespace {

bool isOperator(const Node* node) {
  return node != nullptr &&
         (node->nodeClass() == NodeClass::AttachedOperator || node->nodeClass() == NodeClass::Operator);
}

// The operators of a left chain from the top down, and the node below them.
const Node* leftChain(const Node* top, std::vector<const OperatorNode*>& chain) {
  const Node* cur = top;
  while (isOperator(cur)) {
    chain.push_back(static_cast<const OperatorNode*>(cur));
    cur = cur->left();
  }
  return cur;
}

void appendLeafText(const Node* node, std::string& out) {
  if (node == nullptr) return;
  switch (node->nodeClass()) {
    case NodeClass::Group:
      out += '(';
      appendExpressionText(node->right(), out);
      out += ')';
      return;
    case NodeClass::Call: {
      const auto* call = static_cast<const CallNode*>(node);
      call->appendName(out);
      out += '(';
      bool first = true;
      for (const Node* argument : call->arguments()) {
        if (!first) out += ',';
        first = false;
        appendExpressionText(argument, out);
      }
      out += ')';
      return;
    }
    default:
      node->appendName(out);
  }
}

void collectLeafNames(const Node* node, int classId, std::string& out) {
  if (node == nullptr) return;
  switch (node->nodeClass()) {
    case NodeClass::Group:
      collectNames(node->right(), classId, out);
      return;
    case NodeClass::Call:
      for (const Node* argument : static_cast<const CallNode*>(node)->arguments()) {
        collectNames(argument, classId, out);
      }
      return;
    case NodeClass::EqualitySet:
      for (const Node* equality : static_cast<const EqualitySetNode*>(node)->equalities()) {
        collectNames(equality, classId, out);
      }
      return;
    default:
      if (node->classId() == classId) {
        node->appendName(out);
        out += ';';
      }
  }
}

}  // namespace

void appendExpressionText(const Node* node, std::string& out) {
  std::vector<const OperatorNode*> chain;
  const Node* bottom = leftChain(node, chain);
  appendLeafText(bottom, out);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    out += (*it)->spelling();
    appendExpressionText((*it)->right(), out);
  }
}

void collectNames(const Node* node, int classId, std::string& out) {
  std::vector<const OperatorNode*> chain;
  const Node* bottom = leftChain(node, chain);
  collectLeafNames(bottom, classId, out);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    collectNames((*it)->right(), classId, out);
  }
}

// --- Literals ---------------------------------------------------------------

TextLiteralNode::TextLiteralNode(std::string_view text) : Node(NodeClass::TextLiteral), text_(text) {
  width_ = static_cast<int>(std::min<std::size_t>(text_.size(), 0x7fffffff));
  value_.setText(ExprKind::Text, text_);
}

void TextLiteralNode::appendName(std::string& out) const {
  out += '"';
  out += text_;
  out += '"';
}

NumberLiteralNode::NumberLiteralNode(double value, int width, int decimals) : Node(NodeClass::NumberLiteral) {
  width_ = width;
  decimals_ = decimals;
  value_.setNumber(ExprKind::Number, value);
}

void NumberLiteralNode::appendName(std::string& out) const {
  std::string text;
  formatFixed(value_.number, decimals_, text);
  out += text;
}

DateLiteralNode::DateLiteralNode(double dayNumber, const EvalEnv& env) : Node(NodeClass::DateLiteral), env_(env) {
  value_.setNumber(ExprKind::Date, dayNumber);
}

void DateLiteralNode::appendName(std::string& out) const {
  std::string text;
  displayFromDayNumber(value_.number, env_.regional.shortDateFormat, text);
  out += '{';
  out += text;
  out += '}';
}

BoolLiteralNode::BoolLiteralNode(bool value) : Node(NodeClass::BoolLiteral) {
  width_ = 1;
  value_.setLogical(value);
}

void BoolLiteralNode::appendName(std::string& out) const { out += value_.logical ? ".T." : ".F."; }

// --- Variables --------------------------------------------------------------

GlobalVariableNode::GlobalVariableNode(Which which) : Node(NodeClass::Variable), which_(which) {
  width_ = 1;
  switch (which) {
    case Which::True:
      value_.setLogical(true);
      break;
    case Which::False:
      value_.setLogical(false);
      break;
    case Which::Pi:
      value_.setNumber(ExprKind::Number, kPi);
      break;
  }
}

void GlobalVariableNode::appendName(std::string& out) const {
  out += which_ == Which::True ? "TRUE" : which_ == Which::False ? "FALSE" : "PI";
}

FieldNode::FieldNode(EvalEnv& env, int field, char type, int width, std::string name)
    : Node(NodeClass::Variable), env_(env), field_(field), type_(type), name_(std::move(name)) {
  width_ = width;
  if (type_ == 'M') memo_ = &env.memos[field];
}

const ExprValue& FieldNode::evaluate() {
  ExprTableLink& link = *env_.link;
  switch (type_) {
    case 'C':
      value_.setText(ExprKind::Text, link.fieldBytes(field_));
      break;
    case 'D':
      value_.setNumber(ExprKind::Date, link.fieldJulian(field_));
      break;
    case 'N':
    case 'F':
    case 'I':  // the binary numbers of version 0x30 tables
    case 'Y':
    case 'B':
      value_.setNumber(ExprKind::Number, link.fieldNumber(field_));
      break;
    case 'T':
      value_.setNumber(ExprKind::DateTime, link.fieldNumber(field_));
      break;
    case 'L':
      value_.setLogical(link.fieldLogical(field_));
      break;
    case 'M': {
      // Read once per evaluation, however often the tree names the field.
      if (memo_->evaluation != env_.evaluation || env_.evaluation == 0) {
        memo_->evaluation = 0;  // a failed read leaves nothing to reuse
        link.readMemo(field_, memo_->text);
        const std::size_t nul = memo_->text.find('\0');
        if (nul != std::string::npos) memo_->text.resize(nul);
        memo_->evaluation = env_.evaluation;
      }
      value_.setText(ExprKind::Text, memo_->text);
      break;
    }
    default:
      value_.setText(ExprKind::Memo, link.fieldBytes(field_));
  }
  return value_;
}

// --- Groups and calls ---------------------------------------------------------

const ExprValue& GroupNode::evaluate() {
  if (right_ == nullptr) {
    value_.setNothing(ExprKind::Empty);
    return value_;
  }
  return right_->evaluate();
}

CallNode::CallNode(EvalEnv& env, const FunctionDef& function, std::vector<Node*> arguments)
    : Node(NodeClass::Call), env_(env), function_(function), arguments_(std::move(arguments)) {}

void CallNode::appendName(std::string& out) const { out += function_.name; }

const text::TextSearcher& CallNode::searcherFor(std::string_view needle, const text::FoldTable& fold) {
  if (searcherFold_ != &fold || needle != searcherNeedle_) {
    searcherNeedle_.assign(needle);
    searcherFold_ = &fold;
    searcher_.prepare(needle, fold);
  }
  return searcher_;
}

const ExprValue& CallNode::evaluate() {
  value_ = ExprValue{};
  CallContext call(*this);
  function_.impl(call, value_);
  if (value_.holds == ExprValue::Holds::Number && !std::isfinite(value_.number)) {
    throwExpr(std::isnan(value_.number) ? expr_msg::kInvalidFloat : expr_msg::kOverflow);
  }
  return value_;
}

}  // namespace expr_detail
}  // namespace kestrin::dbf
