// The deleted records of a table, read from their deletion marks in one pass
// of large sequential reads: what a grid needs to know its rows in record order
// without walking them.
#pragma once

#include <vector>

#include "dbf/table/dbf_table.h"

namespace kestrin::browse {

struct DeletedRecords {
  int recordCount = 0;       // records the pass read
  std::vector<int> numbers;  // the deleted ones among them, ascending
};

// Reads every record's mark; the table's position is left alone. Throws the
// read error of the file.
DeletedRecords scanDeletedRecords(dbf::DbfTable& table);

}  // namespace kestrin::browse
