// The functions of the expression language: what a function sees of its call,
// and the two registries (global functions and the table functions).
#pragma once

#include <string>
#include <string_view>

#include "dbf/expr/nodes.h"
#include "dbf/expr/value.h"

namespace kestrin::dbf::expr_detail {

// Texts a function builds are limited so that an expression cannot ask for
// gigabytes (SPACE(1e12), STR(1, 1e10)).
inline constexpr std::size_t kMaxTextLength = std::size_t{16} << 20;

// The global variable PI and the function PI().
inline constexpr double kPi = 3.1415926535897932385;

// One function call being evaluated.
class CallContext {
 public:
  explicit CallContext(CallNode& node) : node_(node) {}

  int argumentCount() const { return static_cast<int>(node_.arguments().size()); }
  // Evaluates the argument with this 0-based index (kind Empty when there are
  // fewer arguments) and checks its kind: unless `expected` is Any, another
  // kind that is not numeric like the expected one raises
  // "%s needed for Argument %d of %s".
  const ExprValue& argument(int index, ExprKind expected);
  // The width of an argument's node (0 when there is no such argument).
  int argumentWidth(int index) const;

  EvalEnv& env() const { return node_.env(); }
  std::string_view name() const;
  // The buffer a text result is written to.
  std::string& buffer() { return node_.buffer(); }
  const text::TextSearcher& searcherFor(std::string_view needle, const text::FoldTable& fold) {
    return node_.searcherFor(needle, fold);
  }
  // Throws when a text of this length would be too long.
  void checkLength(std::size_t length) const;

 private:
  CallNode& node_;
};

using FunctionImpl = void (*)(CallContext& call, ExprValue& result);

struct FunctionDef {
  std::string_view name;  // upper case
  FunctionImpl impl;
};

// Looks a function up by its upper-cased name; null when there is none.
const FunctionDef* findGlobalFunction(std::string_view upperName);
const FunctionDef* findTableFunction(std::string_view upperName);

// The per-domain tables, gathered by the registries.
struct FunctionList {
  const FunctionDef* items;
  std::size_t count;
};
FunctionList mathFunctions();
FunctionList textFunctions();
FunctionList formatFunctions();
FunctionList dateFunctions();
FunctionList logicFunctions();
FunctionList tableFunctions();

// Shared by the functions: a double truncated toward zero and clamped to the
// range of int64 (NaN gives 0), so that no conversion is undefined.
long long truncToInt(double value);

}  // namespace kestrin::dbf::expr_detail
