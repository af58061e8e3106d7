#include "browse/tag_records.h"

namespace kestrin::browse {

namespace {

// The cursor's own steps go on from its current record after the pass.
class RestorePosition {
 public:
  explicit RestorePosition(dbf::TableCursor& cursor) : cursor_(cursor) {}
  ~RestorePosition() {
    try {
      cursor_.table().positionOn(cursor_.recNo());
    } catch (...) {
      // The next step of the cursor reads afresh from the root and reports.
    }
  }
  RestorePosition(const RestorePosition&) = delete;
  RestorePosition& operator=(const RestorePosition&) = delete;

 private:
  dbf::TableCursor& cursor_;
};

}  // namespace

std::vector<int> readTagRecords(dbf::TableCursor& cursor) {
  dbf::CdxTag* tag = cursor.table().currentTag();
  std::vector<int> records;
  if (!tag) return records;
  const RestorePosition restore(cursor);
  dbf::DbfHandler& table = cursor.table();
  auto count = static_cast<std::uint32_t>(table.recordCount());
  bool refreshed = false;
  records.reserve(count);
  for (std::uint32_t n = tag->first(); n != 0; n = tag->next()) {
    if (n > count && !refreshed) {
      // Another program may have appended the record since the table was measured.
      table.refreshRecordCount();
      count = static_cast<std::uint32_t>(table.recordCount());
      refreshed = true;
    }
    // An entry for a record the table does not hold would show an empty row.
    if (n <= count) records.push_back(static_cast<int>(n));
  }
  return records;
}

}  // namespace kestrin::browse
