#include "entries/dbf_fuzz_entry.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "dbf/base/coding.h"
#include "dbf/base/errors.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::fuzz {
namespace {

const std::string& scratchFolder() {
  static const std::string folder = [] {
    const auto path = std::filesystem::temp_directory_path() / ("kestrin-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path.string();
  }();
  return folder;
}

void writeBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void readEveryField(dbf::TableCursor& cursor) {
  for (const auto& field : cursor.fields()) {
    try {
      (void)field.isNull();
      (void)field.asString();
      (void)field.asFloat();
      (void)field.asDate();
    } catch (const dbf::EDbfError&) {
    }
  }
}

}  // namespace

void walkTableFromBytes(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return;
  const std::size_t tableSize = std::min<std::size_t>(dbf::decodeLE32(data), size - 4);
  writeBytes(scratchFolder() + "/F.DBF", data + 4, tableSize);
  writeBytes(scratchFolder() + "/F.FPT", data + 4 + tableSize, size - 4 - tableSize);
  try {
    dbf::TableCursor cursor;
    cursor.setDatabaseName(scratchFolder());
    cursor.setTableName("F.DBF");
    cursor.setUseDeleted(true);
    cursor.setExactCount(true);
    cursor.open();
    int steps = 0;
    for (cursor.first(); !cursor.eof() && steps < 10000; cursor.next(), ++steps) readEveryField(cursor);
    for (cursor.last(); !cursor.bof() && steps < 20000; cursor.prior(), ++steps) readEveryField(cursor);
    (void)cursor.recordCount();
    if (!cursor.fields().empty()) {
      (void)cursor.locate(cursor.fields()[0].name(), {std::string("1")}, {true, true});
    }
  } catch (const dbf::EDbfError&) {
  } catch (const dbf::ECursorError&) {
  }
}

}  // namespace kestrin::fuzz
