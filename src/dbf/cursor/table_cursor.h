// A table cursor: one open DBF table presented one record at a time, in
// physical order (or the order of an index tag), with deleted records hidden
// and the view narrowed by a per-record callback and a filter expression.
// Every view of the program reads the archive through a cursor.
//
// Opens read-only and shared; "Архивный Фонд" may write the files meanwhile.
#pragma once

#include <array>
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

// The physical record number in decimal, right-aligned in 10 characters, and a NUL.
using Bookmark = std::array<char, 11>;

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
  bool readOnly = true;
  bool exclusive = false;
  bool useDeleted = false;
  bool exactCount = false;
  LargeIntegerAs largeIntegerAs = LargeIntegerAs::asLargeInt;

  // Declares a field before opening; a cursor with declared fields has only
  // those, bound by name at open.
  void declareField(const std::string& name, FieldType type);

  // --- open and close ---
  void open();
  void close();
  bool active() const { return table_ != nullptr; }
  void setActive(bool on) { on ? open() : close(); }
  // The table path the cursor opens (folder + table name).
  std::string tablePath() const;

  // --- stepping ---
  void first();
  void last();
  void next();
  void prior();
  bool eof() const { return eof_; }
  bool bof() const { return bof_; }
  bool isEmpty() const { return active() && currentRecNo_ == 0; }
  // Physical number of the current record.
  int recNo() const;
  // Visible records with exactCount, otherwise the physical count.
  int recordCount();
  // True in physical order without a filter.
  bool isSequenced() const { return !filtered_ && indexName_.empty(); }

  // --- bookmarks ---
  Bookmark getBookmark() const;
  // Reads the record by number, without a visibility test.
  void gotoBookmark(const Bookmark& bookmark);
  void freeBookmark(Bookmark&) {}
  // As gotoBookmark with a plain number.
  void gotoRecNo(int recno);

  // --- fields ---
  const std::vector<CursorField>& fields() const { return fields_; }
  // Finds a field without regard to case; throws "Field '%s' not found".
  const CursorField& fieldByName(std::string_view name) const;
  const CursorField* findField(std::string_view name) const;

  // --- filtering ---
  void setFilter(const std::string& text);
  void setFilterOptions(FilterOptions options);
  void setFiltered(bool on);
  const std::string& filter() const { return filterText_; }
  FilterOptions filterOptions() const { return filterOptions_; }
  bool filtered() const { return filtered_; }
  // Consulted for each candidate record while filtered. Fields read the
  // candidate record while it runs.
  std::function<bool(TableCursor&)> onFilterRecord;
  void setOnFilterRecord(std::function<bool(TableCursor&)> handler);

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

  // --- search ---
  // `keyFields` separated by ";"; one value per field. The first visible
  // record with equal display texts becomes current.
  bool locate(const std::string& keyFields, const std::vector<LocateValue>& values, LocateOptions options);

  // --- observers ---
  void disableControls() { ++disableCount_; }
  void enableControls();
  bool controlsDisabled() const { return disableCount_ > 0; }
  void addObserver(CursorObserver* observer);
  void removeObserver(CursorObserver* observer);

  // --- for the field objects and the layers above ---
  DbfHandler& table();
  const DbfHandler& table() const;
  // The record image field values come from: the candidate while the filter
  // callback runs, otherwise the current record; null when there is none.
  const char* valueImage() const;

 private:
  void buildFields();
  void requireOpen() const;
  void requireClosed() const;
  // Takes the engine's record image as the current record.
  void takeCurrent();
  void moveTo(int code);
  void applyFilter();
  template <typename T>
  void changeFilterSetting(T& setting, T value);
  void notifyRecordChanged();
  void notifyDataSetChanged();
  bool acceptCandidate();
  bool locateByScan(const std::vector<int>& fieldNos, const std::vector<std::string>& keys, LocateOptions options);
  CdxTag* locateTag(const std::vector<int>& fieldNos);
  bool locateByTag(CdxTag& tag, const char* keyImage, LocateOptions options);
  void openIndexes(bool failOnRepeat);
  void syncReadAhead();
  void takeFound();

  std::string databaseName_;
  std::string tableName_;
  std::unique_ptr<DbfHandler> table_;
  std::vector<std::pair<std::string, FieldType>> declared_;
  std::vector<CursorField> fields_;

  std::vector<char> currentImage_;
  int currentRecNo_ = 0;
  bool eof_ = true;
  bool bof_ = true;
  bool inFilterState_ = false;

  std::vector<std::string> indexFiles_;
  std::string indexName_;

  std::string filterText_;
  FilterOptions filterOptions_;
  bool filtered_ = false;

  int disableCount_ = 0;
  std::vector<CursorObserver*> observers_;
};

}  // namespace kestrin::dbf
