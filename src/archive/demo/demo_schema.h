// The layouts of the archive's level tables as the demo base writes them:
// the fields the program reads, with the widths "Архивный Фонд" uses.
#pragma once

#include <vector>

#include "dbf/writer/dbf_writer.h"

namespace kestrin::archive::demo {

std::vector<dbf::FieldSpec> fondFields();   // FOND.DBF
std::vector<dbf::FieldSpec> opisFields();   // OPIS.DBF
std::vector<dbf::FieldSpec> deloFields();   // DELO.DBF
std::vector<dbf::FieldSpec> documFields();  // DOCUM.DBF

}  // namespace kestrin::archive::demo
