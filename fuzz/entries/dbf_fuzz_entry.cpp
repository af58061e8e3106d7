#include "entries/dbf_fuzz_entry.h"

#include <algorithm>
#include <string>

#include "dbf/base/coding.h"
#include "dbf/base/errors.h"
#include "dbf/cursor/dbf_handler.h"
#include "dbf/table/table_sources.h"

namespace kestrin::fuzz {
namespace {

// Enough to reach every kept input's records without letting a huge claimed
// count turn one input into a long run.
constexpr int kMaxSteps = 10000;

void readEveryField(const dbf::DbfFields& table) {
  const dbf::RecordView record = table.currentRecord();
  for (int n = 1; n <= table.fieldCount(); ++n) {
    try {
      (void)table.fieldAsString(record, n);  // the whole text of a memo field
      (void)table.fieldAsFloat(record, n);
      (void)table.fieldAsLogical(record, n);
      (void)table.fieldAsJulian(record, n);
    } catch (const dbf::EDbfError&) {
      // A damaged value or memo; the other fields may still be read.
    }
  }
}

}  // namespace

bool walkTableImage(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return false;
  const std::size_t tableSize = std::min<std::size_t>(dbf::decodeLE32(data), size - 4);
  const auto* bytes = reinterpret_cast<const char*>(data + 4);
  try {
    dbf::DbfHandler table(dbf::TableSources::inMemory("F.DBF", std::string(bytes, tableSize),
                                                      std::string(bytes + tableSize, size - 4 - tableSize)));
    const int last = std::min(table.recordCount(), kMaxSteps);
    for (int n = 1; n <= last; ++n) {
      table.readRecord(n);
      readEveryField(table);
    }
    for (int n = last; n >= 1; --n) {
      table.readRecord(n);
      readEveryField(table);
    }
    (void)table.countVisible();
    if (table.fieldCount() > 0) {
      try {
        table.compileAndScan(table.fieldDescriptors().front().name + " = \"1\"", true, true);
      } catch (const dbf::EDbfError&) {
        // The name may not be one the expression language can read.
      }
    }
    return true;
  } catch (const dbf::EDbfError&) {
    return false;
  }
}

}  // namespace kestrin::fuzz
