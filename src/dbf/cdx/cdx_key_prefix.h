// The entries of a character tag whose keys begin with one prefix: in the
// tree's ascending order they stand next to each other, so a seek finds the
// first of them and a short walk the rest. A filter that only keys of such a
// range can satisfy reads its candidates here instead of the whole table.
//
// `prefix` is in the tag's compared form (MACHINE collation: the bytes) and
// not empty. Faults of the file throw ECdxCorrupted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "dbf/cdx/cdx_tag.h"

namespace kestrin::dbf {

// Record numbers of the entries whose keys begin with `prefix`, in ascending
// key order (equal keys by record number), or nullopt as soon as there are
// more than `limit`. Walks a detached copy: `tag` stays where it is. Works on
// descending tags too (the tree is ascending either way).
std::optional<std::vector<std::uint32_t>> cdxRecordsWithPrefix(const CdxTag& tag, std::string_view prefix,
                                                               std::size_t limit);

// Moving `tag` itself, for ascending tags: puts it on the first (last) entry
// of the range and returns its record number; 0 when the range is empty (the
// tag then stands next to where the range would be).
std::uint32_t cdxFirstWithPrefix(CdxTag& tag, std::string_view prefix);
std::uint32_t cdxLastWithPrefix(CdxTag& tag, std::string_view prefix);

// Where the tag's current entry lies: negative below the range, 0 in it,
// positive above it. Requires the tag on an entry.
int cdxPlaceAgainstPrefix(const CdxTag& tag, std::string_view prefix);

}  // namespace kestrin::dbf
