// Numbers as the expression language writes and reads them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrin::dbf::expr_detail {

// The value rounded at that decimal place (negative: tens, hundreds, ...),
// halves away from zero. The scaled value is first taken to 15 significant
// digits, so that 2.345 rounds to 2.35 although its double is a little less.
double roundDecimal(double value, int decimals);

// Fixed notation with `decimals` digits after the point (halves rounded away
// from zero), as narrow as the number allows.
void formatFixed(double value, int decimals, std::string& out);

// At most 15 significant digits, no trailing zeros, the given decimal
// separator; exponent form only for very large or small values.
std::string formatGeneral(double value, char decimalSeparator);

// A number literal: optional sign, digits and at most one ".", at least one
// digit. Nothing for other text and for values beyond the double range.
std::optional<double> parseNumberLiteral(std::string_view text);

// VAL: blanks around, optional sign, digits, the decimal separator, an
// optional exponent. Nothing when the text is not wholly such a number.
std::optional<double> parseLocaleNumber(std::string_view text, char decimalSeparator);

}  // namespace kestrin::dbf::expr_detail
