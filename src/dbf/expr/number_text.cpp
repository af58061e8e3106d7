#include "dbf/expr/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "text/trims.h"

namespace kestrin::dbf::expr_detail {
namespace {

std::optional<double> fromChars(std::string_view text) {
  double value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || ptr != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

// Digits with optional sign, one point and (when allowed) an exponent.
bool isPlainNumber(std::string_view text, char point, bool allowExponent) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false;
  bool seenPoint = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == point && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  if (!digits) return false;
  if (i == text.size()) return true;
  if (!allowExponent || (text[i] != 'e' && text[i] != 'E')) return false;
  ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

}  // namespace

double roundDecimal(double value, int decimals) {
  if (decimals > 300) return value;
  if (decimals < -300) return 0.0;
  const double scale = std::pow(10.0, decimals);
  const double scaled = value * scale;
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 1e15) return value;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", scaled);
  const double snapped = std::strtod(buf, nullptr);
  return std::round(snapped) / scale;
}

void formatFixed(double value, int decimals, std::string& out) {
  decimals = std::clamp(decimals, 0, 340);
  if (decimals <= 15) value = roundDecimal(value, decimals);
  if (value == 0) value = 0;  // no "-0"
  const int size = std::snprintf(nullptr, 0, "%.*f", decimals, value);
  out.resize(static_cast<std::size_t>(size) + 1);
  std::snprintf(out.data(), out.size(), "%.*f", decimals, value);
  out.resize(static_cast<std::size_t>(size));
}

std::string formatGeneral(double value, char decimalSeparator) {
  if (value == 0) value = 0;
  char buf[64];
  const int n = std::snprintf(buf, sizeof buf, "%.15G", value);
  std::string text(buf, static_cast<std::size_t>(std::max(n, 0)));
  std::replace(text.begin(), text.end(), '.', decimalSeparator);
  return text;
}

std::optional<double> parseNumberLiteral(std::string_view text) {
  if (!isPlainNumber(text, '.', false)) return std::nullopt;
  // "1." and "-.5" are numbers too: give the reader both sides of the point.
  std::string normal;
  if (text[0] == '-' || text[0] == '+') {
    normal += text[0];
    text.remove_prefix(1);
  }
  if (text[0] == '.') normal += '0';
  normal += text;
  if (normal.back() == '.') normal.pop_back();
  return fromChars(normal);
}

std::optional<double> parseLocaleNumber(std::string_view text, char decimalSeparator) {
  text = text::trimControls(text);
  if (!isPlainNumber(text, decimalSeparator, true)) return std::nullopt;
  std::string copy(text);
  std::replace(copy.begin(), copy.end(), decimalSeparator, '.');
  return fromChars(copy);
}

}  // namespace kestrin::dbf::expr_detail
