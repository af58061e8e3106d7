// A table cursor: one open DBF table presented one record at a time, in
// physical order (or the order of an index tag), with deleted records hidden
// and the view narrowed by a record filter and a filter expression. Every view
// of the program reads the archive through a cursor.
//
// Opens read-only and shared; "Архивный Фонд" may write the files meanwhile.
//
// Open and closed: the calls under "set while closed" throw ECursorError
// "Cannot perform this operation on an open dataset" on an open cursor; every
// call that reads or moves (stepping, recNo, recordCount, bookmarks, locate,
// isDeleted, table) throws "Cannot perform this operation on a closed dataset"
// on a closed one. Filter and index settings may be made either way; while
// closed they are kept and take effect at the next open.
//
// The current record: the cursor keeps its own copy of it, so the table may be
// walked meanwhile (counting, locating, a grid's batch walk) without moving
// it. The current record changes only by the steps below; each step reports
// to the observers unless controls are disabled.
//
// bof() and eof() after each call:
//   open, first     on the first visible record: eof false, bof true;
//   last            on the last visible record: eof true, bof false;
//   next, prior     on the record reached: both false. Running off the end
//                   (next) sets eof and clears bof, off the beginning (prior)
//                   sets bof and clears eof; the current record stays. A next
//                   with eof and not bof, or a prior with bof and not eof,
//                   does nothing.
//   gotoRecNo, gotoBookmark, a locate that finds, setIndexName that keeps the
//                   record: on that record, both false;
//   a locate that finds nothing: nothing changes;
//   setFilter, setFilterOptions, setFiltered, setOnFilterRecord while
//                   filtered, setIndexName that loses the record: as first.
// Whenever the view holds no visible record (and while closed) both are true,
// isEmpty() is true (when open) and recNo() is 0.
//
// Not thread-safe.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "dbf/cursor/cursor_field.h"
#include "dbf/cursor/cursor_observer.h"
#include "dbf/cursor/dbf_handler.h"
#include "dbf/cursor/field_type.h"

namespace kestrin::dbf {

struct FilterOptions {
  bool caseInsensitive = false;
  bool noPartialCompare = false;
  bool operator==(const FilterOptions&) const = default;
};

struct LocateOptions {
  bool caseInsensitive = false;  // loCaseInsensitive
  bool partialKey = false;       // loPartialKey
};

// A value given to Locate: text, a number, a logical or a date.
using LocateValue = std::variant<std::string, double, bool, CivilDate>;

// A record the cursor can return to: its physical record number.
struct Bookmark {
  int recNo = 0;
  bool operator==(const Bookmark&) const = default;
};

class TableCursor {
 public:
  TableCursor();
  ~TableCursor();
  TableCursor(const TableCursor&) = delete;
  TableCursor& operator=(const TableCursor&) = delete;

  // --- set while closed ---
  void setDatabaseName(const std::string& name);
  void setTableName(const std::string& name);
  const std::string& databaseName() const { return databaseName_; }
  const std::string& tableName() const { return tableName_; }
  // How N fields of ten or more digits without decimals are typed.
  void setLargeIntegerAs(LargeIntegerAs as);
  LargeIntegerAs largeIntegerAs() const { return largeIntegerAs_; }

  // Declares a field before opening; a cursor with declared fields has only
  // those, bound by name at open.
  void declareField(const std::string& name, FieldType type);

  // --- open and close ---
  // Opens the table, its index files and the selected tag, applies the filter
  // when filtered, and moves to first. Does nothing when open already. Throws
  // the engine's errors and "Table name missing", "Cannot find file %s",
  // "Field '%s' not found", "Type mismatch for field ..."; the cursor then
  // stays closed.
  void open();
  void close();
  bool active() const { return table_ != nullptr; }
  // Changes at every open and close, even of the same table: a cache of
  // anything derived from the table's layout or from fields() (field
  // positions, descriptors) holds while the generation it was built in is
  // current. A reopen may reuse the addresses of the old fields, so they are
  // no key. 0 before the first open.
  std::uint64_t openGeneration() const { return openGeneration_; }
  // The table path the cursor opens (folder + table name).
  std::string tablePath() const;

  // --- stepping (require open; see bof/eof above) ---
  void first();
  void last();
  void next();
  void prior();
  bool eof() const { return eof_; }
  bool bof() const { return bof_; }
  bool isEmpty() const { return active() && currentRecNo_ == 0; }
  // Physical number of the current record; 0 when there is none.
  int recNo() const;
  // Visible records with exactCount, otherwise the physical count. Counting
  // walks the view but leaves the current record where it is.
  int recordCount();
  void setExactCount(bool on) { exactCount_ = on; }
  bool exactCount() const { return exactCount_; }
  // Deleted records are visible too. May be set either way; while open it
  // holds from the next step on.
  void setUseDeleted(bool on);
  bool useDeleted() const { return useDeleted_; }

  // The deletion mark of the current record; false when there is none.
  bool isDeleted() const;

  // --- bookmarks (require open) ---
  Bookmark getBookmark() const;
  // Makes the bookmarked record current, without a visibility test. Throws
  // "Bookmark is invalid for table %s" for a bookmark of no record.
  void gotoBookmark(Bookmark bookmark);
  // As gotoBookmark with a plain number; throws "Record number %d is not in
  // table %s" when the table has no such record.
  void gotoRecNo(int recno);

  // --- fields ---
  // Rebuilt at every open and emptied at close: the vector and references to
  // its fields stay valid until then.
  const std::vector<CursorField>& fields() const { return fields_; }
  // Finds a field without regard to case; throws "Field '%s' not found".
  const CursorField& fieldByName(std::string_view name) const;
  const CursorField* findField(std::string_view name) const;

  // --- filtering ---
  // Changing the filter text or options while open and filtered compiles and
  // scans at once; a failure (the expression's error, "Filter expression must
  // return boolean result") leaves the setting as it was.
  void setFilter(const std::string& text);
  void setFilterOptions(FilterOptions options);
  void setFiltered(bool on);
  const std::string& filter() const { return filterText_; }
  FilterOptions filterOptions() const { return filterOptions_; }
  bool filtered() const { return filtered_; }
  // The record filter, consulted for each candidate record while filtered.
  // While it runs, the fields (and record()) read the candidate record; it
  // must not move or reopen the cursor.
  void setOnFilterRecord(std::function<bool(TableCursor&)> handler);
  // True while a record filter narrows the view: one is set and the cursor is
  // filtered.
  bool recordFilterActive() const { return filtered_ && onFilterRecord_ != nullptr; }

  // Asked now and then while a filter scan runs, on the thread that set the
  // filter: records read so far and records to read. Returning false stops
  // the scan; the call that started it throws EScanCancelled and the filter
  // setting, its scan and the view stay as they were. Kept across opens.
  using ScanProgress = std::function<bool(std::int64_t done, std::int64_t total)>;
  void setScanProgress(ScanProgress progress);

  // --- index files and tags ---
  // IndexFiles := names. While open, the files are reopened at once.
  void setIndexFiles(const std::vector<std::string>& names);
  void addIndexFile(const std::string& name);
  // Closes every index file and returns to physical order on the same record.
  void clearIndexFiles();
  const std::vector<std::string>& indexFiles() const { return indexFiles_; }
  // Selects a tag of the open index files ("" = physical order). The current
  // record stays when the new order holds it; otherwise the cursor moves to
  // First. Throws "Cannot find index tag %s".
  void setIndexName(const std::string& name);
  const std::string& indexName() const { return indexName_; }

  // --- search (requires open) ---
  // `keyFields` separated by ";"; one value per field. The first visible
  // record with equal display texts becomes current.
  bool locate(const std::string& keyFields, const std::vector<LocateValue>& values, LocateOptions options);

  // --- observers ---
  void disableControls() { ++disableCount_; }
  void enableControls();
  bool controlsDisabled() const { return disableCount_ > 0; }
  // The observer must stay alive until it is removed or the cursor is gone.
  void addObserver(CursorObserver* observer);
  void removeObserver(CursorObserver* observer);

  // --- for the field objects and the layers above (require open) ---
  DbfHandler& table();
  const DbfHandler& table() const;
  // The record the fields read: the candidate while the record filter runs,
  // otherwise the current record; an empty view when there is none (and
  // while closed). The current record's view stays valid until the next
  // step, reopen or close of the cursor.
  RecordView record() const;

 private:
  void buildFields();
  void requireOpen() const;
  void requireClosed() const;
  // Takes the engine's record image as the current record.
  void takeCurrent();
  void moveTo(Step step);
  void applyFilter();
  template <typename T>
  void changeFilterSetting(T& setting, T value);
  void notifyRecordChanged();
  void notifyDataSetChanged();
  bool acceptCandidate(RecordView candidate);
  bool locateByScan(const std::vector<int>& fieldNos, const std::vector<std::string>& keys, LocateOptions options);
  CdxTag* locateTag(const std::vector<int>& fieldNos);
  bool locateByTag(CdxTag& tag, RecordView keyRecord, LocateOptions options);
  void openIndexes(bool failOnRepeat);
  void syncReadAhead();
  void takeFound();

  std::string databaseName_;
  std::string tableName_;
  bool useDeleted_ = false;
  bool exactCount_ = false;
  LargeIntegerAs largeIntegerAs_ = LargeIntegerAs::asLargeInt;
  std::unique_ptr<DbfHandler> table_;
  std::uint64_t openGeneration_ = 0;
  std::vector<std::pair<std::string, FieldType>> declared_;
  std::vector<CursorField> fields_;

  std::vector<char> currentImage_;
  int currentRecNo_ = 0;
  bool eof_ = true;
  bool bof_ = true;
  // The record the filter callback is deciding on, while it runs.
  RecordView candidate_;

  std::vector<std::string> indexFiles_;
  std::string indexName_;

  std::string filterText_;
  FilterOptions filterOptions_;
  bool filtered_ = false;
  std::function<bool(TableCursor&)> onFilterRecord_;
  ScanProgress scanProgress_;

  int disableCount_ = 0;
  std::vector<CursorObserver*> observers_;
};

}  // namespace kestrin::dbf
