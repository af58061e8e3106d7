// "Искать в этом фонде": the box after the fond number is put in, and the
// round trip of a number with inner blanks through the file search's prefix.
#include "search/quick/fond_search_prefill.h"

#include <gtest/gtest.h>

#include "archive/format/number_keys.h"
#include "support/table_builder.h"

namespace kestrin::search {
namespace {

using kestrin::testing::cp;

struct PrefillCase {
  const char* box;
  int caret;
  const char* number;
  const char* text;
  int caretAfter;
};

TEST(FondSearchPrefill, PutsTheNumberInFront) {
  const PrefillCase cases[] = {
      {"", 0, "12", "Ф.12 ", 5},
      {"приказ", 3, "12", "Ф.12 приказ", 3},
      {"Ф.7 приказ", 4, "12", "Ф.12 приказ", 4},
      {"ф.р-5а приказ", 0, "12", "Ф.12 приказ", 0},
      {"", 0, "р-   12а", "Ф.р-12а ", 8},
  };
  for (const PrefillCase& c : cases) {
    SCOPED_TRACE(c.box);
    const PrefilledBox box = prefillFondSearch(cp(c.box), c.caret, cp(c.number));
    EXPECT_EQ(box.text, cp(c.text));
    EXPECT_EQ(box.caret, c.caretAfter);
  }
}

TEST(FondSearchPrefill, NumberWithInnerBlanksReadsBackAsItsKey) {
  for (const char* stored : {"р-   12а", "    123 ", "Р-    1 "}) {
    SCOPED_TRACE(stored);
    const std::string number = cp(stored);
    const PrefilledBox box = prefillFondSearch("", 0, number.substr(number.find_first_not_of(' ')));
    const FondPrefix prefix = splitFondPrefix(box.text + cp("приказ"));
    ASSERT_TRUE(prefix.present);
    EXPECT_EQ(archive::fondNumberKey(prefix.fond), archive::fondNumberKey(number));
    EXPECT_EQ(prefix.query, cp("приказ"));
  }
}

TEST(FondPrefix, SplitsNumberAndQuery) {
  FondPrefix p = splitFondPrefix(cp("ф.12  старый город "));
  EXPECT_TRUE(p.present);
  EXPECT_EQ(p.fond, "12");
  EXPECT_EQ(p.query, cp("старый город"));
  p = splitFondPrefix(cp("Ф. 12"));
  EXPECT_TRUE(p.present);
  EXPECT_EQ(p.fond, "");
  EXPECT_EQ(p.query, "12");
  EXPECT_FALSE(splitFondPrefix(cp("ф 12 дом")).present);
  EXPECT_FALSE(splitFondPrefix(cp("фонд")).present);
}

}  // namespace
}  // namespace kestrin::search
