// The layouts of the archive's tables as the demo base writes them: every
// field a cursor of the program declares, with the declared type, in the
// declared order, and the text widths "Архивный Фонд" uses.
#pragma once

#include <vector>

#include "archive/model/archive_tables.h"
#include "dbf/writer/dbf_writer.h"

namespace kestrin::demo {

// The DBF layout of the table behind `which` (for archive::ArchiveCursor::Temp, the
// layout of every keyword table). Small integers are N fields of 4 digits,
// integers N fields of 8, so that the cursor maps them to the declared types.
// Throws std::logic_error when a declared text field has no known width.
std::vector<dbf::FieldSpec> demoFieldSpecs(archive::ArchiveCursor which);

std::vector<dbf::FieldSpec> fondFields();   // FOND.DBF
std::vector<dbf::FieldSpec> opisFields();   // OPIS.DBF
std::vector<dbf::FieldSpec> deloFields();   // DELO.DBF
std::vector<dbf::FieldSpec> documFields();  // DOCUM.DBF

}  // namespace kestrin::demo
