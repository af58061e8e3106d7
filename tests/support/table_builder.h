// Builds small DBF tables for the tests with the project's writer.
#pragma once

#include <string>
#include <vector>

#include "dbf/writer/dbf_writer.h"

namespace kestrin::testing {

struct TestRecord {
  std::vector<dbf::FieldValue> values;
  bool deleted = false;
};

// Writes `records` into `path` and returns the path.
std::string writeTable(const std::string& path, const std::vector<dbf::FieldSpec>& fields,
                       const std::vector<TestRecord>& records, dbf::DbfWriterOptions options = {});

// Windows-1251 bytes of a UTF-8 literal.
std::string cp(const char* utf8);

}  // namespace kestrin::testing
