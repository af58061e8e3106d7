#include "dbf/cursor/dbf_handler.h"

#include <algorithm>
#include <limits>
#include <thread>
#include <utility>

#include "dbf/base/errors.h"
#include "dbf/cdx/cdx_corrupted.h"
#include "dbf/cdx/cdx_key_prefix.h"
#include "dbf/cursor/parallel_scan.h"
#include "dbf/expr/flat_condition.h"
#include "dbf/table/table_scan.h"

namespace kestrin::dbf {

namespace {

// The progress callback is asked once per this many records (mask + 1).
constexpr int kProgressStride = 0x3FFF;
// More threads than this gain nothing: the reads of the file set the pace.
constexpr int kMaxScanThreads = 16;
// A worker takes this many reads of a scan block at a time: threads meet at
// the lock once per chunk, and a chunk still ends within a millisecond or two
// so progress and a stop request are seen at once.
constexpr int kScanChunkReads = 16;

bool isForward(Step step) { return step == Step::First || step == Step::Next || step == Step::Current; }

// Read-ahead on or off for one walk; the earlier state comes back afterwards.
class ReadAheadSetting {
 public:
  ReadAheadSetting(DbfTable& table, bool on) : table_(table), had_(table.readAhead()) { table.setReadAhead(on); }
  ~ReadAheadSetting() { table_.setReadAhead(had_); }
  ReadAheadSetting(const ReadAheadSetting&) = delete;
  ReadAheadSetting& operator=(const ReadAheadSetting&) = delete;

 private:
  DbfTable& table_;
  bool had_;
};

// Records that lie on average no further apart than this are read through
// the read-ahead buffer: a system call costs about as much as copying this
// many bytes, so a buffer refill that serves several of them costs less than
// a read for each. Sparser ones are read one by one.
constexpr long long kDenseGapBytes = 8192;

bool liesDense(int lowest, int highest, int count, int recordLength) {
  if (count <= 0) return false;
  const long long span = static_cast<long long>(highest) - lowest + 1;
  return span <= 4LL * count || span * recordLength <= kDenseGapBytes * count;
}

}  // namespace

DbfHandler::DbfHandler(TableSources sources) : DbfFields(std::move(sources)), link_(*this) {}

DbfHandler::~DbfHandler() = default;

bool DbfHandler::accepts(RecordView record, int recno) const {
  if (!useDeleted_ && record.isDeleted()) return false;
  if (filtered_ && recordFilter_ && !recordFilter_(record)) return false;
  if (expressionActive() && !filterBits_.test(recno)) return false;
  return true;
}

bool DbfHandler::isVisible() { return accepts(currentRecord(), currentRecNo()); }

std::uint32_t DbfHandler::tagStep(CdxTag& tag, Step step) {
  // Only a first, or a next from where the walk stopped, carries it on.
  const bool walking = step == Step::First || (step == Step::Next && tagWalk_.tag == &tag && tagWalk_.lastRecNo != 0 &&
                                               tag.recNo() == tagWalk_.lastRecNo);
  if (step == Step::First) tagWalk_ = TagWalk{&tag, 0, 0};
  std::uint32_t n = 0;
  switch (step) {
    case Step::First:
      n = tag.first();
      break;
    case Step::Last:
      n = tag.last();
      break;
    case Step::Next:
      n = tag.next();
      break;
    case Step::Prior:
      n = tag.prior();
      break;
    case Step::Current:
      n = tag.current();
      break;
  }
  if (!walking) return n;
  if (n != 0) {
    countTagEntry(tag, n);
  } else {
    checkTagWalkComplete(tag);
  }
  return n;
}

void DbfHandler::countTagEntry(CdxTag& tag, std::uint32_t recno) {
  if (tagWalk_.tag != &tag) return;
  ++tagWalk_.entries;
  tagWalk_.lastRecNo = recno;
}

void DbfHandler::checkTagWalkComplete(CdxTag& tag) {
  const TagWalk walk = tagWalk_;
  tagWalk_ = TagWalk{};
  if (walk.tag != &tag || !tag.eof() || tag.hasForCondition()) return;
  refreshRecordCount();
  if (walk.entries >= recordCount()) return;
  throwCdxCorrupted(tag.fileName(), "tag " + tag.name() + ": a walk through it meets " + std::to_string(walk.entries) +
                                        " keys, the table has " + std::to_string(recordCount()) + " records");
}

// Entries naming a record beyond the end of the file are passed over: while
// the other program appends, the index may be written before the record.
bool DbfHandler::isTagCandidate(std::uint32_t recno) {
  if (!holdsRecord(static_cast<int>(recno))) return false;
  return !expressionActive() || filterBits_.test(static_cast<int>(recno));
}

bool DbfHandler::positionOn(int recno) {
  positionForStep(recno);
  CdxTag* tag = currentTag();
  if (!tag || recno <= 0) return true;
  if (tag->recNo() == static_cast<std::uint32_t>(recno)) return true;
  scratchImage_.resize(static_cast<std::size_t>(recordLength()) + 1);
  if (!readRecordInto(recno, scratchImage_.data())) return false;
  const std::string key = indexes_.keyOf(*tag, RecordView(scratchImage_.data()));
  return tag->positionOnRecord(key, static_cast<std::uint32_t>(recno)).found;
}

const KeyPrefixRange* DbfHandler::stepRange(const CdxTag& tag) const {
  // The generation first: the range's tag is gone once the files were reopened.
  if (!narrowedBy_ || narrowedGeneration_ != indexes_.generation() || !expressionActive()) return nullptr;
  if (narrowedBy_->tag != &tag || tag.descending()) return nullptr;
  return &*narrowedBy_;
}

bool DbfHandler::filterBitsFromCurrentTag() const {
  if (!narrowedBy_ || narrowedGeneration_ != indexes_.generation() || !expressionActive()) return false;
  return currentTag() != nullptr && narrowedBy_->tag == currentTag();
}

bool DbfHandler::fetchCandidate(Step step) {
  if (CdxTag* tag = currentTag()) {
    const bool forward = isForward(step);
    // Outside the range the bits came from no bit is set: stepping keeps to it.
    const KeyPrefixRange* range = stepRange(*tag);
    const auto move = [&](Step s) { return range ? stepWithinPrefix(*tag, range->prefix, s) : tagStep(*tag, s); };
    std::uint32_t n = move(step);
    while (n != 0 && !isTagCandidate(n)) n = move(forward ? Step::Next : Step::Prior);
    if (n == 0) {
      setFlags(tag->eof() || forward, tag->bof() || !forward);
      return false;
    }
    readRecord(static_cast<int>(n));
    return !eofFlag() && !bofFlag();
  }
  if (!expressionActive()) {
    readRecord(step);
    return !eofFlag() && !bofFlag();
  }
  // Candidates come straight from the filter bits.
  int n = -1;
  switch (step) {
    case Step::First:
      n = filterBits_.nextSet(1);
      break;
    case Step::Last:
      n = filterBits_.highest();  // always a set bit, or -1
      break;
    case Step::Next:
      n = filterBits_.nextSet(currentRecNo() + 1);
      break;
    case Step::Prior:
      n = currentRecNo() > 1 ? filterBits_.priorSet(currentRecNo() - 1) : -1;
      break;
    case Step::Current:
      n = currentRecNo();
      break;
  }
  if (n <= 0) {
    const bool empty = filterBits_.nextSet(1) < 0;
    setFlags(empty || isForward(step), empty || !isForward(step));
    return false;
  }
  readRecord(n);
  return !eofFlag() && !bofFlag();
}

bool DbfHandler::fetch(Step step) {
  const Step onward = isForward(step) ? Step::Next : Step::Prior;
  if (!fetchCandidate(step)) return false;
  while (!isVisible()) {
    if (!fetchCandidate(onward)) return false;
  }
  return true;
}

template <typename Visit>
void DbfHandler::scanVisible(Visit&& visit, int firstRecord) {
  // Memo fields are read through their buffer meanwhile; afterwards the
  // current record is as it was.
  const int remembered = currentRecNo();
  ReadAheadScope readAhead(*this);
  try {
    TableScan scan(*this, TableScan::kBlockSize, firstRecord);
    for (TableScan::Run run = scan.next(); run.count > 0; run = scan.next()) {
      const char* image = run.records;
      for (int n = run.first; n < run.first + run.count; ++n, image += recordLength()) {
        const RecordView record(image);
        link_.setRecord(record);  // what the filter expression reads
        positionForStep(n);
        if (accepts(record, n)) visit(n);
      }
    }
  } catch (...) {
    link_.readCurrentRecord();
    positionForStep(remembered);
    throw;
  }
  link_.readCurrentRecord();
  positionForStep(remembered);
}

template <typename NextNumber, typename Visit>
void DbfHandler::scanNumbered(NextNumber&& nextNumber, bool dense, Visit&& visit) {
  const int remembered = currentRecNo();
  ReadAheadSetting readAhead(*this, dense);
  std::vector<char> image(static_cast<std::size_t>(recordLength()) + 1);
  const auto restore = [&] {
    link_.readCurrentRecord();
    positionForStep(remembered);
  };
  try {
    for (int n = nextNumber(); n > 0; n = nextNumber()) {
      if (!readRecordInto(n, image.data())) break;
      const RecordView record(image.data());
      link_.setRecord(record);
      positionForStep(n);
      if (accepts(record, n)) visit(n);
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
}

int DbfHandler::countVisible() {
  int count = 0;
  if (!expressionActive()) {
    scanVisible([&](int) { ++count; });
    return count;
  }
  // Only records in the bits can be visible; each is tested again, as the
  // record filter or a deletion may have changed since the scan.
  int n = 0;
  const bool dense = liesDense(filterBits_.nextSet(1), filterBits_.highest(), filterBits_.count(), recordLength());
  scanNumbered([&] { return n = std::max(filterBits_.nextSet(n + 1), 0); }, dense, [&](int) { ++count; });
  return count;
}

std::optional<int> DbfHandler::takeCountOfScan() {
  std::optional<int> count = std::exchange(countOfScan_, std::nullopt);
  if (!expressionActive()) return std::nullopt;
  return count;
}

bool DbfHandler::scanKeyRange(const KeyPrefixRange& range, ExprHandler& expression) {
  // Past a quarter of the table, reading the candidates one by one costs
  // more than the block scan of all records.
  const std::size_t limit = std::max<std::size_t>(static_cast<std::size_t>(recordCount()) / 4, 1024);
  std::optional<std::vector<std::uint32_t>> candidates;
  try {
    candidates = cdxRecordsWithPrefix(*range.tag, range.prefix, limit);
  } catch (const ECdxCorrupted&) {
    return false;  // the scan of every record does not depend on the damaged tag
  }
  if (!candidates) return false;
  std::vector<std::uint32_t>& records = *candidates;
  std::sort(records.begin(), records.end());
  records.erase(std::unique(records.begin(), records.end()), records.end());
  // Entries naming no record of the table (0, or beyond any record number)
  // stand for nothing; those past the current end are dropped by the walk.
  std::erase_if(records, [](std::uint32_t r) {
    return r == 0 || r > static_cast<std::uint32_t>(std::numeric_limits<int>::max());
  });
  const bool dense = !records.empty() && liesDense(static_cast<int>(records.front()), static_cast<int>(records.back()),
                                                   static_cast<int>(records.size()), recordLength());
  std::size_t next = 0;
  const auto total = static_cast<std::int64_t>(records.size());
  scanNumbered([&] { return next < records.size() ? static_cast<int>(records[next++]) : 0; }, dense,
               [&](int n) {
                 if ((static_cast<int>(next) & kProgressStride) == 0)
                   reportScanProgress(static_cast<std::int64_t>(next), total);
                 if (expression.evaluate().asBoolean()) filterBits_.set(n);
               });
  return true;
}

void DbfHandler::scanAll(const std::string& text, bool caseInsensitive, bool partialCompare, ExprHandler& expression) {
  const std::int64_t total = recordCount();
  int threads = scanThreads_;
  if (threads <= 0)
    threads = static_cast<int>(std::min<unsigned>(std::thread::hardware_concurrency(), kMaxScanThreads));
  // One worker as well where there is one core: the workers' scan reads in
  // large pieces and passes over records with none of a search's words.
  threads = std::max(threads, 1);
  const int readRecords =
      scanReadRecords_ > 0 ? scanReadRecords_ : std::max(1, static_cast<int>(TableScan::kBlockSize / recordLength()));
  const int chunkRecords = scanChunkRecords_ > 0 ? scanChunkRecords_ : kScanChunkReads * readRecords;
  int done = 0;
  if (recordCount() > chunkRecords) {
    // The record filter is not consulted here (see compileAndScan): the
    // workers need nothing of this table but its bytes and descriptors.
    ParallelScan scan(*this, recordCount(), useDeleted_, {threads, chunkRecords, readRecords});
    int reported = 0;
    done = scan.run(
        [&](ExprTableLink& link) {
          auto copy = std::make_unique<ExprHandler>(&link, tableAlias());
          copy->setCaseInsensitive(caseInsensitive);
          copy->setPartialCompare(partialCompare);
          copy->setExpression(text);
          return copy;
        },
        filterBits_,
        [&](int through) {
          for (int n = (reported | kProgressStride) + 1; n <= through; n += kProgressStride + 1) {
            reportScanProgress(n, total);
          }
          reported = std::max(reported, through);
        });
  }
  // Records appended meanwhile, or a file that came short, are read on here.
  const std::unique_ptr<FlatCondition> flat = FlatCondition::of(expression);
  scanVisible(
      [&](int n) {
        if ((n & kProgressStride) == 0) reportScanProgress(n, total);
        if (flat ? flat->evaluate(link_) : expression.evaluate().asBoolean()) filterBits_.set(n);
      },
      done + 1);
}

void DbfHandler::reportScanProgress(std::int64_t done, std::int64_t total) const {
  if (scanProgress_ && !scanProgress_(done, total)) throw EScanCancelled();
}

void DbfHandler::rescanFilter() {
  if (!compiled_) return;
  rescanWanted_ = true;
  struct Done {
    bool& wanted;
    ~Done() { wanted = false; }
  } done{rescanWanted_};
  const std::string text = filterText_;  // compileAndScan clears it while it scans
  compileAndScan(text, filterCaseInsensitive_, filterPartialCompare_);
}

void DbfHandler::compileAndScan(const std::string& text, bool caseInsensitive, bool partialCompare) {
  if (text.empty()) {
    countOfScan_.reset();
    compiled_.reset();
    filterText_.clear();
    narrowedBy_.reset();
    return;
  }
  if (compiled_ && !rescanWanted_ && text == filterText_ && caseInsensitive == filterCaseInsensitive_ &&
      partialCompare == filterPartialCompare_) {
    return;  // the bits of the earlier scan still hold
  }
  // One handler per table: the table's link, its alias, the filter options.
  auto expression = std::make_unique<ExprHandler>(&link_, tableAlias());
  expression->setCaseInsensitive(caseInsensitive);
  expression->setPartialCompare(partialCompare);
  expression->setExpression(text);
  expression->evaluate();
  if (expression->resultKind() != ExprKind::Boolean) {
    throw EDbfError("Filter expression must return boolean result");
  }

  // A scan that fails or is cancelled leaves the earlier filter in force.
  struct Earlier {
    DbfHandler& self;
    std::unique_ptr<ExprHandler> compiled = std::move(self.compiled_);
    std::string text = std::move(self.filterText_);
    HugeBitSet bits = std::move(self.filterBits_);
    std::optional<KeyPrefixRange> narrowedBy = std::move(self.narrowedBy_);
    bool committed = false;
    ~Earlier() {
      if (committed) return;
      self.compiled_ = std::move(compiled);
      self.filterText_ = std::move(text);
      self.filterBits_ = std::move(bits);
      self.narrowedBy_ = std::move(narrowedBy);
    }
  } earlier{*this};
  compiled_.reset();
  filterText_.clear();
  filterBits_ = HugeBitSet();
  narrowedBy_.reset();
  // The bits hold what the expression accepts. The record filter is asked as
  // records are read: one set or removed later (a date range of a search)
  // must not leave the bits short of records it no longer rejects.
  struct Restore {
    RecordFilter& slot;
    RecordFilter saved;
    ~Restore() { slot = std::move(saved); }
  } restore{recordFilter_, std::exchange(recordFilter_, nullptr)};
  std::optional<KeyPrefixRange> range;
  if (keyRangeScans_) range = findKeyPrefixRange(*expression, indexes_, caseInsensitive, partialCompare);
  if (range && scanKeyRange(*range, *expression)) {
    narrowedBy_ = std::move(range);
    narrowedGeneration_ = indexes_.generation();
  } else {
    scanAll(text, caseInsensitive, partialCompare, *expression);
  }
  earlier.committed = true;
  ++scanCount_;
  countOfScan_ = filterBits_.count();
  compiled_ = std::move(expression);
  filterText_ = text;
  filterCaseInsensitive_ = caseInsensitive;
  filterPartialCompare_ = partialCompare;
}

}  // namespace kestrin::dbf
