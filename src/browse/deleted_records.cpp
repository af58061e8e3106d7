#include "browse/deleted_records.h"

#include "dbf/table/table_scan.h"

namespace kestrin::browse {

DeletedRecords scanDeletedRecords(dbf::DbfTable& table) {
  DeletedRecords deleted;
  const auto recordLength = static_cast<std::size_t>(table.recordLength());
  dbf::TableScan scan(table);
  for (dbf::TableScan::Run run = scan.next(); run.count > 0; run = scan.next()) {
    const char* mark = run.records;
    for (int n = run.first; n < run.first + run.count; ++n, mark += recordLength) {
      // As a record image says it: any mark but a blank deletes.
      if (*mark != ' ') deleted.numbers.push_back(n);
    }
    deleted.recordCount = run.first + run.count - 1;
  }
  return deleted;
}

}  // namespace kestrin::browse
