// ExprHandler: one compiled expression of the xBase-style filter and key
// language, evaluated against the current record of one table.
//
//   ExprHandler filter(&link, link.alias());          // no text yet
//   filter.setCaseInsensitive(true);                   // before setExpression
//   filter.setExpression("(L4=\"*word*\") OR (L5=\"*word*\")");
//   for (each record) if (filter.evaluate().asBoolean()) ...
//
// Compiling parses the text once; evaluation walks the tree without parsing
// and, for field reads and comparisons, without allocating. Errors of both
// are EDbfExpression (the table's own faults, such as an unreadable number,
// come through as the table's EDbfError).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "dbf/base/regional_settings.h"
#include "dbf/expr/expr_error.h"
#include "dbf/expr/table_link.h"
#include "dbf/expr/value.h"

namespace kestrin::dbf {

namespace expr_detail {
class Node;
}

// A typed key value as an index needs it.
struct ExprKeyValue {
  enum class Type : std::uint8_t { None, Text, Number, Date, Logical };
  Type type = Type::None;
  std::string text;
  double number = 0.0;
  std::int64_t day = 0;
  bool logical = false;
};

struct ExprOptions {
  bool caseInsensitive = false;  // text comparisons fold case first
  bool partialCompare = true;    // "*" at either end of a right-hand text is a pattern
  int defaultStrWidth = 10;      // the width STR uses without a width argument
  RegionalSettings regional;
};

class ExprHandler {
 public:
  // ListNames class ids: the table's fields, and TRUE/FALSE/PI.
  static constexpr int kFieldClassId = 17;
  static constexpr int kGlobalVariableClassId = 16;

  // Compiles `expression` over the table of `link` (which may be null: then
  // no field or table function can be named). When `alias` is not empty,
  // every "ALIAS." and "ALIAS->" (any letter case) is first removed from the
  // text. The link must outlive the handler.
  explicit ExprHandler(ExprTableLink* link = nullptr, std::string_view alias = {}, std::string_view expression = {},
                       ExprOptions options = {});
  ~ExprHandler();
  ExprHandler(ExprHandler&&) noexcept;
  ExprHandler& operator=(ExprHandler&&) noexcept;

  // The comparison options are copied into the tree when it is compiled:
  // set them before setExpression.
  void setCaseInsensitive(bool on);
  void setPartialCompare(bool on);
  void setDefaultStrWidth(int width);
  void setRegional(const RegionalSettings& regional);

  // Replaces the tree by the compiled text (no alias removal); an empty text
  // leaves no tree. On an error the handler is left without a tree.
  void setExpression(std::string_view text);
  bool hasExpression() const;

  // Evaluates over the table's current record and sets resultKind(). Without
  // a tree the result is Unknown. The value (and a text's view) stays valid
  // until the next evaluation or until the table moves.
  const ExprValue& evaluate();
  ExprKind resultKind() const;

  // Evaluates into a key: Text as text, Number and DateTime as a number, Date
  // as a whole day number, Boolean as a logical; any other kind leaves
  // resultKind() Unknown. A result without a value leaves the key as it was;
  // without a tree the key is cleared.
  void evaluateKey(ExprKeyValue& key);

  // The expression rebuilt from the tree, without blanks.
  std::string getText() const;
  // The names of all leaves of that class, each followed by ";", left to
  // right (kFieldClassId: the fields the expression uses, repetitions kept).
  std::string listNames(int classId) const;

  int operandCount() const;
  int maxWidth() const;
  int maxDecimals() const;

  // The compiled tree (null without one), for callers that act on the
  // expression's shape. Valid until the next setExpression.
  const expr_detail::Node* root() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Removes every "ALIAS." and "ALIAS->" (found in an upper-cased copy) until
// neither occurs.
std::string removeAliasPrefixes(std::string_view expression, std::string_view alias);

}  // namespace kestrin::dbf
