// The index order of a level cursor as title sorting sees it: the list of
// index files and the active tag, found in the cursor's base folder.
#pragma once

#include <string>
#include <vector>

#include "archive/model/damaged_indexes.h"
#include "browse/title_sort.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

class CursorIndexOrder : public IndexOrder {
 public:
  // Index files in `damaged` (may be null) count as absent.
  explicit CursorIndexOrder(dbf::TableCursor& cursor, const archive::DamagedIndexes* damaged = nullptr)
      : cursor_(cursor), damaged_(damaged) {}

  bool hasIndexFiles() const override { return !cursor_.indexFiles().empty(); }
  void clearIndexFiles() override;
  void addIndexFile(const std::string& name) override;
  void setIndexName(const std::string& tag) override;
  int recordCount() override;
  bool indexFileExists(const std::string& name) const override;

  // The index file called `name` in the cursor's folder, as spelled on disk.
  std::string indexFilePath(const std::string& name) const;

 private:
  dbf::TableCursor& cursor_;
  const archive::DamagedIndexes* damaged_;
};

}  // namespace kestrin::browse
