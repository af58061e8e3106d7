#include "dbf/cursor/dbf_handler.h"

#include <utility>

#include "dbf/base/errors.h"
#include "dbf/cdx/cdx_corrupted.h"
#include "dbf/table/table_scan.h"

namespace kestrin::dbf {
namespace {

bool isForward(Step step) { return step == Step::First || step == Step::Next || step == Step::Current; }

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

bool DbfHandler::fetchCandidate(Step step) {
  if (CdxTag* tag = currentTag()) {
    const bool forward = isForward(step);
    std::uint32_t n = tagStep(*tag, step);
    while (n != 0 && !isTagCandidate(n)) n = tagStep(*tag, forward ? Step::Next : Step::Prior);
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
void DbfHandler::scanVisible(Visit&& visit) {
  // Memo fields are read through their buffer meanwhile; afterwards the
  // current record is as it was.
  const int remembered = currentRecNo();
  ReadAheadScope readAhead(*this);
  try {
    TableScan scan(*this);
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

int DbfHandler::countVisible() {
  int count = 0;
  scanVisible([&](int) { ++count; });
  return count;
}

void DbfHandler::compileAndScan(const std::string& text, bool caseInsensitive, bool partialCompare) {
  if (text.empty()) {
    compiled_.reset();
    filterText_.clear();
    return;
  }
  if (compiled_ && text == filterText_ && caseInsensitive == filterCaseInsensitive_ &&
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

  compiled_.reset();
  filterText_.clear();
  filterBits_.clear();
  scanVisible([&](int n) {
    if (expression->evaluate().asBoolean()) filterBits_.set(n);
  });
  ++scanCount_;
  compiled_ = std::move(expression);
  filterText_ = text;
  filterCaseInsensitive_ = caseInsensitive;
  filterPartialCompare_ = partialCompare;
}

}  // namespace kestrin::dbf
