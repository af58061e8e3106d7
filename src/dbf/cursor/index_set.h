// The index files a cursor has open, the active tag, and the key of a record
// in a tag's form (the key expression compiled once per tag).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dbf/cdx/cdx_file.h"
#include "dbf/cdx/cdx_tag.h"
#include "dbf/cursor/dbf_expr_link.h"
#include "dbf/expr/handler.h"
#include "dbf/table/dbf_fields.h"

namespace kestrin::dbf {

class IndexSet {
 public:
  IndexSet(DbfFields& table, DbfExprLink& link) : table_(table), link_(link) {}

  // Opens the files named (".ndx" added to a name without extension, a name
  // without folder looked up in the table's folder), replacing those open.
  // A repeated entry is skipped, or fails with "Index file %s already open"
  // when `failOnRepeat`. Only .cdx files can be read.
  void open(const std::vector<std::string>& names, bool failOnRepeat);
  void close();
  bool hasFiles() const { return !files_.empty(); }
  const std::vector<std::unique_ptr<CdxFile>>& files() const { return files_; }

  // Selects the tag of that name (trimmed, without regard to case) from the
  // open files in order; an empty name selects none. Throws
  // "Cannot find index tag %s".
  void select(std::string_view name);
  CdxTag* current() const { return current_; }

  // The key of `record` in `tag`'s form. The link reads `record` meanwhile
  // and the record it read before afterwards.
  std::string keyOf(CdxTag& tag, RecordView record);
  // The key of the fields the key expression of `tag` refers to, in order.
  std::vector<std::string> keyFields(CdxTag& tag);

  // The key expression of `tag`, compiled over the table on first use (which
  // also fixes the tag's key type). Throws the expression's error.
  ExprHandler& keyExpression(CdxTag& tag);

  // Changes whenever the files are closed or reopened: tags of an earlier
  // generation are gone.
  std::uint64_t generation() const { return generation_; }

 private:
  DbfFields& table_;
  DbfExprLink& link_;
  std::vector<std::unique_ptr<CdxFile>> files_;
  CdxTag* current_ = nullptr;
  std::uint64_t generation_ = 0;
  std::map<CdxTag*, std::unique_ptr<ExprHandler>> keys_;
};

}  // namespace kestrin::dbf
