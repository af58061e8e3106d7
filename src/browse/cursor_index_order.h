// The index order of a level cursor as title sorting sees it: the list of
// index files and the active tag.
#pragma once

#include <string>
#include <vector>

#include "browse/title_sort.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

class CursorIndexOrder : public IndexOrder {
 public:
  explicit CursorIndexOrder(dbf::TableCursor& cursor) : cursor_(cursor) {}

  bool hasIndexFiles() const override { return !files_.empty(); }
  void clearIndexFiles() override;
  void addIndexFile(const std::string& name) override;
  void setIndexName(const std::string& tag) override;
  int recordCount() override;
  bool indexFileExists(const std::string& name) const override;

  const std::vector<std::string>& indexFiles() const { return files_; }
  const std::string& indexName() const { return tag_; }

 private:
  void apply();

  dbf::TableCursor& cursor_;
  std::vector<std::string> files_;
  std::string tag_;
};

}  // namespace kestrin::browse
