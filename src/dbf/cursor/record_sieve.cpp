#include "dbf/cursor/record_sieve.h"

#include <cstdint>
#include <cstring>

#include "dbf/expr/text_compare.h"

namespace kestrin::dbf {
namespace {

// Whether a memo field's bytes name no memo: blanks, or NULs as some writers
// leave, as the table reads such a pointer. Most records hold blanks: a field
// of eight to sixteen bytes is compared as two words, the second overlapping.
bool namesNoMemo(const char* bytes, std::size_t width) {
  constexpr std::uint64_t kEightBlanks = 0x2020202020202020ULL;
  if (width >= 8 && width <= 16) {
    std::uint64_t head = 0;
    std::uint64_t tail = 0;
    std::memcpy(&head, bytes, 8);
    std::memcpy(&tail, bytes + width - 8, 8);
    if (head == kEightBlanks && tail == kEightBlanks) return true;
  }
  for (std::size_t i = 0; i < width; ++i) {
    if (bytes[i] != ' ' && bytes[i] != '\0') return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<RecordSieve> RecordSieve::of(const FlatCondition& condition, const DbfFields& table) {
  const std::vector<FlatCondition::Search> searches = condition.searchesOneOfWhichMustHit();
  if (searches.empty()) return nullptr;
  auto sieve = std::make_unique<RecordSieve>();
  sieve->recordLength_ = static_cast<std::size_t>(table.recordLength());
  for (const FlatCondition::Search& search : searches) {
    const FieldDescriptor* field = table.descriptor(search.field);
    if (field == nullptr) return nullptr;
    const auto offset = static_cast<std::size_t>(field->offset);
    const auto width = static_cast<std::size_t>(field->width);
    if (!search.memo) {
      sieve->fields_.push_back({offset, width, search.comparer});
      continue;
    }
    // A record without a memo passes only if its empty text misses the word.
    // Pointers of Visual FoxPro are binary: left to the table to read.
    if (table.header().isVisualFoxPro() || search.comparer->containsLiteralPattern({})) return nullptr;
    bool known = false;
    for (const MemoPointer& memo : sieve->memos_) known = known || memo.offset == offset;
    if (!known) sieve->memos_.push_back({offset, width});
  }
  return sieve;
}

void RecordSieve::sift(const char* records, int count, std::vector<Candidate>& candidates) {
  fieldHits_.assign(static_cast<std::size_t>(count), 0);
  for (const FieldSearch& search : fields_) {
    search.comparer->flagFieldsContainingLiteralPattern(records + search.offset, recordLength_, search.width,
                                                        fieldHits_);
  }
  const char* record = records;
  for (int i = 0; i < count; ++i, record += recordLength_) {
    if (fieldHits_[static_cast<std::size_t>(i)] != 0) {
      candidates.push_back({i, false});
      continue;
    }
    for (const MemoPointer& memo : memos_) {
      if (!namesNoMemo(record + memo.offset, memo.width)) {
        candidates.push_back({i, true});
        break;
      }
    }
  }
}

}  // namespace kestrin::dbf
