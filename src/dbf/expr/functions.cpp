#include "dbf/expr/functions.h"

#include <cmath>
#include <string>

#include "dbf/expr/expr_error.h"

namespace kestrin::dbf::expr_detail {
namespace {

const FunctionDef* findIn(std::initializer_list<FunctionList> lists, std::string_view upperName) {
  for (const FunctionList& list : lists) {
    for (std::size_t i = 0; i < list.count; ++i) {
      if (list.items[i].name == upperName) return &list.items[i];
    }
  }
  return nullptr;
}

}  // namespace

const FunctionDef* findGlobalFunction(std::string_view upperName) {
  return findIn({mathFunctions(), textFunctions(), formatFunctions(), dateFunctions(), logicFunctions()}, upperName);
}

const FunctionDef* findTableFunction(std::string_view upperName) { return findIn({tableFunctions()}, upperName); }

long long truncToInt(double value) {
  if (!(value == value)) return 0;
  if (value >= 9.2e18) return 9200000000000000000LL;
  if (value <= -9.2e18) return -9200000000000000000LL;
  return static_cast<long long>(value);
}

const ExprValue& CallContext::argument(int index, ExprKind expected) {
  static const ExprValue kAbsent = [] {
    ExprValue v;
    v.setNothing(ExprKind::Empty);
    return v;
  }();
  const std::vector<Node*>& arguments = node_.arguments();
  const ExprValue& value =
      index < static_cast<int>(arguments.size()) ? arguments[static_cast<std::size_t>(index)]->evaluate() : kAbsent;
  if (expected != ExprKind::Any && value.kind != expected && !(isNumericKind(value.kind) && isNumericKind(expected))) {
    const std::string number = std::to_string(index + 1);
    throwExpr(expr_msg::kArgumentNeeded, {kindName(expected), number, name()});
  }
  return value;
}

int CallContext::argumentWidth(int index) const {
  const std::vector<Node*>& arguments = node_.arguments();
  if (index >= static_cast<int>(arguments.size())) return 0;
  return arguments[static_cast<std::size_t>(index)]->width();
}

std::string_view CallContext::name() const { return node_.function().name; }

void CallContext::checkLength(std::size_t length) const {
  if (length > kMaxTextLength) throwExpr(expr_msg::kTextTooLong, {name()});
}

}  // namespace kestrin::dbf::expr_detail
