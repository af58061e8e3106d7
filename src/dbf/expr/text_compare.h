// The text comparison behind every search: trailing blanks removed, optional
// case folding, "*" patterns with "?" positions, and a collation for the
// ordering operators.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "dbf/expr/value.h"
#include "text/text_search.h"

namespace kestrin::dbf {

// Orders Windows-1251 texts alphabetically: punctuation, digits, Latin
// letters, Cyrillic letters (ё with е); letters first without regard to case,
// then lower case before upper case, then by byte. 0 only for equal bytes.
// Every byte goes through `fold` first.
int collateTexts(std::string_view a, std::string_view b, const text::FoldTable& fold);
inline int collateTexts(std::string_view a, std::string_view b) { return collateTexts(a, b, text::identityFold()); }

// The comparison of one operator node, with the node's own copies of the two
// options. Keeps its buffers from record to record.
class TextComparer {
 public:
  TextComparer(bool caseInsensitive, bool partialCompare);

  // The right side is this literal for every evaluation: prepare it once.
  // `literal` must outlive the comparer.
  void prepareRightLiteral(std::string_view literal);

  // Negative, 0 or positive. Only L empty (Null or "") gives -1, only R empty
  // +1, both 0. Then both lose their trailing blanks and are folded; a right
  // side beginning or ending with "*" is a pattern (0 on a match, -1 if not)
  // when partial compare is on; otherwise the collation decides. With
  // `equalityOnly` the sign of a difference is not computed (1 stands for it).
  int compare(const ExprValue& left, const ExprValue& right, bool equalityOnly);

  // Whether the prepared literal is a pattern that comes down to a search for
  // its core: "*core*", "*core" or "core*", with no "?" to apply to the value
  // and not one that matches everything. Then compare gives 0 where
  // containsLiteralPattern holds for the left side's text and -1 where not.
  bool literalIsPlainPattern() const {
    return hasLiteral_ && literal_.pattern && !literal_.matchesAll && !literal_.masked;
  }
  bool containsLiteralPattern(std::string_view value) const {
    // The whole pattern, asterisks included, must fit into the trimmed value.
    return searcher_.findInTrimmed(value, literal_.text.size()) != std::string_view::npos;
  }
  // containsLiteralPattern over a field of each record of a block, as
  // TextSearcher::flagFieldsHolding flags them.
  void flagFieldsContainingLiteralPattern(const char* first, std::size_t stride, std::size_t width,
                                          std::span<char> flags) const {
    searcher_.flagFieldsHolding(first, stride, width, literal_.text.size(), flags);
  }

 private:
  struct RightSide {
    std::string_view text;  // trimmed
    bool pattern = false;
    bool matchesAll = false;
    bool masked = false;    // "?" positions act on the value
    std::string_view core;  // the pattern without its end asterisks
  };
  RightSide analyse(std::string_view trimmedRight) const;
  bool matches(std::string_view value, const RightSide& right, bool prepared);

  const text::FoldTable* fold_;
  bool partial_;
  bool hasLiteral_ = false;
  bool literalEmpty_ = false;
  RightSide literal_;
  text::TextSearcher searcher_;
  std::string masked_;
};

}  // namespace kestrin::dbf
