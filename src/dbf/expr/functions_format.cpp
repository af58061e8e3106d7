// STR, STRZERO, PADL, PADR, PADC and VAL: numbers and values to text and back.
#include <algorithm>

#include "dbf/expr/dates.h"
#include "dbf/expr/expr_error.h"
#include "dbf/expr/functions.h"
#include "dbf/expr/number_text.h"

namespace kestrin::dbf::expr_detail {
namespace {

// STR(number [, width [, decimals]]): right-aligned; width asterisks when the
// number does not fit. Without a width the link's default width is used, and
// when that is negative the width of the number's own node (10 without one).
void numberText(CallContext& call, ExprValue& result, bool zeros) {
  const double value = call.argument(0, ExprKind::Number).asNumber();
  long long width;
  if (call.argumentCount() >= 2) {
    width = truncToInt(call.argument(1, ExprKind::Number).asNumber());
  } else {
    width = call.env().defaultStrWidth;
    if (width < 0) width = call.argumentWidth(0) > 0 ? call.argumentWidth(0) : 10;
  }
  const long long decimals = call.argumentCount() >= 3 ? truncToInt(call.argument(2, ExprKind::Number).asNumber()) : 0;
  if (width < 0) width = 0;
  call.checkLength(static_cast<unsigned long long>(width));
  const auto w = static_cast<std::size_t>(width);
  std::string& out = call.buffer();
  formatFixed(value, static_cast<int>(std::clamp<long long>(decimals, 0, 340)), out);
  if (out.size() > w) {
    out.assign(w, '*');
  } else {
    out.insert(0, w - out.size(), zeros ? '0' : ' ');
  }
  result.setText(ExprKind::Text, out);
}

// The text of any value for the pad functions.
void valueText(const ExprValue& value, const EvalEnv& env, std::string& out) {
  out.clear();
  if (value.kind == ExprKind::Date) {
    displayFromDayNumber(value.asNumber(), env.regional.shortDateFormat, out);
  } else if (value.holds == ExprValue::Holds::Number) {
    out = formatGeneral(value.number, env.regional.decimalSeparator);
  } else if (value.holds == ExprValue::Holds::Logical) {
    out = value.logical ? "T" : "F";
  } else {
    out.assign(value.asText());
  }
}

enum class Side { Left, Right, Centre };

void pad(CallContext& call, ExprValue& result, Side side) {
  const ExprValue& value = call.argument(0, ExprKind::Any);
  if (value.kind == ExprKind::Empty) throwExpr(expr_msg::kArgumentNeeded, {"Value", "1", "Pad"});
  std::string& out = call.buffer();
  valueText(value, call.env(), out);
  const long long length = truncToInt(call.argument(1, ExprKind::Number).asNumber());
  char fill = ' ';
  if (call.argumentCount() >= 3) {
    const std::string_view c = call.argument(2, ExprKind::Text).asText();
    if (c.size() != 1) throwExpr(expr_msg::kValueRequired, {"Char"});
    fill = c[0];
  }
  if (length > 0 && static_cast<unsigned long long>(length) > out.size()) {
    call.checkLength(static_cast<unsigned long long>(length));
    const std::size_t missing = static_cast<std::size_t>(length) - out.size();
    const std::size_t before = side == Side::Left ? missing : side == Side::Right ? 0 : missing / 2;
    out.insert(0, before, fill);
    out.append(missing - before, fill);
  }
  result.setText(ExprKind::Text, out);
}

const FunctionDef kFunctions[] = {
    {"PADC", [](CallContext& c, ExprValue& r) { pad(c, r, Side::Centre); }},
    {"PADL", [](CallContext& c, ExprValue& r) { pad(c, r, Side::Left); }},
    {"PADR", [](CallContext& c, ExprValue& r) { pad(c, r, Side::Right); }},
    {"STR", [](CallContext& c, ExprValue& r) { numberText(c, r, false); }},
    {"STRZERO", [](CallContext& c, ExprValue& r) { numberText(c, r, true); }},
    {"VAL",
     [](CallContext& c, ExprValue& r) {
       const std::string_view text = c.argument(0, ExprKind::Text).asText();
       r.setNumber(ExprKind::Number, parseLocaleNumber(text, c.env().regional.decimalSeparator).value_or(0.0));
     }},
};

}  // namespace

FunctionList formatFunctions() { return {kFunctions, std::size(kFunctions)}; }

}  // namespace kestrin::dbf::expr_detail
