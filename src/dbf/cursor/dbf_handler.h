// The table as a cursor steps through it: record acceptance (deleted records,
// the record filter, the filter bits), stepping in physical order, in tag
// order or through the filter bits, and the compile-and-scan of a filter
// expression.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "dbf/cursor/dbf_expr_link.h"
#include "dbf/cursor/filter_narrowing.h"
#include "dbf/cursor/huge_bit_set.h"
#include "dbf/cursor/index_set.h"
#include "dbf/expr/handler.h"
#include "dbf/table/dbf_fields.h"

namespace kestrin::dbf {

class DbfHandler : public DbfFields {
 public:
  explicit DbfHandler(TableSources sources);
  ~DbfHandler() override;

  // The table as expressions see it.
  ExprTableLink& exprLink() { return link_; }

  // Steps to the record `step` leads to, or on from there to the next visible
  // one in that direction (Next for First and Current, Prior for Last), and
  // reads it into the table's record image. Returns false at EOF or BOF (see
  // eofFlag/bofFlag); the image then keeps the last record read.
  bool fetch(Step step);

  // Makes `recno` the record that relative steps start from. With an active
  // tag the tag is put on the record's key (reading the record when the tag
  // is elsewhere); returns false when the tag does not hold the record there.
  bool positionOn(int recno);

  // The index files and the active tag; stepping follows the tag when one is
  // selected, physical order otherwise.
  IndexSet& indexes() { return indexes_; }
  CdxTag* currentTag() const { return indexes_.current(); }

  // Visibility of the current record (the one in the table's record image).
  bool isVisible();

  // The visible records, counted in physical order: through the records in
  // the filter bits while the filter expression is active, otherwise in one
  // block scan of the table.
  int countVisible();
  // The records the last filter scan put into the bits, handed out once: the
  // count that follows a scan then need not read them again. Empty without
  // an active expression, once taken, or when deleted records were let in or
  // out since. The record filter is not asked (the scan does not ask it).
  std::optional<int> takeCountOfScan();

  // Deleted records are visible too while on.
  void setUseDeleted(bool on) {
    if (on != useDeleted_) countOfScan_.reset();
    useDeleted_ = on;
  }
  bool useDeleted() const { return useDeleted_; }
  // The record filter and the filter expression narrow the view only while on.
  void setFiltered(bool on) { filtered_ = on; }
  bool filtered() const { return filtered_; }
  // Consulted for each candidate record, handed the record, while filtered;
  // an empty function accepts every record.
  using RecordFilter = std::function<bool(RecordView)>;
  void setRecordFilter(RecordFilter filter) { recordFilter_ = std::move(filter); }

  // Compiles `text` and scans the table when the text or options differ from
  // the last compilation; an empty text discards the expression. Throws
  // "Filter expression must return boolean result". A filter that only the
  // records of one key range of an open tag can satisfy (filter_narrowing.h)
  // is evaluated on those records alone, with the same resulting bits; a tag
  // found damaged meanwhile is left aside for a scan of every record.
  void compileAndScan(const std::string& text, bool caseInsensitive, bool partialCompare);
  // Scans the compiled filter again over the table as it is now, so that
  // records appended since the last scan are tested too. A failure leaves
  // the earlier bits in force. Nothing without an expression.
  void rescanFilter();
  bool expressionActive() const { return filtered_ && compiled_ != nullptr; }
  const HugeBitSet& filterBits() const { return filterBits_; }
  // How many scans have run; lets callers see that a scan was reused.
  int scanCount() const { return scanCount_; }
  // Whether every record in the filter bits came from a key range of the
  // current tag: the tag then holds each of them once, and the view in tag
  // order has the records of countVisible.
  bool filterBitsFromCurrentTag() const;
  // Whether the last scan read only the records of a tag's key range.
  bool lastScanNarrowed() const { return narrowedBy_.has_value(); }
  // Called on the scanning thread now and then during a filter scan with the
  // records read so far and the records to read; returning false stops the
  // scan with EScanCancelled and leaves the earlier filter, its bits and its
  // view untouched.
  using ScanProgress = std::function<bool(std::int64_t done, std::int64_t total)>;
  void setScanProgress(ScanProgress progress) { scanProgress_ = std::move(progress); }
  // Off, every scan reads every record (for comparisons; on by default).
  void setKeyRangeScans(bool on) { keyRangeScans_ = on; }
  // Threads that evaluate a filter scan of every record: 0 (the default) for
  // one per core, 1 for the scanning thread alone. A table of one chunk or
  // less is scanned by the scanning thread alone.
  void setScanThreads(int threads) { scanThreads_ = threads; }
  // Records per chunk a worker takes at a time, and per read within a chunk;
  // 0 (the default) for sixteen scan blocks and one. Small chunks and reads
  // let tests split small tables.
  void setScanChunkRecords(int records, int readRecords = 0) {
    scanChunkRecords_ = records;
    scanReadRecords_ = readRecords;
  }

 private:
  bool fetchCandidate(Step step);
  bool accepts(RecordView record, int recno) const;
  // Makes each record current in turn, in physical order, where it lies in
  // the scan's block, and calls `visit` for each visible one (deleted
  // records and those the record filter rejects are passed over).
  template <typename Visit>
  void scanVisible(Visit&& visit, int firstRecord = 1);
  // Evaluates `text` over every live record into the filter bits: on worker
  // threads as far as ParallelScan gets, then on this thread.
  void scanAll(const std::string& text, bool caseInsensitive, bool partialCompare, ExprHandler& expression);
  // As scanVisible over the records `nextNumber` names, ascending, until it
  // gives 0; numbers beyond the end of the table end the walk. Reads ahead
  // when `dense` (the records lie close together).
  template <typename NextNumber, typename Visit>
  void scanNumbered(NextNumber&& nextNumber, bool dense, Visit&& visit);
  // Evaluates `expression` over the candidates of a key range into the bits;
  // false, with nothing done, when the range cannot be read or holds too many.
  bool scanKeyRange(const KeyPrefixRange& range, ExprHandler& expression);
  // Asks the progress callback whether to go on; throws EScanCancelled when not.
  void reportScanProgress(std::int64_t done, std::int64_t total) const;
  // The range stepping in `tag` may keep to: the one the filter bits came
  // from, while they are in use and the tag is still open.
  const KeyPrefixRange* stepRange(const CdxTag& tag) const;
  std::uint32_t tagStep(CdxTag& tag, Step step);
  bool isTagCandidate(std::uint32_t recno);
  void countTagEntry(CdxTag& tag, std::uint32_t recno);
  void checkTagWalkComplete(CdxTag& tag);

  DbfExprLink link_;
  IndexSet indexes_{*this, link_};
  std::vector<char> scratchImage_;
  bool useDeleted_ = false;
  bool filtered_ = false;
  RecordFilter recordFilter_;
  std::unique_ptr<ExprHandler> compiled_;
  std::string filterText_;
  bool filterCaseInsensitive_ = false;
  bool filterPartialCompare_ = true;
  bool rescanWanted_ = false;
  HugeBitSet filterBits_;
  int scanCount_ = 0;
  std::optional<int> countOfScan_;
  // Every record in the filter bits has its entry in this range.
  bool keyRangeScans_ = true;
  ScanProgress scanProgress_;
  int scanThreads_ = 0;
  int scanChunkRecords_ = 0;
  int scanReadRecords_ = 0;
  std::optional<KeyPrefixRange> narrowedBy_;
  std::uint64_t narrowedGeneration_ = 0;

  // The walk through the current tag from its first entry, however many
  // batches it takes: the entries met so far and the record of the last one.
  // A tag without a FOR condition holds one entry per record, so a walk that
  // ends with fewer entries than the table has records read a damaged tree.
  struct TagWalk {
    const CdxTag* tag = nullptr;
    std::uint32_t lastRecNo = 0;
    std::int64_t entries = 0;
  };
  TagWalk tagWalk_;
};

}  // namespace kestrin::dbf
