#include "dbf/cdx/cdx_keys.h"

#include <charconv>
#include <cstring>

#include "dbf/base/civil_date.h"
#include "dbf/cdx/cdx_general_collation.h"
#include "text/trims.h"

namespace kestrin::dbf {

std::string cdxNumberKeyBytes(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
  bits = (bits & kSign) != 0 ? ~bits : (bits | kSign);
  std::string key(8, '\0');
  for (int i = 0; i < 8; ++i) key[static_cast<std::size_t>(i)] = static_cast<char>(bits >> (56 - 8 * i));
  return key;
}

std::string cdxNumberSearchKey(double value) {
  std::string key = cdxNumberKeyBytes(value);
  while (!key.empty() && key.back() == '\0') key.pop_back();
  return key;
}

std::string cdxTextSearchKey(std::string_view text, bool trim, CdxCollation collation) {
  if (trim) text = text::trimSpacesRight(text);
  if (collation == CdxCollation::General) return generalCollationKey(text);
  return std::string(text);
}

std::string cdxNumberText(double value, char decimalSeparator) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == '.') c = decimalSeparator;
  }
  return text;
}

std::string cdxDateText(std::int32_t julianDay) {
  const CivilDate date = civilFromJulian(julianDay);
  if (date.year < 0 || date.year > 9999) return std::string();
  char buffer[32];
  auto put = [](char* p, int v, int width) {
    for (int k = width - 1; k >= 0; --k, v /= 10) p[k] = static_cast<char>('0' + v % 10);
  };
  put(buffer, date.day, 2);
  buffer[2] = '.';
  put(buffer + 3, date.month, 2);
  buffer[5] = '.';
  put(buffer + 6, date.year, 4);
  return std::string(buffer, 10);
}

int compareCdxKeys(std::string_view search, std::string_view entry, bool partial) {
  if (search.empty()) return entry.empty() ? 0 : -1;
  const std::size_t n = search.size() < entry.size() ? search.size() : entry.size();
  if (n > 0) {
    const int c = std::memcmp(search.data(), entry.data(), n);
    if (c != 0) return c < 0 ? -1 : 1;
  }
  if (search.size() == entry.size()) return 0;
  if (search.size() < entry.size()) return partial ? 0 : -1;
  return 1;
}

}  // namespace kestrin::dbf
