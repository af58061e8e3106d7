// BETWEEN, DESCEND, EMPTY, IIF, INLIST, MAX, MIN.
#include "dbf/expr/dates.h"
#include "dbf/expr/expr_error.h"
#include "dbf/expr/functions.h"
#include "dbf/expr/text_compare.h"
#include "text/trims.h"

namespace kestrin::dbf::expr_detail {
namespace {

// Orders two values of agreeing kinds: numbers by value, texts by the
// collation, logicals false before true. Nothing for other kinds.
bool order(const ExprValue& a, const ExprValue& b, int& sign) {
  if (isNumericKind(a.kind) && isNumericKind(b.kind)) {
    const double d = a.asNumber() - b.asNumber();
    sign = (d > 0) - (d < 0);
    return true;
  }
  if (a.kind == ExprKind::Text && b.kind == ExprKind::Text) {
    sign = collateTexts(a.asText(), b.asText());
    return true;
  }
  if (a.kind == ExprKind::Boolean && b.kind == ExprKind::Boolean) {
    sign = static_cast<int>(a.asBoolean()) - static_cast<int>(b.asBoolean());
    return true;
  }
  return false;
}

void descend(CallContext& call, ExprValue& result) {
  const ExprValue& value = call.argument(0, ExprKind::Any);
  switch (value.kind) {
    case ExprKind::Date:
      result.setNumber(ExprKind::Date, 5231808.0 - value.asNumber());
      return;
    case ExprKind::Number:
    case ExprKind::Integer:
    case ExprKind::DateTime:
      result.setNumber(value.kind, -value.asNumber());
      return;
    case ExprKind::Text: {
      const std::string_view text = value.asText();
      std::string& out = call.buffer();
      out.resize(text.size());
      for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        out[i] = static_cast<char>(b == 0 ? 0 : 256 - b);
      }
      result.setText(ExprKind::Text, out);
      return;
    }
    case ExprKind::Boolean:
      result.setLogical(!value.asBoolean());
      return;
    default:
      result.setLogical(false);
      result.kind = value.kind;
  }
}

void empty(CallContext& call, ExprValue& result) {
  const ExprValue& value = call.argument(0, ExprKind::Any);
  bool isEmpty = false;
  if (value.kind == ExprKind::Date) {
    isEmpty = isBlankDayNumber(value.asNumber());
  } else if (isNumericKind(value.kind)) {
    isEmpty = value.asNumber() == 0;
  } else if (value.kind == ExprKind::Text) {
    isEmpty = text::trimControlsRight(value.asText()).empty();
  } else if (value.kind == ExprKind::Boolean) {
    isEmpty = !value.asBoolean();
  }
  result.setLogical(isEmpty);
}

void between(CallContext& call, ExprValue& result) {
  const ExprValue& x = call.argument(0, ExprKind::Any);
  const ExprKind kind = x.kind == ExprKind::Any ? ExprKind::Empty : x.kind;
  const ExprValue& low = call.argument(1, kind);
  const ExprValue& high = call.argument(2, kind);
  int aboveLow = 0;
  int belowHigh = 0;
  const bool ordered = order(x, low, aboveLow) && order(x, high, belowHigh);
  result.setLogical(ordered && aboveLow >= 0 && belowHigh <= 0);
}

// Only the chosen branch is evaluated.
void immediateIf(CallContext& call, ExprValue& result) {
  const bool condition = call.argument(0, ExprKind::Boolean).asBoolean();
  result = call.argument(condition ? 1 : 2, ExprKind::Any);
}

bool sameValue(const ExprValue& x, std::string_view trimmedX, const ExprValue& v) {
  if (x.kind == ExprKind::Text && v.kind == ExprKind::Text) return trimmedX == v.asText();
  if (isNumericKind(x.kind) && isNumericKind(v.kind)) return x.asNumber() == v.asNumber();
  if (x.kind == ExprKind::Boolean && v.kind == ExprKind::Boolean) {
    return x.asBoolean() == v.asBoolean();
  }
  return false;
}

// INLIST(x, a, b, ...): stops at the first argument equal to x.
void inList(CallContext& call, ExprValue& result) {
  const ExprValue& x = call.argument(0, ExprKind::Any);
  bool found = false;
  if (x.kind != ExprKind::Empty) {
    const std::string_view trimmedX = text::trimControlsRight(x.asText());
    for (int i = 1; i < call.argumentCount() && !found; ++i) {
      found = sameValue(x, trimmedX, call.argument(i, ExprKind::Any));
    }
  }
  result.setLogical(found);
}

void extreme(CallContext& call, ExprValue& result, bool largest) {
  const std::string_view name = largest ? "Max()" : "Min()";
  if (call.argumentCount() == 0) throwExpr(expr_msg::kValueRequiredFor, {name});
  const ExprValue& first = call.argument(0, ExprKind::Any);
  ExprValue best = first;
  for (int i = 1; i < call.argumentCount(); ++i) {
    const ExprValue& v = call.argument(i, ExprKind::Any);
    if (v.kind != first.kind && !(isNumericKind(v.kind) && isNumericKind(first.kind))) {
      throwExpr(expr_msg::kSameType, {name});
    }
    int sign = 0;
    if (order(v, best, sign) && (largest ? sign > 0 : sign < 0)) best = v;
  }
  result = best;
  result.kind = first.kind;
}

const FunctionDef kFunctions[] = {
    {"BETWEEN", between},
    {"DESCEND", descend},
    {"EMPTY", empty},
    {"IIF", immediateIf},
    {"INLIST", inList},
    {"MAX", [](CallContext& c, ExprValue& r) { extreme(c, r, true); }},
    {"MIN", [](CallContext& c, ExprValue& r) { extreme(c, r, false); }},
};

}  // namespace

FunctionList logicFunctions() { return {kFunctions, std::size(kFunctions)}; }

}  // namespace kestrin::dbf::expr_detail
