// The condition on one field in each of its five modes, and the words the
// word modes cut the text into.
#include "search/advanced/field_condition.h"

#include <gtest/gtest.h>

#include "support/table_builder.h"

namespace kestrin::search {
namespace {

using kestrin::testing::cp;

struct FieldCase {
  const char* text;
  FieldMode mode;
  const char* expected;
};

TEST(FieldCondition, EachModeBuildsItsCondition) {
  const FieldCase cases[] = {
      {"старый архив", FieldMode::Phrase, R"((L4="*старый архив*"))"},
      {"старый архив", FieldMode::AnyWord, R"((L4="*старый*") OR (L4="*архив*"))"},
      {"старый архив", FieldMode::AllWords, R"((L4="*старый*") AND (L4="*архив*"))"},
      {"    12", FieldMode::ExactValue, R"((L4="    12"))"},
      {"Иванов", FieldMode::AnyWordShort, R"((L4="*Иванов*") OR (L4="Иванов") OR (L4="Иванов*") OR (L4="*Иванов"))"},
      {"Петров Сидоров", FieldMode::AnyWordShort,
       R"((L4="*Петров*") OR (L4="Петров") OR (L4="Петров*") OR (L4="*Петров") OR )"
       R"((L4="*Сидоров*") OR (L4="Сидоров") OR (L4="Сидоров*") OR (L4="*Сидоров"))"},
      // Punctuation separates words in the word modes.
      {"(акт),  \"опись\".", FieldMode::AnyWord, R"((L4="*акт*") OR (L4="*опись*"))"},
      {"a;b:c", FieldMode::AllWords, R"((L4="*a*") AND (L4="*b*") AND (L4="*c*"))"},
      // A phrase keeps a quote as a safe literal.
      {"say \"hi\"", FieldMode::Phrase, R"((L4='*say "hi"*'))"},
      {"", FieldMode::Phrase, ""},
      {"", FieldMode::AnyWordShort, ""},
      {" ., ", FieldMode::AnyWord, ""},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(fieldCondition(cp(c.text), "L4", c.mode), cp(c.expected));
  }
}

TEST(FieldCondition, WordsAreThePiecesBetweenSeparators) {
  EXPECT_EQ(conditionWords("  a  b,c.(d) "), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_TRUE(conditionWords(" \"():;., ").empty());
}

}  // namespace
}  // namespace kestrin::search
