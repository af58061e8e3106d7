// Reads the records a grid shows by record number through a second cursor on
// the level's table, so that painting never moves the level cursor (and never
// disturbs the record card or the other observers of the level cursor).
#pragma once

#include "archive/model/archive_tables.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

class RowReader {
 public:
  // The reader gets the same table and declared fields as the level cursor.
  RowReader(const dbf::TableCursor& level, archive::ArchiveCursor which);

  // Opens on the level cursor's folder while the level cursor is open,
  // closes otherwise. Engine errors propagate; the reader is then closed.
  void follow();
  bool active() const { return reader_.active(); }

  // The reader's cursor; the same object for the reader's whole life.
  const dbf::TableCursor& cursor() const { return reader_; }

  // Positions the reader on `recNo`, reading only when the number changed.
  // Requires active().
  void moveTo(int recNo);
  // Forgets the record read last (the table may have changed under it).
  void forget() { currentRecNo_ = 0; }

 private:
  const dbf::TableCursor& level_;
  dbf::TableCursor reader_;
  int currentRecNo_ = 0;
};

}  // namespace kestrin::browse
