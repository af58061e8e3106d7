#include "archive/model/record_key.h"

#include <cstdio>

#include "archive/format/numbers.h"
#include "dbf/table/dbf_fields.h"

namespace kestrin::archive {

std::string recordKey(long long number) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%7lld", number);
  return buffer;
}

std::optional<int> recordKeyNumber(std::string_view key) { return wholeNumber(dbf::trimLeft(key)); }

}  // namespace kestrin::archive
