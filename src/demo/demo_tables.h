// The tables of the demo base while they are written: one DBF (and FPT)
// writer per table, values set by column, records streamed to disk.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "archive/model/archive_tables.h"
#include "dbf/writer/dbf_writer.h"

namespace kestrin::demo {

// A table file of the demo base and the cursor whose fields it carries.
struct DemoTableFile {
  std::string_view file;  // upper case, as such bases spell it: "OPIS2.DBF"
  archive::ArchiveCursor cursor;
};

// Every table of the demo base: the level tables, FOND3, OPIS2, DELO5,
// RUBRIKA2 and the six keyword tables.
std::span<const DemoTableFile> demoTableFiles();

class DemoTable {
 public:
  // Creates `fileName` in `folder` with the layout of `cursor`'s table.
  DemoTable(const std::filesystem::path& folder, std::string_view fileName, archive::ArchiveCursor cursor);

  // The position of a field of the layout; throws std::logic_error for a
  // name the layout does not have.
  std::size_t column(std::string_view name) const;
  // Sets a value of the record being built.
  void set(std::size_t column, dbf::FieldValue value);
  // The number the next record written will have.
  std::uint32_t nextRecNo() const { return static_cast<std::uint32_t>(writer_.recordCount()) + 1; }
  // Writes the record built so far and starts an empty one; returns its number.
  std::uint32_t write(bool deleted = false);
  void finish() { writer_.finish(); }
  std::uint32_t recordCount() const { return static_cast<std::uint32_t>(writer_.recordCount()); }
  std::uint32_t deletedCount() const { return deleted_; }

 private:
  std::vector<dbf::FieldSpec> fields_;
  dbf::DbfWriter writer_;
  std::vector<dbf::FieldValue> values_;
  std::uint32_t deleted_ = 0;
};

}  // namespace kestrin::demo
