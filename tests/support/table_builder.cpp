#include "support/table_builder.h"

#include "text/cp1251_utf8.h"

namespace kestrin::testing {

std::string writeTable(const std::string& path, const std::vector<dbf::FieldSpec>& fields,
                       const std::vector<TestRecord>& records, dbf::DbfWriterOptions options) {
  dbf::DbfWriter writer(path, fields, options);
  for (const auto& record : records) writer.addRecord(record.values, record.deleted);
  writer.finish();
  return path;
}

std::string cp(const char* utf8) { return text::utf8ToCp1251(utf8); }

}  // namespace kestrin::testing
