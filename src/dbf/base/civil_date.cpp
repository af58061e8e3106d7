#include "dbf/base/civil_date.h"

#include "text/cp1251_case.h"

namespace kestrin::dbf {

std::optional<int> daysFromCivil(const CivilDate& date) {
  if (!isValidCivil(date)) return std::nullopt;
  return static_cast<int>(daysSince18991230(date.year, date.month, date.day));
}

std::optional<int> julianFromCivil(const CivilDate& date) {
  const auto days = daysFromCivil(date);
  if (!days) return std::nullopt;
  return *days + kJulianOf18991230;
}

CivilDate civilFromJulian(int julian) { return civilFromDays(static_cast<std::int64_t>(julian) - kJulianOf18991230); }

std::optional<CivilDate> civilFromYyyymmdd(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  int v[8];
  for (std::size_t i = 0; i < 8; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    v[i] = text[i] - '0';
  }
  return CivilDate{((v[0] * 10 + v[1]) * 10 + v[2]) * 10 + v[3], v[4] * 10 + v[5], v[6] * 10 + v[7]};
}

void appendPaddedNumber(std::string& out, int value, int minWidth) {
  char digits[16];
  int n = 0;
  unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude > 0);
  if (value < 0) {
    out.push_back('-');
    --minWidth;
  }
  for (int k = n; k < minWidth; ++k) out.push_back('0');
  while (n > 0) out.push_back(digits[--n]);
}

void appendYyyymmdd(std::string& out, const CivilDate& date) {
  appendPaddedNumber(out, date.year, 4);
  appendPaddedNumber(out, date.month, 2);
  appendPaddedNumber(out, date.day, 2);
}

std::string displayDateFormat(std::string_view shortDateFormat) {
  std::string format = text::upper1251(shortDateFormat);
  const std::size_t firstY = format.find('Y');
  if (firstY != std::string::npos) {
    while (format.find("YYYY") == std::string::npos) format.insert(firstY, 1, 'Y');
  }
  return format;
}

void appendDisplayDate(std::string& out, const CivilDate& date, std::string_view displayFormat) {
  std::size_t i = 0;
  while (i < displayFormat.size()) {
    const char c = displayFormat[i];
    std::size_t run = 1;
    while (i + run < displayFormat.size() && displayFormat[i + run] == c) ++run;
    if (c == 'D') {
      appendPaddedNumber(out, date.day, run >= 2 ? 2 : 1);
    } else if (c == 'M') {
      appendPaddedNumber(out, date.month, run >= 2 ? 2 : 1);
    } else if (c == 'Y') {
      appendPaddedNumber(out, date.year, 4);
    } else {
      out.append(run, c);
    }
    i += run;
  }
}

}  // namespace kestrin::dbf
