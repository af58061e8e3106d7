// The nodes of a compiled expression tree. The handler owns every node in
// one list; operand links are plain pointers, so freeing a tree never
// recurses. Operator chains grow only to the left (operators of one priority
// group from the left, tighter ones hang on the right at most seven deep), so
// evaluation, text rebuilding and name collection walk left chains in loops
// and recurse only into right operands, groups and arguments, whose depth the
// compiler bounds.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dbf/base/regional_settings.h"
#include "dbf/expr/text_compare.h"
#include "dbf/expr/value.h"

namespace kestrin::dbf {

class ExprTableLink;

namespace expr_detail {

// What evaluation needs besides the tree; owned by the handler.
struct EvalEnv {
  ExprTableLink* link = nullptr;
  RegionalSettings regional;
  int defaultStrWidth = 10;

  // A memo field's text as read for one evaluation of the tree. A condition
  // that names a memo once per search word reads it once per record.
  struct MemoText {
    std::uint64_t evaluation = 0;  // the evaluation it was read for; 0: none
    std::string text;
  };
  // Counts the evaluations of the whole tree (see ExprHandler::evaluate); a
  // memo read for an earlier one is read again.
  std::uint64_t evaluation = 0;
  // One entry per memo field the tree names; entries stay where they are.
  std::map<int, MemoText> memos;
};

enum class NodeClass : std::uint8_t {
  Group = 0,
  AttachedOperator = 2,
  Operator = 3,
  Call = 4,
  Variable = 5,
  TextLiteral = 6,
  NumberLiteral = 7,
  DateLiteral = 8,
  BoolLiteral = 9,
  EqualitySet = 10,  // an OR chain of equalities folded into one look-up
};

inline constexpr int kGlobalVariableClassId = 16;
inline constexpr int kFieldClassId = 17;

class Node {
 public:
  explicit Node(NodeClass nodeClass) : nodeClass_(nodeClass) {}
  virtual ~Node() = default;
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;

  // The value of the node for the current record. The reference stays valid
  // until the node is evaluated again.
  virtual const ExprValue& evaluate() = 0;
  // The node's own text (an operator's display name, a literal re-rendered).
  virtual void appendName(std::string& out) const = 0;
  virtual int classId() const { return -1; }

  NodeClass nodeClass() const { return nodeClass_; }
  void setNodeClass(NodeClass c) { nodeClass_ = c; }
  int width() const { return width_; }
  int decimals() const { return decimals_; }
  Node* left() const { return left_; }
  Node* right() const { return right_; }
  void setLeft(Node* n) { left_ = n; }
  void setRight(Node* n) { right_ = n; }

 protected:
  NodeClass nodeClass_;
  int width_ = 0;
  int decimals_ = 0;
  Node* left_ = nullptr;
  Node* right_ = nullptr;
  ExprValue value_;
};

// The expression rebuilt from the tree, without blanks.
void appendExpressionText(const Node* node, std::string& out);
// The names of the leaves of class `classId`, each followed by ";", left first.
void collectNames(const Node* node, int classId, std::string& out);

// --- Leaves -----------------------------------------------------------------

class TextLiteralNode final : public Node {
 public:
  explicit TextLiteralNode(std::string_view text);
  const ExprValue& evaluate() override { return value_; }
  void appendName(std::string& out) const override;
  std::string_view text() const { return text_; }
  const ExprValue& value() const { return value_; }

 private:
  std::string text_;
};

class NumberLiteralNode final : public Node {
 public:
  NumberLiteralNode(double value, int width, int decimals);
  const ExprValue& evaluate() override { return value_; }
  void appendName(std::string& out) const override;
};

class DateLiteralNode final : public Node {
 public:
  DateLiteralNode(double dayNumber, const EvalEnv& env);
  const ExprValue& evaluate() override { return value_; }
  void appendName(std::string& out) const override;

 private:
  const EvalEnv& env_;
};

class BoolLiteralNode final : public Node {
 public:
  explicit BoolLiteralNode(bool value);
  const ExprValue& evaluate() override { return value_; }
  void appendName(std::string& out) const override;
};

// TRUE, FALSE and PI.
class GlobalVariableNode final : public Node {
 public:
  enum class Which { True, False, Pi };
  explicit GlobalVariableNode(Which which);
  const ExprValue& evaluate() override { return value_; }
  void appendName(std::string& out) const override;
  int classId() const override { return kGlobalVariableClassId; }

 private:
  Which which_;
};

// One field of the table, read from the current record image.
class FieldNode final : public Node {
 public:
  FieldNode(EvalEnv& env, int field, char type, int width, std::string name);
  const ExprValue& evaluate() override;
  void appendName(std::string& out) const override { out += name_; }
  int classId() const override { return kFieldClassId; }

  int field() const { return field_; }  // 1-based descriptor number
  char type() const { return type_; }   // upper-case type letter

 private:
  EvalEnv& env_;
  int field_;
  char type_;
  std::string name_;
  EvalEnv::MemoText* memo_ = nullptr;  // an M field's text, shared by its nodes
};

// --- Inner nodes ------------------------------------------------------------

// A parenthesised sub-expression; its tree hangs in the right slot.
class GroupNode final : public Node {
 public:
  GroupNode() : Node(NodeClass::Group) {}
  const ExprValue& evaluate() override;
  void appendName(std::string&) const override {}
};

enum class OpCode : std::uint8_t {
  Power,
  Multiply,
  Divide,
  Add,
  Subtract,
  Equal,
  NotEqual,
  Greater,
  Less,
  GreaterEqual,
  LessEqual,
  Contains,
  Not,
  And,
  Or,
};

class OperatorNode final : public Node {
 public:
  OperatorNode(OpCode op, int priority, bool caseInsensitive, bool partialCompare);
  const ExprValue& evaluate() override;
  void appendName(std::string& out) const override;

  OpCode op() const { return op_; }
  int priority() const { return priority_; }
  // Called once the operands are attached: prepares the work that does not
  // change from record to record (a literal right side of a comparison, a
  // literal left side of "$").
  void prepareLiterals();

  // A comparison of a character or memo field with a text literal; then
  // matchesLiteral decides it for the field's value.
  bool comparesFieldWithLiteral() const { return fieldAgainstLiteral_; }
  bool matchesLiteral(const ExprValue& fieldValue) const;
  // For such a comparison with a plain pattern, the comparer whose
  // containsLiteralPattern decides it, and the answers on a match and on a
  // miss; null for any other comparison.
  const TextComparer* plainPatternComparer() const { return plainPattern_ ? comparer_.get() : nullptr; }
  bool answerOnMatch() const { return answerOnMatch_; }
  bool answerOnMiss() const { return answerOnMiss_; }

  // The spelling used when the expression is rebuilt as text.
  std::string_view spelling() const;
  // The name error messages use.
  std::string_view displayName() const;

 private:
  void checkOperands() const;
  // Applies the operator to evaluated operands (`left` null for NOT); a text
  // result is written to `buffer`.
  void apply(const ExprValue* left, const ExprValue& right, ExprValue& out, std::string& buffer);
  void applyBoolean(bool left, bool right, ExprValue& out) const;
  void applyNumber(double left, double right, ExprKind rightKind, ExprValue& out) const;
  void applyText(const ExprValue& left, const ExprValue& right, ExprValue& out, std::string& buffer);

  OpCode op_;
  int priority_;
  std::unique_ptr<TextComparer> comparer_;                // comparisons only
  std::unique_ptr<text::TextSearcher> containsSearcher_;  // "$" only
  bool containsPrepared_ = false;
  // A comparison of a character or memo field with a text literal, the
  // shape of every search: evaluated without walking a chain.
  bool fieldAgainstLiteral_ = false;
  // A comparison with a pattern that is a plain search (the searches' words):
  // the answer for a value that holds it and for one that does not.
  bool plainPattern_ = false;
  bool answerOnMatch_ = false;
  bool answerOnMiss_ = false;
  // Evaluation of the left chain below this node.
  std::vector<OperatorNode*> chain_;
  const ExprValue* rightValue_ = nullptr;
  std::string buffers_[2];
};

struct FunctionDef;

class CallNode final : public Node {
 public:
  CallNode(EvalEnv& env, const FunctionDef& function, std::vector<Node*> arguments);
  const ExprValue& evaluate() override;
  void appendName(std::string& out) const override;

  const std::vector<Node*>& arguments() const { return arguments_; }
  const FunctionDef& function() const { return function_; }
  EvalEnv& env() const { return env_; }
  std::string& buffer() { return buffer_; }
  // A searcher for `needle` under `fold`, prepared again only when either
  // differs from the last call's (AT, ATC, STRTRAN run on every record).
  const text::TextSearcher& searcherFor(std::string_view needle, const text::FoldTable& fold);

 private:
  EvalEnv& env_;
  const FunctionDef& function_;
  std::vector<Node*> arguments_;
  std::string buffer_;  // the text result, reused from record to record
  text::TextSearcher searcher_;
  std::string searcherNeedle_;
  const text::FoldTable* searcherFold_ = nullptr;  // none yet
};

}  // namespace expr_detail
}  // namespace kestrin::dbf
