#include "dbf/expr/equality_set.h"

#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf::expr_detail {

namespace {

bool isOperator(const Node* node, OpCode op) {
  if (node == nullptr) return false;
  if (node->nodeClass() != NodeClass::AttachedOperator && node->nodeClass() != NodeClass::Operator) return false;
  return static_cast<const OperatorNode*>(node)->op() == op;
}

// FIELD="literal" (perhaps in parentheses) with a character field and a
// literal that is no pattern.
struct Equality {
  FieldNode* field = nullptr;
  std::string_view literal;
};

Equality asEquality(Node* operand, bool partialCompare) {
  Node* node = operand;
  while (node != nullptr && node->nodeClass() == NodeClass::Group) node = node->right();
  if (!isOperator(node, OpCode::Equal)) return {};
  Node* left = node->left();
  Node* right = node->right();
  if (left == nullptr || right == nullptr || left->classId() != kFieldClassId) return {};
  auto* field = static_cast<FieldNode*>(left);
  if (field->type() != 'C' || right->nodeClass() != NodeClass::TextLiteral) return {};
  const std::string_view literal = static_cast<const TextLiteralNode*>(right)->text();
  const std::string_view trimmed = text::trimControlsRight(literal);
  if (partialCompare && !trimmed.empty() && (trimmed.front() == '*' || trimmed.back() == '*')) return {};
  return {field, literal};
}

}  // namespace

EqualitySetNode::EqualitySetNode(FieldNode& field, bool caseInsensitive, std::vector<const Node*> equalities)
    : Node(NodeClass::EqualitySet),
      field_(field),
      fold_(caseInsensitive ? &text::kUpperTable : &text::identityFold()),
      equalities_(std::move(equalities)) {
  width_ = 1;
}

void EqualitySetNode::addLiteral(std::string_view literal) {
  if (literal.empty()) {
    hasEmptyLiteral_ = true;
    return;
  }
  std::string key(text::trimControlsRight(literal));
  for (char& c : key) c = static_cast<char>((*fold_)[static_cast<unsigned char>(c)]);
  keys_.insert(std::move(key));
}

const ExprValue& EqualitySetNode::evaluate() {
  const std::string_view value = field_.evaluate().asText();
  if (value.empty()) {
    value_.setLogical(hasEmptyLiteral_);
    return value_;
  }
  const std::string_view trimmed = text::trimControlsRight(value);
  probe_.resize(trimmed.size());
  for (std::size_t i = 0; i < trimmed.size(); ++i) {
    probe_[i] = static_cast<char>((*fold_)[static_cast<unsigned char>(trimmed[i])]);
  }
  value_.setLogical(keys_.contains(probe_));
  return value_;
}

void EqualitySetNode::appendName(std::string& out) const {
  bool first = true;
  for (const Node* equality : equalities_) {
    if (!first) out += ".OR.";
    first = false;
    appendExpressionText(equality, out);
  }
}

Node* foldEqualityRuns(Node* root, std::vector<std::unique_ptr<Node>>& nodes, bool caseInsensitive,
                       bool partialCompare) {
  if (!isOperator(root, OpCode::Or)) return root;
  // The chain's OR nodes from the bottom up, and its operands left to right.
  std::vector<OperatorNode*> ors;
  for (Node* node = root; isOperator(node, OpCode::Or); node = node->left()) {
    ors.insert(ors.begin(), static_cast<OperatorNode*>(node));
  }
  std::vector<Node*> operands{ors.front()->left()};
  for (OperatorNode* op : ors) operands.push_back(op->right());
  if (operands.front() == nullptr || operands.size() < kMinFoldedEqualities) return root;

  std::vector<Node*> kept;
  bool folded = false;
  for (std::size_t i = 0; i < operands.size();) {
    const Equality first = asEquality(operands[i], partialCompare);
    std::size_t end = i + 1;
    if (first.field != nullptr) {
      while (end < operands.size()) {
        const Equality next = asEquality(operands[end], partialCompare);
        if (next.field == nullptr || next.field->field() != first.field->field()) break;
        ++end;
      }
    }
    if (end - i < kMinFoldedEqualities) {
      kept.insert(kept.end(), operands.begin() + static_cast<std::ptrdiff_t>(i),
                  operands.begin() + static_cast<std::ptrdiff_t>(end));
      i = end;
      continue;
    }
    auto set = std::make_unique<EqualitySetNode>(
        *first.field, caseInsensitive,
        std::vector<const Node*>(operands.begin() + static_cast<std::ptrdiff_t>(i),
                                 operands.begin() + static_cast<std::ptrdiff_t>(end)));
    for (std::size_t k = i; k < end; ++k) set->addLiteral(asEquality(operands[k], partialCompare).literal);
    kept.push_back(set.get());
    nodes.push_back(std::move(set));
    folded = true;
    i = end;
  }
  if (!folded) return root;
  if (kept.size() == 1) return kept.front();
  // The first OR nodes of the chain carry what is left, bottom up.
  ors[0]->setLeft(kept[0]);
  ors[0]->setRight(kept[1]);
  for (std::size_t k = 1; k + 1 < kept.size(); ++k) {
    ors[k]->setLeft(ors[k - 1]);
    ors[k]->setRight(kept[k + 1]);
  }
  return ors[kept.size() - 2];
}

}  // namespace kestrin::dbf::expr_detail
