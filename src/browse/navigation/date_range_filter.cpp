#include "browse/navigation/date_range_filter.h"

#include <memory>
#include <stdexcept>

#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

namespace {

// Days since 30.12.1899; an impossible date counts as that day, like an empty one.
double dayOf(const dbf::CivilDate& date) { return dbf::daysFromCivil(date).value_or(0); }

// The fields the filter reads, found once per opening of the table.
class DateFields {
 public:
  DateFields(const char* first, const char* second) : first_(first), second_(second) {}

  // Days since 30.12.1899 of the candidate's two dates (the same field twice
  // for documents); an empty date is day 0.
  std::pair<double, double> read(const dbf::TableCursor& cursor) {
    if (generation_ != cursor.openGeneration()) {
      firstField_ = &cursor.fieldByName(first_);
      secondField_ = &cursor.fieldByName(second_);
      generation_ = cursor.openGeneration();
    }
    return {firstField_->asDateTime(), secondField_->asDateTime()};
  }

 private:
  const char* first_;
  const char* second_;
  std::uint64_t generation_ = 0;
  const dbf::CursorField* firstField_ = nullptr;
  const dbf::CursorField* secondField_ = nullptr;
};

}  // namespace

void installDateRange(dbf::TableCursor& cursor, archive::Level level, DateRange range) {
  const double from = dayOf(range.from);
  const double to = dayOf(range.to);
  // The callback is copied by the cursor: the field cache lives beside it.
  switch (level) {
    case archive::Level::Files: {  // hdsDeloFilterRecord
      auto fields = std::make_shared<DateFields>("L8", "L9");
      cursor.setOnFilterRecord([fields, from, to](dbf::TableCursor& candidate) {
        const auto [start, end] = fields->read(candidate);
        return start <= to && end >= from;
      });
      return;
    }
    case archive::Level::Documents: {  // hdsDocFilterRecord
      auto fields = std::make_shared<DateFields>("T8", "T8");
      cursor.setOnFilterRecord([fields, from, to](dbf::TableCursor& candidate) {
        const double date = fields->read(candidate).first;
        return date >= from && date <= to;
      });
      return;
    }
    default:
      throw std::invalid_argument("date ranges filter only files and documents");
  }
}

void removeDateRange(dbf::TableCursor& cursor) { cursor.setOnFilterRecord(nullptr); }

}  // namespace kestrin::browse
