#include "archive/model/archive_schema.h"

#include <filesystem>

#include "dbf/table/dbf_fields.h"
#include "dbf/table/dbf_table.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::archive {
namespace {

const dbf::FieldDescriptor* findDescriptor(const std::vector<dbf::FieldDescriptor>& descriptors,
                                           std::string_view name) {
  for (const auto& d : descriptors) {
    if (text::equalsNoCase1251(text::trimSpacesRight(d.name), name)) return &d;
  }
  return nullptr;
}

}  // namespace

std::vector<std::string> schemaMismatches(const std::vector<dbf::FieldDescriptor>& descriptors, ArchiveCursor which,
                                          dbf::LargeIntegerAs largeIntegerAs) {
  std::vector<std::string> problems;
  for (const DeclaredField& field : archiveTable(which).fields) {
    const dbf::FieldDescriptor* d = findDescriptor(descriptors, field.name);
    const auto actual = d ? dbf::cursorFieldType(*d, largeIntegerAs) : std::nullopt;
    if (!actual) {
      problems.push_back(dbf::formatMessage("Field '%s' not found", {field.name}));
    } else if (*actual != field.type) {
      problems.push_back(dbf::formatMessage("Type mismatch for field '%s', expecting: %s actual: %s",
                                            {field.name, dbf::fieldTypeName(field.type), dbf::fieldTypeName(*actual)}));
    }
  }
  return problems;
}

void openArchiveCursor(dbf::TableCursor& cursor, ArchiveCursor which) {
  if (cursor.active()) return;
  const std::string path = cursor.tablePath();
  // A missing file is the cursor's own error ("Cannot find file %s").
  if (std::filesystem::is_regular_file(path)) {
    std::vector<std::string> problems;
    {
      const dbf::DbfTable table(path);
      problems = schemaMismatches(table.fieldDescriptors(), which, cursor.largeIntegerAs());
    }
    if (!problems.empty()) {
      std::string message = path + ": ";
      for (std::size_t i = 0; i < problems.size(); ++i) message += (i ? "; " : "") + problems[i];
      throw EArchiveSchemaError(message);
    }
  }
  cursor.open();
}

}  // namespace kestrin::archive
