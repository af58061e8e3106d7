#include "browse/row_reader.h"

#include "archive/model/archive_tables.h"

namespace kestrin::browse {

RowReader::RowReader(const dbf::TableCursor& level, archive::ArchiveCursor which) : level_(level) {
  archive::setUpArchiveCursor(reader_, which);
  // Rows are chosen by the level cursor; the reader reads them as they are.
  reader_.setUseDeleted(true);
}

void RowReader::follow() {
  currentRecNo_ = 0;
  if (!level_.active()) {
    reader_.close();
    return;
  }
  if (reader_.active() && reader_.databaseName() == level_.databaseName() &&
      reader_.tableName() == level_.tableName()) {
    return;
  }
  reader_.close();
  reader_.setDatabaseName(level_.databaseName());
  reader_.setTableName(level_.tableName());
  reader_.open();  // the level cursor has checked the table's fields already
}

void RowReader::moveTo(int recNo) {
  if (recNo == currentRecNo_) return;
  currentRecNo_ = 0;
  reader_.gotoRecNo(recNo);
  currentRecNo_ = recNo;
}

}  // namespace kestrin::browse
