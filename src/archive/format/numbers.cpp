#include "archive/format/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "archive/text/text_edit.h"
#include "text/char_classes.h"

namespace kestrin::archive {
namespace {

// Accepts [sign] digits [sep digits] [e [sign] digits] with at least one
// mantissa digit, the form the platform's number conversion reads; returns the
// same text with "." as separator for std::from_chars, or empty when invalid.
std::string normalisedNumber(std::string_view text, char separator) {
  std::string out;
  std::size_t i = 0;
  auto digitsFrom = [&] {
    const std::size_t begin = i;
    while (i < text.size() && text::chars::isDigit(static_cast<unsigned char>(text[i]))) out.push_back(text[i++]);
    return i - begin;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') out.push_back('-');
    ++i;
  }
  std::size_t mantissaDigits = digitsFrom();
  if (i < text.size() && text[i] == separator) {
    out.push_back('.');
    ++i;
    mantissaDigits += digitsFrom();
  }
  if (mantissaDigits == 0) return {};
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    out.push_back('e');
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out.push_back(text[i++]);
    if (digitsFrom() == 0) return {};
  }
  return i == text.size() ? out : std::string{};
}

}  // namespace

std::optional<int> wholeNumber(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    i = 1;
  }
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (!text::chars::isDigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 2147483647LL) return std::nullopt;
  return static_cast<int>(value);
}

double toFloatLenient(std::string_view text, const dbf::RegionalSettings& settings) {
  std::string work = trimmedControls(text);
  for (char& c : work) {
    if (c == '.' || c == ',') c = settings.decimalSeparator;
  }
  const std::string number = normalisedNumber(work, settings.decimalSeparator);
  if (number.empty()) return 0.0;
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc{} || end != number.data() + number.size()) return 0.0;
  return value;
}

std::string oneDecimalText(double value, const dbf::RegionalSettings& settings) {
  const double scaled = value * 10.0;
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 9e18) {
    char whole[400];
    std::snprintf(whole, sizeof whole, "%.0f", std::isfinite(value) ? value : 0.0);
    return whole;
  }
  // nearbyint rounds halves to even under the default rounding mode.
  const auto tenths = static_cast<long long>(std::nearbyint(scaled));
  const long long magnitude = std::llabs(tenths);
  std::string out = tenths < 0 ? "-" : "";
  out += std::to_string(magnitude / 10);
  if (magnitude % 10 != 0) {
    out.push_back(settings.decimalSeparator);
    out += std::to_string(magnitude % 10);
  }
  return out;
}

}  // namespace kestrin::archive
