// Where a table's bytes come from: the DBF itself and, opened only when the
// first memo is read, its memo file. On disk both are opened read-only and
// shared; in memory they are images (tests, fuzzing).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "dbf/base/byte_source.h"
#include "dbf/base/memo_kind.h"

namespace kestrin::dbf {

struct TableSources {
  std::unique_ptr<ByteSource> table;
  // Opens the memo file of the kind the header names (never None). Throws
  // EDbfError when there is none ("File %s could not be found").
  std::function<std::unique_ptr<ByteSource>(MemoKind)> openMemo;

  // The table file `fileName` (".DBF" added when it has no extension) and the
  // memo file beside it, both found without regard to letter case. Throws
  // "File %s could not be found" / "Access denied to file %s" for the table.
  static TableSources onDisk(const std::string& fileName);

  // A table image and its memo file's image; `tableName` names both in the
  // messages (the memo with the extension of its kind).
  static TableSources inMemory(const std::string& tableName, std::string table, std::string memo);
};

// The table file alone, opened as TableSources::onDisk opens it.
std::unique_ptr<ByteSource> openTableFile(const std::string& fileName);

}  // namespace kestrin::dbf
