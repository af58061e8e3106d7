// A condition of the shape the searches build: comparisons of character and
// memo fields with text literals, in groups, joined by AND, OR and NOT. A scan
// evaluates it over millions of records as a short list of steps instead of
// a walk over the tree's nodes. The steps read the fields in the tree's order
// and compare as its nodes do, so the result, and the error where a memo
// cannot be read, are the tree's.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dbf/expr/handler.h"

namespace kestrin::dbf {

class TextComparer;
namespace expr_detail {
class OperatorNode;
}

class FlatCondition {
 public:
  // Null when the handler's expression has any other shape. The handler must
  // outlive the condition and keep its expression.
  static std::unique_ptr<FlatCondition> of(const ExprHandler& handler);

  // The condition for the record `link` stands on. With `fieldsMiss`, each
  // test of a character field is taken to miss: for a condition of searches
  // only, where a sieve has found none of their words in the record.
  bool evaluate(ExprTableLink& link, bool fieldsMiss = false);

  // A test that comes down to a search of one field for a word.
  struct Search {
    int field = 0;
    bool memo = false;
    const TextComparer* comparer = nullptr;  // its containsLiteralPattern decides the test
  };
  // Where every test is such a search and the condition is false whenever
  // all of them miss, the searches: a record where none hits can be passed
  // over. Empty for any other condition.
  std::vector<Search> searchesOneOfWhichMustHit() const;

 private:
  struct Step {
    enum class Kind : unsigned char { Test, And, Or, Not };
    Kind kind = Kind::Test;
    const expr_detail::OperatorNode* test = nullptr;  // for Test
    int field = 0;                                    // for Test
    int memo = -1;                                    // for a memo field's Test, its slot in memos_
    // For a Test with a plain pattern: the search that decides it.
    const TextComparer* pattern = nullptr;
    bool onMatch = false;
    bool onMiss = false;
  };
  struct Memo {
    int field = 0;
    std::string_view text;  // read once per record, however many tests name it
    std::string spill;      // holds the text where it is copied
    bool read = false;
    bool cut = false;  // `text` ends at its first NUL, as a memo's text does
  };

  bool add(const expr_detail::Node* node, int depth);
  // Runs the steps with each test's answer from `answer(step)`.
  template <typename Answer>
  bool run(Answer answer);

  std::vector<Step> steps_;
  std::vector<Memo> memos_;
  std::vector<char> stack_;
  // With one memo field the text may stay in the memo reader's buffer: no
  // other memo read comes before the record's last test.
  bool viewMemos_ = false;
};

}  // namespace kestrin::dbf
