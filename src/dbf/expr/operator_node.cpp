// Evaluation of operators: the left chain below an operator is walked in a
// loop (right operands first, top down, as the language orders them), then
// folded bottom up through two buffers that take turns, so that neither the
// stack nor the memory grows with the length of a chain such as A+B+C+...
#include <cmath>

#include "dbf/expr/expr_error.h"
#include "dbf/expr/functions.h"
#include "dbf/expr/nodes.h"
#include "text/trims.h"

namespace kestrin::dbf::expr_detail {
namespace {

struct OpNames {
  std::string_view spelling;
  std::string_view display;
};

OpNames namesOf(OpCode op) {
  switch (op) {
    case OpCode::Power:
      return {"^", "^"};
    case OpCode::Multiply:
      return {"*", "*"};
    case OpCode::Divide:
      return {"/", "/"};
    case OpCode::Add:
      return {"+", "+"};
    case OpCode::Subtract:
      return {"-", "-"};
    case OpCode::Equal:
      return {"=", "="};
    case OpCode::NotEqual:
      return {"#", "#"};
    case OpCode::Greater:
      return {">", ">"};
    case OpCode::Less:
      return {"<", "<"};
    case OpCode::GreaterEqual:
      return {">=", ">="};
    case OpCode::LessEqual:
      return {"<=", "<="};
    case OpCode::Contains:
      return {"$", "in string"};
    case OpCode::Not:
      return {".NOT.", ".NOT."};
    case OpCode::And:
      return {".AND.", ".AND."};
    case OpCode::Or:
      return {".OR.", ".OR."};
  }
  return {"?", "?"};
}

bool isOperator(const Node* node) {
  return node->nodeClass() == NodeClass::AttachedOperator || node->nodeClass() == NodeClass::Operator;
}

// A group gives the value of what it encloses: a scan evaluates that directly.
const ExprValue& evaluateThroughGroups(Node* node) {
  while (node->nodeClass() == NodeClass::Group && node->right() != nullptr) node = node->right();
  return node->evaluate();
}

bool isComparison(OpCode op) { return op >= OpCode::Equal && op <= OpCode::LessEqual; }
bool isArithmetic(OpCode op) { return op <= OpCode::Subtract; }
bool yieldsLogical(OpCode op) { return op >= OpCode::Equal; }

bool testSign(OpCode op, int d) {
  switch (op) {
    case OpCode::Equal:
      return d == 0;
    case OpCode::NotEqual:
      return d != 0;
    case OpCode::Greater:
      return d > 0;
    case OpCode::Less:
      return d < 0;
    case OpCode::GreaterEqual:
      return d >= 0;
    case OpCode::LessEqual:
      return d <= 0;
    default:
      return false;
  }
}

[[noreturn]] void requireValue(std::string_view what) { throwExpr(expr_msg::kValueRequired, {what}); }

double checked(double result) {
  if (std::isnan(result)) throwExpr(expr_msg::kInvalidFloat);
  if (std::isinf(result)) throwExpr(expr_msg::kOverflow);
  return result;
}

// The exponent is truncated to a whole number n and the base multiplied by
// itself n - 1 times; n = 0 gives 1 and a negative n the reciprocal.
double power(double base, double exponent) {
  const long long n = truncToInt(exponent);
  const unsigned long long magnitude =
      n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  double result = 1.0;
  if (magnitude <= 64) {
    for (unsigned long long i = 0; i < magnitude; ++i) result *= base;
  } else {
    result = std::pow(base, static_cast<double>(magnitude));
  }
  if (n < 0) {
    if (result == 0) throwExpr(expr_msg::kDivisionByZero);
    result = 1.0 / result;
  }
  return checked(result);
}

}  // namespace

OperatorNode::OperatorNode(OpCode op, int priority, bool caseInsensitive, bool partialCompare)
    : Node(NodeClass::Operator), op_(op), priority_(priority) {
  if (isComparison(op)) comparer_ = std::make_unique<TextComparer>(caseInsensitive, partialCompare);
  if (op == OpCode::Contains) containsSearcher_ = std::make_unique<text::TextSearcher>();
}

std::string_view OperatorNode::spelling() const { return namesOf(op_).spelling; }
std::string_view OperatorNode::displayName() const { return namesOf(op_).display; }

void OperatorNode::appendName(std::string& out) const { out += displayName(); }

void OperatorNode::prepareLiterals() {
  if (isComparison(op_) && right_ != nullptr && right_->nodeClass() == NodeClass::TextLiteral) {
    comparer_->prepareRightLiteral(static_cast<const TextLiteralNode*>(right_)->text());
    plainPattern_ = comparer_->literalIsPlainPattern();
    answerOnMatch_ = testSign(op_, 0);
    answerOnMiss_ = testSign(op_, -1);
    // Both sides are texts whatever the record: the kinds need no check.
    if (left_ != nullptr && left_->classId() == kFieldClassId) {
      const char type = static_cast<const FieldNode*>(left_)->type();
      fieldAgainstLiteral_ = type == 'C' || type == 'M';
    }
  }
  if (op_ == OpCode::Contains && left_ != nullptr && left_->nodeClass() == NodeClass::TextLiteral) {
    containsSearcher_->prepare(static_cast<const TextLiteralNode*>(left_)->text(), text::identityFold());
    containsPrepared_ = true;
  }
}

bool OperatorNode::matchesLiteral(const ExprValue& fieldValue) const {
  if (plainPattern_) return comparer_->containsLiteralPattern(fieldValue.asText()) ? answerOnMatch_ : answerOnMiss_;
  const bool equality = op_ == OpCode::Equal || op_ == OpCode::NotEqual;
  return testSign(op_, comparer_->compare(fieldValue, static_cast<const TextLiteralNode*>(right_)->value(), equality));
}

void OperatorNode::checkOperands() const {
  if (right_ == nullptr || (op_ != OpCode::Not && left_ == nullptr)) {
    throwExpr(expr_msg::kTargetMissing, {displayName()});
  }
}

const ExprValue& OperatorNode::evaluate() {
  if (fieldAgainstLiteral_) {
    // The literal's value is fixed: only the field is evaluated.
    value_.setLogical(matchesLiteral(static_cast<FieldNode*>(left_)->evaluate()));
    return value_;
  }
  // A chain of one operator, such as the OR of two groups: nothing to walk.
  if (op_ != OpCode::Not && left_ != nullptr && right_ != nullptr && !isOperator(left_)) {
    const ExprValue& right = evaluateThroughGroups(right_);
    apply(&evaluateThroughGroups(left_), right, value_, buffers_[0]);
    return value_;
  }
  // The chain is rebuilt each time from a reused vector of pointers.
  chain_.clear();
  const ExprValue* bottomValue = nullptr;
  OperatorNode* cur = this;
  while (true) {
    cur->checkOperands();
    cur->rightValue_ = &cur->right_->evaluate();
    chain_.push_back(cur);
    if (cur->op_ == OpCode::Not) break;
    Node* next = cur->left_;
    if (isOperator(next)) {
      cur = static_cast<OperatorNode*>(next);
      continue;
    }
    bottomValue = &next->evaluate();
    break;
  }
  ExprValue scratch[2];
  const ExprValue* acc = bottomValue;
  int turn = 0;
  for (std::size_t i = chain_.size(); i-- > 0;) {
    OperatorNode* step = chain_[i];
    ExprValue& out = i == 0 ? value_ : scratch[turn];
    step->apply(step->op_ == OpCode::Not ? nullptr : acc, *step->rightValue_, out, buffers_[turn]);
    acc = &out;
    turn ^= 1;
  }
  return value_;
}

void OperatorNode::apply(const ExprValue* left, const ExprValue& right, ExprValue& out, std::string& buffer) {
  const ExprKind rightKind = right.kind;
  const ExprKind leftKind = left != nullptr ? left->kind : rightKind;
  if (leftKind != rightKind && !(isNumericKind(leftKind) && isNumericKind(rightKind))) {
    throwExpr(expr_msg::kSidesDiffer);
  }
  if (rightKind == ExprKind::Boolean) {
    applyBoolean(left != nullptr && left->asBoolean(), right.asBoolean(), out);
  } else if (isNumericKind(rightKind)) {
    applyNumber(left != nullptr ? left->asNumber() : 0.0, right.asNumber(), rightKind, out);
  } else if (rightKind == ExprKind::Text) {
    static const ExprValue kNone;
    applyText(left != nullptr ? *left : kNone, right, out, buffer);
  } else {
    out = ExprValue{};
    out.setNothing(yieldsLogical(op_) ? ExprKind::Boolean : rightKind);
  }
}

void OperatorNode::applyBoolean(bool left, bool right, ExprValue& out) const {
  switch (op_) {
    case OpCode::Equal:
      out.setLogical(left == right);
      return;
    case OpCode::NotEqual:
      out.setLogical(left != right);
      return;
    case OpCode::And:
      out.setLogical(left && right);
      return;
    case OpCode::Or:
      out.setLogical(left || right);
      return;
    case OpCode::Not:
      out.setLogical(!right);
      return;
    default:
      requireValue(isArithmetic(op_) ? "number" : "assigned");
  }
}

void OperatorNode::applyNumber(double left, double right, ExprKind rightKind, ExprValue& out) const {
  if (isComparison(op_)) {
    const double d = left - right;
    out.setLogical(testSign(op_, (d > 0) - (d < 0)));
    return;
  }
  double result = 0;
  switch (op_) {
    case OpCode::Add:
      result = checked(left + right);
      break;
    case OpCode::Subtract:
      result = checked(left - right);
      break;
    case OpCode::Multiply:
      result = checked(left * right);
      break;
    case OpCode::Divide:
      if (right == 0) throwExpr(left == 0 ? expr_msg::kInvalidFloat : expr_msg::kDivisionByZero);
      result = checked(left / right);
      break;
    case OpCode::Power:
      result = power(left, right);
      break;
    default:
      requireValue("assigned");
  }
  out.setNumber(rightKind, result);
}

void OperatorNode::applyText(const ExprValue& left, const ExprValue& right, ExprValue& out, std::string& buffer) {
  if (isComparison(op_)) {
    const bool equality = op_ == OpCode::Equal || op_ == OpCode::NotEqual;
    out.setLogical(testSign(op_, comparer_->compare(left, right, equality)));
    return;
  }
  const std::string_view l = left.asText();
  const std::string_view r = right.asText();
  switch (op_) {
    case OpCode::Contains: {
      if (l.empty()) {
        out.setLogical(false);
        return;
      }
      if (!containsPrepared_) containsSearcher_->prepare(l, text::identityFold());
      out.setLogical(containsSearcher_->foundIn(r));
      return;
    }
    case OpCode::Add:
    case OpCode::Subtract: {
      const std::size_t total = l.size() + r.size();
      if (total > kMaxTextLength) throwExpr(expr_msg::kTextTooLong, {displayName()});
      buffer.assign(op_ == OpCode::Add ? l : text::trimControlsRight(l));
      buffer.append(r);
      buffer.resize(total, ' ');
      out.setText(ExprKind::Text, buffer);
      return;
    }
    default:
      requireValue("assigned");
  }
}

}  // namespace kestrin::dbf::expr_detail
