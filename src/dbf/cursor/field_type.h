// Cursor field types and the mapping of DBF field types onto them.
#pragma once

#include <optional>
#include <string_view>

#include "dbf/table/dbf_header.h"

namespace kestrin::dbf {

enum class FieldType { String, SmallInt, Integer, LargeInt, Float, Currency, Boolean, Date, DateTime, Memo, Blob };

// How N fields of ten or more digits without decimals are delivered.
enum class LargeIntegerAs { asInteger, asLargeInt, asFloat };

// The name used in messages ("String", "SmallInt", ...).
std::string_view fieldTypeName(FieldType type);

// The cursor type of a DBF field; nullopt for a type letter without one.
std::optional<FieldType> cursorFieldType(const FieldDescriptor& field, LargeIntegerAs largeIntegerAs);

}  // namespace kestrin::dbf
