// Passes over the records of a scan block that surely fail a condition of
// searches for words, before any of them is evaluated. Such a condition needs
// one of its searches to hit; a record where none of the character fields
// searched holds its word, and none of the memo fields searched names a memo,
// is left out without touching the record link, the memo file or the steps.
// Most records of a quick search are of that kind.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "dbf/expr/flat_condition.h"
#include "dbf/table/dbf_fields.h"

namespace kestrin::dbf {

class RecordSieve {
 public:
  // Null where the condition leaves no record to pass over.
  static std::unique_ptr<RecordSieve> of(const FlatCondition& condition, const DbfFields& table);

  struct Candidate {
    int index = 0;  // from 0, in the block
    // No character field searched holds its word: the condition comes down
    // to the memos (FlatCondition::evaluate's `fieldsMiss`).
    bool fieldsMiss = false;
  };
  // Appends to `candidates` those of the `count` records at `records` that
  // may satisfy the condition, in order.
  void sift(const char* records, int count, std::vector<Candidate>& candidates);

 private:
  struct FieldSearch {
    std::size_t offset = 0;
    std::size_t width = 0;
    const TextComparer* comparer = nullptr;
  };
  struct MemoPointer {
    std::size_t offset = 0;
    std::size_t width = 0;
  };

  std::size_t recordLength_ = 0;
  std::vector<FieldSearch> fields_;
  std::vector<MemoPointer> memos_;
  std::vector<char> fieldHits_;  // per record of the block being sifted
};

}  // namespace kestrin::dbf
