#include "dbf/cursor/table_cursor.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "dbf/base/disk_file.h"
#include "dbf/base/errors.h"
#include "dbf/cursor/table_path.h"
#include "text/cp1251_case.h"

namespace kestrin::dbf {

TableCursor::TableCursor() = default;

TableCursor::~TableCursor() = default;

void TableCursor::requireOpen() const {
  if (!active()) throw ECursorError("Cannot perform this operation on a closed dataset");
}

void TableCursor::requireClosed() const {
  if (active()) throw ECursorError("Cannot perform this operation on an open dataset");
}

void TableCursor::setDatabaseName(const std::string& name) {
  requireClosed();
  databaseName_ = registerDatabaseName(name);
}

void TableCursor::setTableName(const std::string& name) {
  requireClosed();
  tableName_ = name;
}

void TableCursor::setUseDeleted(bool on) {
  useDeleted_ = on;
  if (table_) table_->setUseDeleted(on);
}

void TableCursor::setLargeIntegerAs(LargeIntegerAs as) {
  requireClosed();
  largeIntegerAs_ = as;
}

void TableCursor::declareField(const std::string& name, FieldType type) {
  requireClosed();
  declared_.emplace_back(name, type);
}

std::string TableCursor::tablePath() const { return dbf::tablePath(databaseName_, tableName_); }

DbfHandler& TableCursor::table() {
  requireOpen();
  return *table_;
}

const DbfHandler& TableCursor::table() const {
  requireOpen();
  return *table_;
}

void TableCursor::open() {
  if (active()) return;
  if (tableName_.empty()) throw ECursorError("Table name missing");
  const std::string path = tablePath();
  rejectIfNotRegularFile(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) throw ECursorError("Cannot find file %s", {path});

  table_ = std::make_unique<DbfHandler>(TableSources::onDisk(path));
  ++openGeneration_;
  try {
    table_->setUseDeleted(useDeleted_);
    table_->setRecordFilter([this](RecordView candidate) { return acceptCandidate(candidate); });
    table_->setScanProgress(scanProgress_);
    buildFields();
    currentImage_.assign(static_cast<std::size_t>(table_->recordLength()) + 1, ' ');
    currentImage_.back() = '\0';
    currentRecNo_ = 0;
    // The index files first: a filter scan can then read its candidates
    // from a tag instead of every record.
    openIndexes(false);
    if (!indexName_.empty()) table_->indexes().select(indexName_);
    table_->setFiltered(filtered_);
    if (filtered_) applyFilter();
    syncReadAhead();
  } catch (...) {
    fields_.clear();
    table_.reset();
    throw;
  }
  for (auto* observer : observers_) observer->activeChanged();
  first();
}

void TableCursor::close() {
  if (!active()) return;
  fields_.clear();
  table_.reset();
  ++openGeneration_;
  currentRecNo_ = 0;
  eof_ = bof_ = true;
  for (auto* observer : observers_) observer->activeChanged();
}

void TableCursor::buildFields() {
  fields_.clear();
  const auto& descriptors = table_->fieldDescriptors();
  if (declared_.empty()) {
    for (const auto& d : descriptors) {
      const auto type = cursorFieldType(d, largeIntegerAs_);
      if (type) fields_.emplace_back(*this, d.name, *type, d.number, d.width);
    }
    return;
  }
  for (const auto& [name, type] : declared_) {
    const int number = table_->findField(name);
    const FieldDescriptor* d = table_->descriptor(number);
    const auto actual = d ? cursorFieldType(*d, largeIntegerAs_) : std::nullopt;
    if (!actual) throw ECursorError("Field '%s' not found", {name});
    if (*actual != type) {
      throw ECursorError("Type mismatch for field '%s', expecting: %s actual: %s",
                         {name, fieldTypeName(type), fieldTypeName(*actual)});
    }
    fields_.emplace_back(*this, d->name, type, d->number, d->width);
  }
}

const CursorField* TableCursor::findField(std::string_view name) const {
  for (const auto& field : fields_) {
    if (text::equalsNoCase1251(field.name(), name)) return &field;
  }
  return nullptr;
}

const CursorField& TableCursor::fieldByName(std::string_view name) const {
  const CursorField* field = findField(name);
  if (!field) throw ECursorError("Field '%s' not found", {name});
  return *field;
}

RecordView TableCursor::record() const {
  if (!table_) return {};
  if (candidate_) return candidate_;  // the record being filtered, wherever it lies
  return currentRecNo_ > 0 ? RecordView(currentImage_.data()) : RecordView();
}

bool TableCursor::isDeleted() const {
  requireOpen();
  const RecordView current = record();
  return current && current.isDeleted();
}

bool TableCursor::acceptCandidate(RecordView candidate) {
  if (!onFilterRecord_) return true;
  candidate_ = candidate;
  struct Reset {
    RecordView& record;
    ~Reset() { record = RecordView(); }
  } reset{candidate_};
  return onFilterRecord_(*this);
}

void TableCursor::takeCurrent() {
  std::memcpy(currentImage_.data(), table_->ownRecordBuffer(), static_cast<std::size_t>(table_->recordLength()));
  currentRecNo_ = table_->currentRecNo();
}

void TableCursor::first() {
  requireOpen();
  if (table_->fetch(Step::First)) {
    takeCurrent();
    eof_ = false;
    bof_ = true;
  } else {
    currentRecNo_ = 0;
    eof_ = bof_ = true;
  }
  notifyDataSetChanged();
}

void TableCursor::last() {
  requireOpen();
  if (table_->fetch(Step::Last)) {
    takeCurrent();
    eof_ = true;
    bof_ = false;
  } else {
    currentRecNo_ = 0;
    eof_ = bof_ = true;
  }
  notifyDataSetChanged();
}

void TableCursor::moveTo(Step step) {
  requireOpen();
  if (currentRecNo_ == 0) {
    eof_ = bof_ = true;
    return;
  }
  const bool forward = step == Step::Next;
  if ((forward && eof_ && !bof_) || (!forward && bof_ && !eof_)) return;
  table_->positionOn(currentRecNo_);
  if (table_->fetch(step)) {
    takeCurrent();
    eof_ = bof_ = false;
  } else {
    eof_ = forward;
    bof_ = !forward;
  }
  notifyRecordChanged();
}

void TableCursor::next() { moveTo(Step::Next); }

void TableCursor::prior() { moveTo(Step::Prior); }

int TableCursor::recNo() const {
  requireOpen();
  return currentRecNo_;
}

int TableCursor::recordCount() {
  requireOpen();
  if (!exactCount_) return table_->recordCount();
  // In physical order the view is counted through the filter bits, or in one
  // block scan without a filter expression; in tag order by walking the tag
  // (the tag may leave records out), unless the bits came from the tag. Either
  // way the engine is left where the current record is. The count right after
  // a scan is the scan's, unless a record filter must be asked too; a later
  // one reads the records again, as they may have been deleted meanwhile.
  const std::optional<int> scanned = table_->takeCountOfScan();
  if (!table_->currentTag() || table_->filterBitsFromCurrentTag()) {
    if (scanned && !recordFilterActive()) return *scanned;
    const int count = table_->countVisible();
    table_->positionOn(currentRecNo_);
    return count;
  }
  int count = 0;
  {
    ReadAheadScope readAhead(*table_);
    try {
      for (bool found = table_->fetch(Step::First); found; found = table_->fetch(Step::Next)) ++count;
    } catch (...) {
      table_->positionOn(currentRecNo_);
      throw;
    }
  }
  table_->positionOn(currentRecNo_);
  return count;
}

Bookmark TableCursor::getBookmark() const {
  requireOpen();
  return Bookmark{currentRecNo_};
}

void TableCursor::gotoBookmark(Bookmark bookmark) {
  requireOpen();
  if (bookmark.recNo <= 0) throw ECursorError("Bookmark is invalid for table " + tableName_);
  gotoRecNo(bookmark.recNo);
}

void TableCursor::gotoRecNo(int recno) {
  requireOpen();
  table_->readRecord(recno);
  if (table_->eofFlag() || table_->bofFlag()) {
    throw EDbfError("Record number %d is not in table %s", {std::to_string(recno), table_->fileName()});
  }
  takeFound();
}

void TableCursor::applyFilter() {
  table_->compileAndScan(filterText_, filterOptions_.caseInsensitive, !filterOptions_.noPartialCompare);
}

// Changes a filter setting; while filtered and open the filter is compiled
// and scanned again, and a failure puts the old setting back.
template <typename T>
void TableCursor::changeFilterSetting(T& setting, T value) {
  T previous = std::move(setting);
  setting = std::move(value);
  if (!active() || !filtered_) return;
  try {
    applyFilter();
  } catch (...) {
    setting = std::move(previous);
    throw;
  }
  first();
}

void TableCursor::setFilter(const std::string& text) { changeFilterSetting(filterText_, text); }

void TableCursor::setFilterOptions(FilterOptions options) { changeFilterSetting(filterOptions_, options); }

void TableCursor::setFiltered(bool on) {
  if (!active()) {
    filtered_ = on;
    return;
  }
  if (on != filtered_) {
    filtered_ = on;
    table_->setFiltered(on);
    if (on) {
      try {
        applyFilter();
      } catch (...) {
        filtered_ = false;
        table_->setFiltered(false);
        throw;
      }
    }
  }
  first();
}

void TableCursor::setScanProgress(ScanProgress progress) {
  scanProgress_ = std::move(progress);
  if (table_) table_->setScanProgress(scanProgress_);
}

void TableCursor::setOnFilterRecord(std::function<bool(TableCursor&)> handler) {
  onFilterRecord_ = std::move(handler);
  if (active() && filtered_) first();
}

void TableCursor::openIndexes(bool failOnRepeat) { table_->indexes().open(indexFiles_, failOnRepeat); }

void TableCursor::setIndexFiles(const std::vector<std::string>& names) {
  if (!active()) {
    indexFiles_ = names;
    return;
  }
  const auto previous = indexFiles_;
  indexFiles_ = names;
  try {
    openIndexes(true);
  } catch (...) {
    indexFiles_ = previous;
    openIndexes(false);
    if (!indexName_.empty()) table_->indexes().select(indexName_);
    throw;
  }
  if (indexFiles_.empty()) {
    clearIndexFiles();
    return;
  }
  // The tag of that name is selected again when one of the files has it.
  try {
    table_->indexes().select(indexName_);
  } catch (const EDbfError&) {
    indexName_.clear();
  }
  syncReadAhead();
}

void TableCursor::addIndexFile(const std::string& name) {
  auto names = indexFiles_;
  names.push_back(name);
  setIndexFiles(names);
}

// Physical order chosen while index files are open reads ahead; the order of
// a tag, and a table without index files, read record by record.
void TableCursor::syncReadAhead() { table_->setReadAhead(table_->indexes().hasFiles() && indexName_.empty()); }

void TableCursor::clearIndexFiles() {
  indexFiles_.clear();
  indexName_.clear();
  if (!active()) return;
  table_->indexes().close();
  syncReadAhead();
  table_->positionOn(currentRecNo_);
}

void TableCursor::setIndexName(const std::string& name) {
  if (!active()) {
    indexName_ = name;
    return;
  }
  const int remembered = currentRecNo_;
  table_->indexes().select(name);
  indexName_ = table_->indexes().current() ? name : std::string();
  syncReadAhead();
  if (remembered > 0) {
    bool inView = table_->positionOn(remembered);
    if (inView && table_->expressionActive()) inView = table_->filterBits().test(remembered);
    if (inView) {
      table_->readRecord(remembered);
      takeFound();
      return;
    }
  }
  first();
}

void TableCursor::takeFound() {
  takeCurrent();
  eof_ = bof_ = false;
  notifyDataSetChanged();
}

void TableCursor::enableControls() {
  if (disableCount_ == 0) return;
  if (--disableCount_ == 0) {
    for (auto* observer : observers_) observer->dataSetChanged();
  }
}

void TableCursor::addObserver(CursorObserver* observer) {
  if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) observers_.push_back(observer);
}

void TableCursor::removeObserver(CursorObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void TableCursor::notifyRecordChanged() {
  if (controlsDisabled()) return;
  for (auto* observer : observers_) observer->recordChanged();
}

void TableCursor::notifyDataSetChanged() {
  if (controlsDisabled()) return;
  for (auto* observer : observers_) observer->dataSetChanged();
}

}  // namespace kestrin::dbf
