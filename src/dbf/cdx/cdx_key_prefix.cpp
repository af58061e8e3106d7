#include "dbf/cdx/cdx_key_prefix.h"

#include <string>

namespace kestrin::dbf {

std::optional<std::vector<std::uint32_t>> cdxRecordsWithPrefix(const CdxTag& tag, std::string_view prefix,
                                                               std::size_t limit) {
  const std::unique_ptr<CdxTag> walker = tag.detachedCopy();
  // A descending tag steps the ascending tree backwards.
  const auto treeNext = [&] { return walker->descending() ? walker->prior() : walker->next(); };
  std::vector<std::uint32_t> records;
  walker->seek(prefix, CdxMatch::Partial);
  // Walked by position rather than by the numbers returned: an entry naming
  // record 0 (a damaged leaf) must not end the range early.
  for (; !walker->eof() && !walker->bof(); treeNext()) {
    if (cdxPlaceAgainstPrefix(*walker, prefix) != 0) break;
    if (walker->recNo() == 0) continue;
    if (records.size() == limit) return std::nullopt;
    records.push_back(walker->recNo());
  }
  return records;
}

std::uint32_t cdxFirstWithPrefix(CdxTag& tag, std::string_view prefix) { return tag.seek(prefix, CdxMatch::Partial); }

std::uint32_t cdxLastWithPrefix(CdxTag& tag, std::string_view prefix) {
  // The least key above the range: the prefix with its last byte that can grow
  // raised by one; a prefix of 0xFF bytes only reaches to the end of the tag.
  std::string above(prefix);
  while (!above.empty() && static_cast<unsigned char>(above.back()) == 0xFF) above.pop_back();
  std::uint32_t n = 0;
  if (above.empty()) {
    n = tag.last();
  } else {
    above.back() = static_cast<char>(static_cast<unsigned char>(above.back()) + 1);
    tag.seek(above, CdxMatch::Exact);
    n = tag.prior();
  }
  return n != 0 && cdxPlaceAgainstPrefix(tag, prefix) == 0 ? n : 0;
}

int cdxPlaceAgainstPrefix(const CdxTag& tag, std::string_view prefix) {
  return -tag.compareKeys(prefix, tag.currentKey(), true);
}

}  // namespace kestrin::dbf
