#include "dbf/cursor/field_binding.h"

#include <utility>

namespace kestrin::dbf {

FieldBinding::FieldBinding(const TableCursor& cursor, std::vector<std::string_view> names)
    : cursor_(cursor), names_(std::move(names)), positions_(names_.size(), -1) {}

void FieldBinding::bind() const {
  const auto& fields = cursor_.fields();
  for (std::size_t i = 0; i < names_.size(); ++i) {
    const CursorField* found = cursor_.findField(names_[i]);
    positions_[i] = found ? static_cast<int>(found - fields.data()) : -1;
  }
  boundGeneration_ = cursor_.openGeneration();
}

const CursorField* FieldBinding::field(std::size_t i) const {
  const auto& fields = cursor_.fields();
  if (cursor_.openGeneration() != boundGeneration_) bind();
  const int position = i < positions_.size() ? positions_[i] : -1;
  return position < 0 ? nullptr : &fields[static_cast<std::size_t>(position)];
}

}  // namespace kestrin::dbf
