// An OR chain of equalities of one character field with text literals,
// FIELD="a" OR FIELD="b" OR ..., as one set look-up. A search that lists
// thousands of record keys would otherwise compare every record with every
// key; the set answers in one probe what the chain answers, by the rules the
// comparison itself follows: both sides without trailing blanks (the control
// characters with them), the case folded under the case-insensitive option,
// an empty field equal only to an empty literal, and literals that are
// patterns under partial compare ("*" at an end) left in the chain.
//
// The rewrite runs at compile time on every OR chain; the other operands
// keep their order, and since equalities of a field with a literal neither
// fail nor act, the chain's value and its errors stay the same.
#pragma once

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "dbf/expr/nodes.h"

namespace kestrin::dbf::expr_detail {

// Runs shorter than this stay as written: a few comparisons cost less than
// building a key.
inline constexpr std::size_t kMinFoldedEqualities = 4;

class EqualitySetNode final : public Node {
 public:
  // `field` is the field node of the first equality; `equalities` the
  // operands replaced, kept for rebuilding the text.
  EqualitySetNode(FieldNode& field, bool caseInsensitive, std::vector<const Node*> equalities);

  // Adds the literal of one equality.
  void addLiteral(std::string_view literal);

  const ExprValue& evaluate() override;
  void appendName(std::string& out) const override;
  const std::vector<const Node*>& equalities() const { return equalities_; }

 private:
  FieldNode& field_;
  const text::FoldTable* fold_;
  std::unordered_set<std::string> keys_;  // folded, without trailing blanks
  bool hasEmptyLiteral_ = false;          // "" matches an empty value only
  std::vector<const Node*> equalities_;
  std::string probe_;
};

// Rewrites the OR chain at `root` (when it is one) and returns the new root.
// New nodes go into `nodes`; the nodes taken out of the tree stay there.
Node* foldEqualityRuns(Node* root, std::vector<std::unique_ptr<Node>>& nodes, bool caseInsensitive,
                       bool partialCompare);

}  // namespace kestrin::dbf::expr_detail
