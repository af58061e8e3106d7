#include "dbf/table/dbf_date.h"

#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf {
namespace {

int toInt(std::string_view s) {
  int v = 0;
  for (char c : s) v = v * 10 + (c - '0');
  return v;
}

// Parses a date in a d/M/y pattern such as "dd.MM.yyyy": numbers in the order
// of the pattern, separated by the pattern's separator characters.
std::optional<CivilDate> parseWithFormat(std::string_view text, std::string_view format) {
  std::string order;
  for (char c : format) {
    const char u = text::toUpper1251(c);
    if ((u == 'D' || u == 'M' || u == 'Y') && order.find(u) == std::string::npos) order.push_back(u);
  }
  if (order.size() != 3) return std::nullopt;
  int values[3] = {0, 0, 0};
  std::size_t pos = 0;
  for (int i = 0; i < 3; ++i) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
    if (pos == start || pos - start > 4) return std::nullopt;
    values[i] = toInt(text.substr(start, pos - start));
    if (i < 2) {
      if (pos >= text.size() || text[pos] == ' ') return std::nullopt;
      ++pos;  // the separator
    }
  }
  while (pos < text.size() && text[pos] == ' ') ++pos;
  if (pos != text.size()) return std::nullopt;
  CivilDate date;
  for (int i = 0; i < 3; ++i) {
    if (order[i] == 'D') date.day = values[i];
    if (order[i] == 'M') date.month = values[i];
    if (order[i] == 'Y') date.year = values[i] < 100 ? values[i] + (values[i] < 50 ? 2000 : 1900) : values[i];
  }
  return date;
}

}  // namespace

DbfDate::DbfDate(std::string shortDateFormat) : displayFormat_(displayDateFormat(shortDateFormat)) {}

std::optional<int> DbfDate::julianFromText(std::string_view text) const {
  if (text == "00000000") return 0;
  text = text::trimSpacesRight(text);
  if (text.empty()) return 0;
  if (const auto date = civilFromYyyymmdd(text)) return julianFromCivil(*date).value_or(kDelphiEpochJulian);
  const auto parsed = parseWithFormat(text, displayFormat_);
  if (!parsed) return std::nullopt;
  return julianFromCivil(*parsed);
}

std::string DbfDate::textFromJulian(int julian) const {
  if (julian <= 0) return std::string(8, ' ');
  std::string out;
  appendYyyymmdd(out, civilFromJulian(julian));
  return out;
}

std::string DbfDate::displayFromJulian(int julian) const {
  if (julian <= 0) return std::string(displayFormat_.size(), ' ');
  std::string out;
  appendDisplayDate(out, civilFromJulian(julian), displayFormat_);
  return out;
}

const DbfDate& dbfDate() {
  static const DbfDate instance;
  return instance;
}

}  // namespace kestrin::dbf
