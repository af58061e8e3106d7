// The key a drill-down restricts a child list by: the parent record's KOD read
// as a whole number and written right-aligned in 7 characters, as the child
// tables' reference fields hold it.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kestrin::dbf {
class TableCursor;
}

namespace kestrin::browse {

// The parent record has no key to drill down by: its KOD is not a whole
// number, or the list has no current record. what() is a Windows-1251 text
// for the user that names the table, the record and the key text.
class ParentKeyError : public std::runtime_error {
 public:
  explicit ParentKeyError(const std::string& message) : std::runtime_error(message) {}
};

// The key of `parent`'s current record ("     12"). Throws ParentKeyError
// before anything is changed, so a failed drill-down leaves every list as it
// was.
std::string parentKeyOf(const dbf::TableCursor& parent);

// The condition of a child list on its reference field: FOND="     12".
std::string parentRestriction(std::string_view referenceField, std::string_view key);

}  // namespace kestrin::browse
