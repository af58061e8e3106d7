// CTOD, DATE, DOW, DTOC, DTOS.
#include <cmath>

#include "dbf/expr/dates.h"
#include "dbf/expr/expr_error.h"
#include "dbf/expr/functions.h"

namespace kestrin::dbf::expr_detail {
namespace {

double dateArg(CallContext& call, int index) { return call.argument(index, ExprKind::Date).asNumber(); }

void textToDate(CallContext& call, ExprValue& result) {
  // A blank text is the blank date, day 0, as a blank date field reads: the
  // two compare equal and a day number past the calendar stays an error.
  const std::string_view text = call.argument(0, ExprKind::Text).asText();
  const auto day = dayNumberFromText(text, call.env().regional.shortDateFormat);
  if (!day) throwExpr(expr_msg::kInvalidDate, {text.substr(0, 64)});
  result.setNumber(ExprKind::Date, *day);
}

// DTOC(date [, 1]): the display form, or with 1 the yyyymmdd form.
void dateToText(CallContext& call, ExprValue& result) {
  const double day = dateArg(call, 0);
  const bool sortable = call.argumentCount() >= 2 && call.argument(1, ExprKind::Number).asNumber() == 1;
  std::string& out = call.buffer();
  if (sortable) {
    yyyymmddFromDayNumber(day, out);
  } else {
    displayFromDayNumber(day, call.env().regional.shortDateFormat, out);
  }
  result.setText(ExprKind::Text, out);
}

// DOW: 1 for Sunday to 7 for Saturday; 1899-12-30 was a Saturday.
void dayOfWeek(CallContext& call, ExprValue& result) {
  const double day = dateArg(call, 0);
  double dow = 0;
  if (!isBlankDayNumber(day)) {
    double r = std::fmod(std::trunc(day) - static_cast<double>(kDayNumberOf18991230), 7.0);
    if (r < 0) r += 7;
    dow = std::fmod(r + 6, 7.0) + 1;
  }
  result.setNumber(ExprKind::Number, dow);
}

const FunctionDef kFunctions[] = {
    {"CTOD", textToDate},
    {"DATE", [](CallContext&, ExprValue& r) { r.setNumber(ExprKind::Date, todayDayNumber()); }},
    {"DOW", dayOfWeek},
    {"DTOC", dateToText},
    {"DTOS",
     [](CallContext& c, ExprValue& r) {
       yyyymmddFromDayNumber(dateArg(c, 0), c.buffer());
       r.setText(ExprKind::Text, c.buffer());
     }},
};

}  // namespace

FunctionList dateFunctions() { return {kFunctions, std::size(kFunctions)}; }

}  // namespace kestrin::dbf::expr_detail
