// ABS, ACOS, ASIN, ATAN, ATN2, CEILING, COS, DTOR, FLOOR, FV, INT, LOG, LOG10,
// MOD, PI, PV, ROUND, RTOD, SIN, TAN.
#include <algorithm>
#include <cmath>

#include "dbf/expr/expr_error.h"
#include "dbf/expr/functions.h"
#include "dbf/expr/number_text.h"

namespace kestrin::dbf::expr_detail {
namespace {

double number(CallContext& call, int index) { return call.argument(index, ExprKind::Number).asNumber(); }

void setNumber(ExprValue& result, double value) { result.setNumber(ExprKind::Number, value); }

template <double (*F)(double)>
void unary(CallContext& call, ExprValue& result) {
  setNumber(result, F(number(call, 0)));
}

double absolute(double x) { return std::fabs(x); }
double arcTangent(double x) { return std::atan(x); }
double cosine(double x) { return std::cos(x); }
double sine(double x) { return std::sin(x); }
double tangent(double x) { return std::tan(x); }
double toRadians(double x) { return x * kPi / 180.0; }
double toDegrees(double x) { return x * 180.0 / kPi; }
double ceiling(double x) { return std::ceil(x); }
double floorOf(double x) { return std::floor(x); }
double integerPart(double x) { return std::trunc(x); }

void arcFunction(CallContext& call, ExprValue& result, bool cosineArc) {
  const double x = number(call, 0);
  if (!(x >= -1.0 && x <= 1.0)) {
    throwExpr(expr_msg::kArgumentRange, {cosineArc ? "ACOS" : "ASIN", "-1 to +1"});
  }
  setNumber(result, cosineArc ? std::acos(x) : std::asin(x));
}

void logarithm(CallContext& call, ExprValue& result, bool decimal) {
  const double x = number(call, 0);
  if (!(x > 0)) throwExpr(expr_msg::kArgumentRange, {decimal ? "LOG10" : "LOG", "> 0"});
  setNumber(result, decimal ? std::log10(x) : std::log(x));
}

// ROUND(x [, decimals]).
void roundNumber(CallContext& call, ExprValue& result) {
  const double x = number(call, 0);
  const long long decimals = call.argumentCount() >= 2 ? truncToInt(number(call, 1)) : 0;
  setNumber(result, roundDecimal(x, static_cast<int>(std::clamp(decimals, -400LL, 400LL))));
}

// MOD(a, b): both truncated; the remainder has the sign of a.
void modulo(CallContext& call, ExprValue& result) {
  const double a = std::trunc(number(call, 0));
  const double b = std::trunc(number(call, 1));
  if (b == 0) throwExpr(expr_msg::kDivisionByZero);
  setNumber(result, std::fmod(a, b) + 0.0);
}

// FV and PV take (rate, payment, periods [, value [, payment time]]); the
// payment time is 0 (end of period, also -1) or 1 (start of period).
struct Annuity {
  double rate;
  double payment;
  double periods;
  double value;
  bool atStart;
};

Annuity annuityArguments(CallContext& call, std::string_view timeName) {
  Annuity a{};
  a.rate = number(call, 0);
  a.payment = number(call, 1);
  a.periods = number(call, 2);
  a.value = call.argumentCount() >= 4 ? number(call, 3) : 0.0;
  const double time = call.argumentCount() >= 5 ? number(call, 4) : 0.0;
  if (time != -1 && time != 0 && time != 1) {
    throwExpr(expr_msg::kArgumentRange, {timeName, "0 or 1"});
  }
  a.atStart = time == 1;
  return a;
}

void futureValue(CallContext& call, ExprValue& result) {
  const Annuity a = annuityArguments(call, "FV PaymentTime");
  double fv;
  if (a.rate == 0) {
    fv = a.value + a.payment * a.periods;
  } else {
    const double growth = std::pow(1 + a.rate, a.periods);
    fv = a.value * growth + a.payment * (1 + a.rate * a.atStart) * (growth - 1) / a.rate;
  }
  setNumber(result, std::fabs(fv));
}

void presentValue(CallContext& call, ExprValue& result) {
  const Annuity a = annuityArguments(call, "PV PaymentTime");
  double pv;
  if (a.rate == 0) {
    pv = a.value + a.payment * a.periods;
  } else {
    const double growth = std::pow(1 + a.rate, a.periods);
    if (growth == 0) throwExpr(expr_msg::kDivisionByZero);
    pv = (a.value + a.payment * (1 + a.rate * a.atStart) * (growth - 1) / a.rate) / growth;
  }
  setNumber(result, std::fabs(pv));
}

const FunctionDef kFunctions[] = {
    {"ABS", unary<absolute>},
    {"ACOS", [](CallContext& c, ExprValue& r) { arcFunction(c, r, true); }},
    {"ASIN", [](CallContext& c, ExprValue& r) { arcFunction(c, r, false); }},
    {"ATAN", unary<arcTangent>},
    {"ATN2",
     [](CallContext& c, ExprValue& r) {
       const double y = number(c, 0);
       setNumber(r, std::atan2(y, number(c, 1)));
     }},
    {"CEILING", unary<ceiling>},
    {"COS", unary<cosine>},
    {"DTOR", unary<toRadians>},
    {"FLOOR", unary<floorOf>},
    {"FV", futureValue},
    {"INT", unary<integerPart>},
    {"LOG", [](CallContext& c, ExprValue& r) { logarithm(c, r, false); }},
    {"LOG10", [](CallContext& c, ExprValue& r) { logarithm(c, r, true); }},
    {"MOD", modulo},
    {"PI", [](CallContext&, ExprValue& r) { setNumber(r, kPi); }},
    {"PV", presentValue},
    {"ROUND", roundNumber},
    {"RTOD", unary<toDegrees>},
    {"SIN", unary<sine>},
    {"TAN", unary<tangent>},
};

}  // namespace

FunctionList mathFunctions() { return {kFunctions, std::size(kFunctions)}; }

}  // namespace kestrin::dbf::expr_detail
