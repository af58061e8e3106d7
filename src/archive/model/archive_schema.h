// Opening an archive table only when it has the fields the program reads.
//
// A table without a declared field, or with one of another type, is not
// opened: the program would otherwise read the wrong bytes or fail on every
// grid cell. The user gets one message that names the table file and every
// field at fault, in the cursor's own words, and the cursor stays closed, as
// if the table were missing.
#pragma once

#include <string>
#include <vector>

#include "archive/model/archive_tables.h"
#include "dbf/base/errors.h"
#include "dbf/table/dbf_header.h"

namespace kestrin::archive {

// "<table path>: Field 'A5' not found; Type mismatch for field 'A4', ..."
class EArchiveSchemaError : public dbf::ECursorError {
 public:
  using dbf::ECursorError::ECursorError;
};

// What is wrong with a table whose descriptors are `descriptors` for the
// cursor `which`: one cursor message per field, in the declared order; empty
// when the table fits.
std::vector<std::string> schemaMismatches(const std::vector<dbf::FieldDescriptor>& descriptors, ArchiveCursor which,
                                          dbf::LargeIntegerAs largeIntegerAs = dbf::LargeIntegerAs::asLargeInt);

// Opens a cursor set up by setUpArchiveCursor once its table has been checked
// against the declared fields. Throws EArchiveSchemaError (cursor left
// closed) for a table that does not fit, and the cursor's and the table's own
// errors for a missing or damaged file.
void openArchiveCursor(dbf::TableCursor& cursor, ArchiveCursor which);

}  // namespace kestrin::archive
