#include "dbf/cursor/field_type.h"

namespace kestrin::dbf {

std::string_view fieldTypeName(FieldType type) {
  switch (type) {
    case FieldType::String:
      return "String";
    case FieldType::SmallInt:
      return "SmallInt";
    case FieldType::Integer:
      return "Integer";
    case FieldType::LargeInt:
      return "LargeInt";
    case FieldType::Float:
      return "Float";
    case FieldType::Currency:
      return "Currency";
    case FieldType::Boolean:
      return "Boolean";
    case FieldType::Date:
      return "Date";
    case FieldType::DateTime:
      return "DateTime";
    case FieldType::Memo:
      return "Memo";
    case FieldType::Blob:
      return "Blob";
  }
  return "Unknown";
}

std::optional<FieldType> cursorFieldType(const FieldDescriptor& field, LargeIntegerAs largeIntegerAs) {
  switch (field.type) {
    case 'C':
      return FieldType::String;
    case 'D':
      return FieldType::Date;
    case 'N':
    case 'F':
      if (field.decimals > 0) return FieldType::Float;
      if (field.width < 5) return FieldType::SmallInt;
      if (field.width < 10) return FieldType::Integer;
      switch (largeIntegerAs) {
        case LargeIntegerAs::asInteger:
          return FieldType::Integer;
        case LargeIntegerAs::asFloat:
          return FieldType::Float;
        case LargeIntegerAs::asLargeInt:
          return FieldType::LargeInt;
      }
      return FieldType::LargeInt;
    case 'I':
      return FieldType::Integer;
    case 'L':
      return FieldType::Boolean;
    case 'M':
      return FieldType::Memo;
    case 'B':
    case 'G':
      return FieldType::Blob;
    case 'T':
      return FieldType::DateTime;
    case 'Y':
      return FieldType::Currency;
    default:
      return std::nullopt;
  }
}

}  // namespace kestrin::dbf
