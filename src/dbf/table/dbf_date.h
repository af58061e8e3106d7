// Julian day numbers as the engine uses them: days since 1899-12-30 plus
// 2415019, so 1980-01-01 is 2444240. Dates are stored in tables as YYYYMMDD.
// The calendar itself is in dbf/base/civil_date.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dbf/base/civil_date.h"

namespace kestrin::dbf {

class DbfDate {
 public:
  static constexpr int kDelphiEpochJulian = kJulianOf18991230;  // 1899-12-30

  // `shortDateFormat` uses d, M and y as the user's regional settings do.
  explicit DbfDate(std::string shortDateFormat = "dd.MM.yyyy");

  // 0 for an empty text or "00000000"; an impossible YYYYMMDD date counts as
  // 1899-12-30. Other texts go through the short date format; nullopt when
  // that fails too (the caller reports it).
  std::optional<int> julianFromText(std::string_view text) const;

  // "yyyymmdd", or 8 blanks when j <= 0.
  std::string textFromJulian(int julian) const;

  // The date in the short date format, upper-cased, year widened to four
  // digits; j <= 0 gives as many blanks as the format has characters.
  std::string displayFromJulian(int julian) const;

  const std::string& displayFormat() const { return displayFormat_; }

 private:
  std::string displayFormat_;  // e.g. "DD.MM.YYYY"
};

// The engine's shared instance, with the Russian defaults.
const DbfDate& dbfDate();

}  // namespace kestrin::dbf
