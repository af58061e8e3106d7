// Saving a level's list: the header line, then one line per record of the
// level cursor as it is filtered and ordered now. Afterwards the cursor
// stands on its first record, as the list shows after saving.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <stdexcept>

#include "archive/columns/level_columns.h"
#include "browse/export/list_format.h"

namespace kestrin::browse {

// Told every few thousand lines: lines written so far and the lines of the
// list; returning false stops the save.
using ListProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

class ListSaveError : public std::runtime_error {
 public:
  enum class Kind { create, write, read };
  ListSaveError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

// The progress callback said stop.
class ListSaveCancelled : public std::runtime_error {
 public:
  ListSaveCancelled() : std::runtime_error("Saving the list was cancelled") {}
};

struct ListSource {
  archive::Level level;
  dbf::TableCursor& cursor;                  // the level cursor, open
  archive::StoragePlaces* places = nullptr;  // may be null
};

// Writes the list to `out`. Throws ListSaveCancelled when `progress` says
// stop, ListSaveError (read) when a record cannot be read, (write) when the
// stream fails.
void writeList(const ListSource& source, ListFormat format, std::ostream& out, const ListProgress& progress = {});

// Writes the list to a temporary file beside `target` and puts it in the
// target's place at the end, so that a save that fails or is stopped leaves
// neither a partial file nor a damaged earlier one; the temporary file is
// removed then. Throws as writeList, and ListSaveError (create) when the file
// cannot be made; each message names the file and the system's reason.
void saveList(const ListSource& source, ListFormat format, const std::filesystem::path& target,
              const ListProgress& progress = {});

// The temporary file saveList writes before it renames it to `target`.
std::filesystem::path partialListPath(const std::filesystem::path& target);

}  // namespace kestrin::browse
