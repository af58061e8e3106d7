#include "archive/model/record_key.h"

#include <cstdio>

#include "archive/format/numbers.h"
#include "text/trims.h"

namespace kestrin::archive {

std::string recordKey(long long number) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%7lld", number);
  return buffer;
}

std::optional<int> recordKeyNumber(std::string_view key) { return wholeNumber(text::trimSpacesLeft(key)); }

}  // namespace kestrin::archive
