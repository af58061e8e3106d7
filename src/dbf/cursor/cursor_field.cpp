#include "dbf/cursor/cursor_field.h"

#include <cmath>
#include <cstdio>

#include "dbf/base/errors.h"
#include "dbf/cursor/table_cursor.h"
#include "text/trims.h"

namespace kestrin::dbf {
namespace {

std::string plainNumber(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  std::string text(buffer);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

}  // namespace

CursorField::Source CursorField::source() const {
  const RecordView record = cursor_->record();
  if (!record) return {};
  return {&cursor_->table(), record};
}

bool CursorField::isNull() const {
  const auto [table, record] = source();
  if (!table) return true;
  switch (type_) {
    case FieldType::String:
      if (table->fieldType(fieldNo_) == 'C')
        return text::trimSpacesRight(table->fieldRawText(record, fieldNo_)).empty();
      return table->fieldAsString(record, fieldNo_).empty();
    case FieldType::Date:
      return !asDate().has_value();
    case FieldType::DateTime:
      return asDateTimeMs() == 0;
    case FieldType::Memo:
    case FieldType::Blob:
      try {
        return table->memoBlock(record, fieldNo_) == 0;
      } catch (const EDbfError&) {
        return false;  // a damaged block number is no "no memo": reading it says so
      }
    default:
      return false;
  }
}

std::string CursorField::asString() const {
  const auto [table, record] = source();
  if (!table) return {};
  switch (type_) {
    case FieldType::String:
      return table->fieldAsString(record, fieldNo_);
    case FieldType::Memo:
      return isNull() ? std::string() : table->memoText(record, fieldNo_);
    case FieldType::Blob:
      return isNull() ? std::string() : table->fieldAsString(record, fieldNo_);
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::LargeInt:
      return std::to_string(asInteger());
    case FieldType::Float:
    case FieldType::Currency:
      return plainNumber(asFloat());
    case FieldType::Boolean:
      return asBoolean() ? "True" : "False";
    case FieldType::Date: {
      const auto date = asDate();
      if (!date) return {};
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", date->day, date->month, date->year);
      return buffer;
    }
    case FieldType::DateTime: {
      const double ms = asDateTimeMs();
      if (ms == 0) return {};
      const CivilDate date = civilFromDays(static_cast<long long>(std::floor(asDateTime())));
      const auto msOfDay = static_cast<long long>(std::fmod(ms, kMsPerDay));
      char buffer[48];
      std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d %lld:%02lld:%02lld", date.day, date.month, date.year,
                    msOfDay / kMsPerHour, msOfDay / kMsPerMinute % 60, msOfDay / kMsPerSecond % 60);
      return buffer;
    }
  }
  return {};
}

std::string CursorField::memoText() const {
  if ((type_ != FieldType::Memo && type_ != FieldType::Blob) || isNull()) return {};
  const auto [table, record] = source();
  return table->memoText(record, fieldNo_);
}

std::int64_t CursorField::asInteger() const {
  const auto [table, record] = source();
  if (!table) return 0;
  if (type_ == FieldType::Boolean) return table->fieldAsLogical(record, fieldNo_) ? 1 : 0;
  if (type_ == FieldType::Date) {
    const auto date = asDate();
    return date ? daysFromCivil(*date).value_or(0) : 0;
  }
  const double value = table->fieldAsFloat(record, fieldNo_);
  // Rounded to nearest, halves to even; then the low bytes of the result.
  const double rounded = std::nearbyint(value);
  const auto wide = std::fabs(rounded) < 9.2e18 ? static_cast<std::int64_t>(rounded) : std::int64_t{0};
  switch (type_) {
    case FieldType::SmallInt:
      return static_cast<std::int16_t>(static_cast<std::uint16_t>(wide & 0xFFFF));
    case FieldType::Integer:
      return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide & 0xFFFFFFFF));
    default:
      return wide;
  }
}

double CursorField::asFloat() const {
  const auto [table, record] = source();
  if (!table) return 0;
  if (type_ == FieldType::Date) return asDateTime();
  if (type_ == FieldType::SmallInt || type_ == FieldType::Integer || type_ == FieldType::LargeInt) {
    return static_cast<double>(asInteger());
  }
  return table->fieldAsFloat(record, fieldNo_);
}

bool CursorField::asBoolean() const {
  const auto [table, record] = source();
  return table && table->fieldAsLogical(record, fieldNo_);
}

std::optional<CivilDate> CursorField::asDate() const {
  const auto [table, record] = source();
  if (!table || type_ != FieldType::Date) return std::nullopt;
  const std::string_view digits = text::trimSpacesRight(table->fieldRawText(record, fieldNo_));
  if (digits == "00000000") return std::nullopt;
  const auto date = civilFromYyyymmdd(digits);
  if (!date || !isValidCivil(*date)) return std::nullopt;
  return date;
}

double CursorField::asDateTimeMs() const {
  const auto [table, record] = source();
  if (!table || type_ != FieldType::DateTime) return 0;
  try {
    return table->fieldAsFloat(record, fieldNo_);
  } catch (const EDbfError&) {
    return 0;
  }
}

double CursorField::asDateTime() const {
  if (type_ == FieldType::Date) {
    const auto date = asDate();
    return date ? daysFromCivil(*date).value_or(0) : 0;
  }
  const double ms = asDateTimeMs();
  if (ms == 0) return 0;
  return ms / kMsPerDay - kDayOf18991230FromDayOne;
}

}  // namespace kestrin::dbf
