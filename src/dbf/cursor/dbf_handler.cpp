#include "dbf/cursor/dbf_handler.h"

#include <utility>

#include "dbf/base/errors.h"
#include "dbf/table/table_scan.h"

namespace kestrin::dbf {
namespace {

bool isForward(int code) { return code == rnFirst || code == rnNext || code == rnCurrent; }

}  // namespace

DbfHandler::DbfHandler(TableSources sources) : DbfFields(std::move(sources)), link_(*this) {}

DbfHandler::~DbfHandler() = default;

bool DbfHandler::isVisible() {
  if (!useDeleted && isDeleted()) return false;
  if (filterOn && recordAcceptor && !recordAcceptor()) return false;
  if (expressionActive() && !filterBits_.test(currentRecNo())) return false;
  return true;
}

std::uint32_t DbfHandler::tagStep(CdxTag& tag, int code) {
  switch (code) {
    case rnFirst:
      return tag.first();
    case rnLast:
      return tag.last();
    case rnNext:
      return tag.next();
    case rnPrior:
      return tag.prior();
    default:
      return tag.current();
  }
}

bool DbfHandler::positionOn(int recno) {
  positionForStep(recno);
  CdxTag* tag = currentTag();
  if (!tag || recno <= 0) return true;
  if (tag->recNo() == static_cast<std::uint32_t>(recno)) return true;
  scratchImage_.resize(static_cast<std::size_t>(recordLength()) + 1);
  if (!readRecordInto(recno, scratchImage_.data())) return false;
  std::string key;
  {
    ActiveRecordScope scope(*this, scratchImage_.data());
    key = indexes_.keyOfActiveRecord(*tag);
  }
  return tag->positionOnRecord(key, static_cast<std::uint32_t>(recno)).found;
}

bool DbfHandler::fetchCandidate(int code) {
  if (CdxTag* tag = currentTag()) {
    const bool forward = isForward(code);
    std::uint32_t n = tagStep(*tag, code);
    while (n != 0 && expressionActive() && !filterBits_.test(static_cast<int>(n))) {
      n = forward ? tag->next() : tag->prior();
    }
    if (n == 0) {
      setFlags(tag->eof() || forward, tag->bof() || !forward);
      return false;
    }
    readRecord(static_cast<int>(n));
    return !eofFlag() && !bofFlag();
  }
  if (!expressionActive()) {
    readRecord(code);
    return !eofFlag() && !bofFlag();
  }
  // Candidates come straight from the filter bits.
  int n = -1;
  switch (code) {
    case rnFirst:
      n = filterBits_.nextSet(1);
      break;
    case rnLast:
      n = filterBits_.highest();  // always a set bit, or -1
      break;
    case rnNext:
      n = filterBits_.nextSet(currentRecNo() + 1);
      break;
    case rnPrior:
      n = currentRecNo() > 1 ? filterBits_.priorSet(currentRecNo() - 1) : -1;
      break;
    default:
      n = currentRecNo();
      break;
  }
  if (n <= 0) {
    const bool empty = filterBits_.nextSet(1) < 0;
    setFlags(empty || isForward(code), empty || !isForward(code));
    return false;
  }
  readRecord(n);
  return !eofFlag() && !bofFlag();
}

bool DbfHandler::fetch(int code) {
  const int step = isForward(code) ? rnNext : rnPrior;
  if (!fetchCandidate(code)) return false;
  while (!isVisible()) {
    if (!fetchCandidate(step)) return false;
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
    ActiveRecordScope scope(*this, nullptr);
    TableScan scan(*this);
    for (TableScan::Run run = scan.next(); run.count > 0; run = scan.next()) {
      const char* image = run.records;
      for (int n = run.first; n < run.first + run.count; ++n, image += recordLength()) {
        setActiveRecord(image);
        positionForStep(n);
        if (isVisible()) visit(n);
      }
    }
  } catch (...) {
    positionForStep(remembered);
    throw;
  }
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
