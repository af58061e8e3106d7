// Fields of a cursor found by name once and kept while the cursor's open
// generation stays the one they were found in (the cursor rebuilds its field
// list when it opens), so that reading a field for every grid cell costs no
// name look-up.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "dbf/cursor/table_cursor.h"

namespace kestrin::dbf {

class FieldBinding {
 public:
  // `cursor` must outlive this object and may be opened and closed meanwhile;
  // the names must outlive it too.
  FieldBinding(const TableCursor& cursor, std::vector<std::string_view> names);

  // The field named names[i]; nullptr when the cursor has no such field.
  const CursorField* field(std::size_t i) const;

 private:
  void bind() const;

  const TableCursor& cursor_;
  std::vector<std::string_view> names_;
  mutable std::vector<int> positions_;         // in cursor_.fields(); -1 for none
  mutable std::uint64_t boundGeneration_ = 0;  // positions_ are all -1 in generation 0
};

}  // namespace kestrin::dbf
