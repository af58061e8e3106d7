#include "browse/export/list_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include "browse/export/list_rows.h"
#include "dbf/base/errors.h"

namespace kestrin::browse {

namespace {

constexpr std::int64_t kProgressEvery = 4096;
constexpr std::size_t kChunkBytes = 1 << 16;

// Enables the cursor's observers and puts it on its first record however the
// walk ends.
class WalkScope {
 public:
  explicit WalkScope(dbf::TableCursor& cursor) : cursor_(cursor) { cursor_.disableControls(); }
  ~WalkScope() {
    try {
      cursor_.first();
    } catch (const std::exception&) {
      // The record the walk stopped on stays current; the save's own error is told.
    }
    cursor_.enableControls();
  }
  WalkScope(const WalkScope&) = delete;
  WalkScope& operator=(const WalkScope&) = delete;

 private:
  dbf::TableCursor& cursor_;
};

std::string systemReason() { return errno != 0 ? std::strerror(errno) : "unknown error"; }

void flushChunk(std::string& chunk, std::ostream& out) {
  out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
  if (!out) throw ListSaveError(ListSaveError::Kind::write, "Cannot write the list: " + systemReason());
  chunk.clear();
}

}  // namespace

void writeList(const ListSource& source, ListFormat format, std::ostream& out, const ListProgress& progress) {
  dbf::TableCursor& cursor = source.cursor;
  const std::int64_t total = cursor.active() ? cursor.recordCount() : 0;
  const ListRows rows(source.level, cursor, source.places);
  std::string chunk(listPreamble(format));
  chunk += listLine(format, listHeader(source.level));
  if (!cursor.active()) {
    flushChunk(chunk, out);
    return;
  }
  WalkScope scope(cursor);
  std::int64_t done = 0;
  cursor.first();
  while (!cursor.eof()) {
    try {
      chunk += listLine(format, rows.row());
    } catch (const dbf::EDbfError& error) {
      throw ListSaveError(
          ListSaveError::Kind::read,
          std::string(error.what()) + " (record " + std::to_string(cursor.recNo()) + " of " + cursor.tablePath() + ")");
    }
    if (chunk.size() >= kChunkBytes) flushChunk(chunk, out);
    ++done;
    if (progress && done % kProgressEvery == 0 && !progress(done, std::max(total, done))) throw ListSaveCancelled();
    cursor.next();
  }
  flushChunk(chunk, out);
  if (progress && !progress(done, std::max(total, done))) throw ListSaveCancelled();
}

std::filesystem::path partialListPath(const std::filesystem::path& target) {
  std::filesystem::path partial = target;
  partial += ".part";
  return partial;
}

void saveList(const ListSource& source, ListFormat format, const std::filesystem::path& target,
              const ListProgress& progress) {
  const std::filesystem::path partial = partialListPath(target);
  const std::string name(reinterpret_cast<const char*>(target.u8string().c_str()));
  errno = 0;
  std::ofstream out(partial, std::ios::binary | std::ios::trunc);
  if (!out) throw ListSaveError(ListSaveError::Kind::create, "Cannot create file " + name + ": " + systemReason());
  try {
    writeList(source, format, out, progress);
    errno = 0;
    out.close();
    if (out.fail()) throw ListSaveError(ListSaveError::Kind::write, "Cannot write the list: " + systemReason());
    std::error_code renamed;
    std::filesystem::rename(partial, target, renamed);
    if (renamed) {
      throw ListSaveError(ListSaveError::Kind::create, "Cannot create file " + name + ": " + renamed.message());
    }
  } catch (const ListSaveError& error) {
    out.close();
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    if (error.kind() == ListSaveError::Kind::write) {
      throw ListSaveError(error.kind(), std::string(error.what()) + " (file " + name + ")");
    }
    throw;
  } catch (...) {
    out.close();
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    throw;
  }
}

}  // namespace kestrin::browse
