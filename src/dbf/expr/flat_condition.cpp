#include "dbf/expr/flat_condition.h"

#include "dbf/expr/nodes.h"
#include "dbf/expr/text_compare.h"

namespace kestrin::dbf {
namespace {

using expr_detail::FieldNode;
using expr_detail::Node;
using expr_detail::NodeClass;
using expr_detail::OpCode;
using expr_detail::OperatorNode;

// Deeper conditions are left to the tree: no search builds them.
constexpr int kMaxDepth = 64;

}  // namespace

std::unique_ptr<FlatCondition> FlatCondition::of(const ExprHandler& handler) {
  const Node* root = handler.root();
  if (root == nullptr) return nullptr;
  std::unique_ptr<FlatCondition> condition(new FlatCondition);
  if (!condition->add(root, 0)) return nullptr;
  // Each test pushes one value and each AND or OR takes one off.
  condition->stack_.resize(condition->steps_.size());
  condition->viewMemos_ = condition->memos_.size() == 1;
  return condition;
}

// Appends the steps of `node`: an operator's right operand before its left
// one, as the tree evaluates them.
bool FlatCondition::add(const Node* node, int depth) {
  if (depth > kMaxDepth) return false;
  while (node != nullptr && node->nodeClass() == NodeClass::Group) node = node->right();
  if (node == nullptr) return false;
  if (node->nodeClass() != NodeClass::Operator && node->nodeClass() != NodeClass::AttachedOperator) return false;
  const auto* op = static_cast<const OperatorNode*>(node);
  if (op->comparesFieldWithLiteral()) {
    const auto* field = static_cast<const FieldNode*>(op->left());
    Step step{Step::Kind::Test,  op, field->field(), -1, op->plainPatternComparer(), op->answerOnMatch(),
              op->answerOnMiss()};
    if (field->type() == 'M') {
      for (std::size_t i = 0; i < memos_.size() && step.memo < 0; ++i) {
        if (memos_[i].field == step.field) step.memo = static_cast<int>(i);
      }
      if (step.memo < 0) {
        step.memo = static_cast<int>(memos_.size());
        memos_.push_back({step.field, {}, {}, false});
      }
    }
    steps_.push_back(step);
    return true;
  }
  switch (op->op()) {
    case OpCode::Not:
      if (!add(op->right(), depth + 1)) return false;
      steps_.push_back({Step::Kind::Not});
      return true;
    case OpCode::And:
    case OpCode::Or:
      if (op->left() == nullptr || !add(op->right(), depth + 1) || !add(op->left(), depth + 1)) return false;
      steps_.push_back({op->op() == OpCode::And ? Step::Kind::And : Step::Kind::Or});
      return true;
    default:
      return false;
  }
}

template <typename Answer>
bool FlatCondition::run(Answer answer) {
  std::size_t top = 0;
  for (const Step& step : steps_) {
    switch (step.kind) {
      case Step::Kind::Test:
        stack_[top++] = answer(step);
        break;
      case Step::Kind::Not:
        stack_[top - 1] = !stack_[top - 1];
        break;
      case Step::Kind::And:
        --top;
        stack_[top - 1] = stack_[top - 1] && stack_[top];
        break;
      case Step::Kind::Or:
        --top;
        stack_[top - 1] = stack_[top - 1] || stack_[top];
        break;
    }
  }
  return stack_[0] != 0;
}

bool FlatCondition::evaluate(ExprTableLink& link, bool fieldsMiss) {
  for (Memo& memo : memos_) memo.read = false;
  return run([&](const Step& step) -> bool {
    std::string_view text;
    if (step.memo < 0) {
      if (fieldsMiss) return step.onMiss;
      text = link.fieldBytes(step.field);
    } else {
      Memo& memo = memos_[static_cast<std::size_t>(step.memo)];
      if (!memo.read) {
        if (viewMemos_) {
          memo.text = link.viewMemo(memo.field, memo.spill);
        } else {
          link.readMemo(memo.field, memo.spill);
          memo.text = memo.spill;
        }
        memo.read = true;
        memo.cut = false;
      }
      if (!memo.cut) {
        // A word missing from the whole memo is missing from its text before
        // the first NUL: the NUL is looked for only where the word is found,
        // and the text searched again only where it has one.
        const bool found = step.pattern != nullptr && step.pattern->containsLiteralPattern(memo.text);
        if (step.pattern != nullptr && !found) return step.onMiss;
        const std::size_t size = memo.text.size();
        memo.text = memo.text.substr(0, memo.text.find('\0'));
        memo.cut = true;
        if (found && memo.text.size() == size) return step.onMatch;
      }
      text = memo.text;
    }
    if (step.pattern != nullptr) return step.pattern->containsLiteralPattern(text) ? step.onMatch : step.onMiss;
    ExprValue value;
    value.setText(ExprKind::Text, text);
    return step.test->matchesLiteral(value);
  });
}

std::vector<FlatCondition::Search> FlatCondition::searchesOneOfWhichMustHit() const {
  std::vector<Search> searches;
  for (const Step& step : steps_) {
    if (step.kind != Step::Kind::Test) continue;
    if (step.pattern == nullptr) return {};
    searches.push_back({step.field, step.memo >= 0, step.pattern});
  }
  // The steps' stack is the only state a run touches; a copy keeps this const.
  FlatCondition missing(*this);
  if (missing.run([](const Step& step) { return step.onMiss; })) return {};
  return searches;
}

}  // namespace kestrin::dbf
