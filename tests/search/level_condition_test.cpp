// The condition of each level from the dialog's controls: the order of its
// parts, the fields of each level, the list items' codes, and the years of
// fonds and inventories.
#include "search/advanced/level_condition.h"

#include <gtest/gtest.h>

#include "search/advanced/search_error.h"
#include "support/table_builder.h"

namespace kestrin::search {
namespace {

using archive::Level;
using kestrin::testing::cp;

// Only "Название" checked, every lookup off: the form of most cases.
AdvancedForm namesOnly(const char* text, TextMode mode) {
  AdvancedForm form;
  form.useText = true;
  form.text = cp(text);
  form.mode = mode;
  form.pred = form.rename = form.keywords = form.rubric = form.docText = false;
  return form;
}

AdvancedForm nothing() {
  AdvancedForm form;
  return form;
}

struct LevelCase {
  const char* name;
  Level level;
  AdvancedForm form;
  const char* expected;
};

std::vector<LevelCase> cases() {
  std::vector<LevelCase> out;
  out.push_back({"phrase on fonds", Level::Fonds, namesOnly("архив", TextMode::Phrase),
                 R"(((FNAME="*архив*") OR (A1="*архив*")))"});
  out.push_back({"all words stay within one field", Level::Fonds, namesOnly("старый  архив ", TextMode::AllWords),
                 R"(((FNAME="*старый*") AND (FNAME="*архив*") OR (A1="*старый*") AND (A1="*архив*")))"});
  AdvancedForm f = nothing();
  f.move = 6;
  f.category = 3;
  out.push_back({"not present and category 2", Level::Inventories, f, "(G15<>1) AND (G2=2)"});
  f = nothing();
  f.move = 1;
  out.push_back({"present", Level::Fonds, f, "(A100=1)"});
  f = nothing();
  f.useYears = true;
  out.push_back({"years of fonds, two blanks before AND", Level::Fonds, f, "(A7<=2000)  AND (A9>=1990)"});
  out.push_back({"years of inventories", Level::Inventories, f, "(G3<=2000)  AND (G5>=1990)"});
  out.push_back({"years of files are no condition", Level::Files, f, ""});
  f = nothing();
  f.category = 4;
  out.push_back({"value ОЦД+уник.", Level::Files, f, "((L12=1) OR (L12=2))"});
  f.category = 1;
  out.push_back({"value ценные", Level::Files, f, "(L12=3)"});
  f.category = 3;
  out.push_back({"value уник.", Level::Files, f, "(L12=1)"});
  f.category = 1;
  out.push_back({"category 0", Level::Fonds, f, "(A3=0)"});
  f.category = 3;
  out.push_back({"document kind", Level::Documents, f, R"((T7="приказ"))"});
  f = nothing();
  f.type = 4;
  out.push_back({"type л/с on files", Level::Files, f, "(L13=4)"});
  f.type = 11;
  out.push_back({"mixed type selects упр. or л/с", Level::Fonds, f, "((A4=1) OR (A4=4))"});
  out.push_back({"mixed type on inventories", Level::Inventories, f, "((G1=1) OR (G1=4))"});
  out.push_back({"no type on documents", Level::Documents, f, ""});
  f = nothing();
  f.useSpecial = true;
  f.special = "A5>3";
  f.move = 2;
  out.push_back({"special filter last", Level::Fonds, f, "(A100=2) AND A5>3"});
  f = namesOnly("акт", TextMode::Phrase);
  f.pred = true;
  f.docText = true;
  out.push_back(
      {"document fields", Level::Documents, f, R"(((T2="*акт*") OR (T3="*акт*") OR (T16="*акт*") OR (T17="*акт*")))"});
  out.push_back({"file fields", Level::Files, f, R"(((L4="*акт*") OR (L5="*акт*")))"});
  out.push_back({"inventory fields", Level::Inventories, f, R"(((ONAME="*акт*") OR (G45="*акт*")))"});
  f = namesOnly("акт", TextMode::Phrase);
  f.useText = false;
  out.push_back({"text unchecked", Level::Fonds, f, ""});
  f = namesOnly("   ", TextMode::AnyWord);
  out.push_back({"blank words", Level::Fonds, f, ""});
  return out;
}

TEST(LevelCondition, PartsInTheirOrderWithEachLevelsFields) {
  for (const LevelCase& c : cases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(levelCondition(c.level, c.form, {}), cp(c.expected));
  }
}

TEST(LevelCondition, LookupAlternativesJoinTheTextPart) {
  const AdvancedForm form = namesOnly("архив", TextMode::Phrase);
  EXPECT_EQ(levelCondition(Level::Fonds, form, {R"((KOD="      3"))", R"((KOD="      4"))"}),
            cp(R"(((FNAME="*архив*") OR (A1="*архив*") OR (KOD="      3") OR (KOD="      4")))"));
  AdvancedForm onlyLookups = form;
  onlyLookups.name = false;
  EXPECT_EQ(levelCondition(Level::Fonds, onlyLookups, {R"((KOD="      3"))"}), R"(((KOD="      3")))");
}

TEST(LevelCondition, AYearBoxWithoutAYearIsRefused) {
  AdvancedForm form;
  form.useYears = true;
  form.yearTo = "20x0";
  EXPECT_THROW(levelCondition(Level::Fonds, form, {}), AdvancedSearchError);
}

TEST(LevelCondition, SearchTextReducesBlanksInTheWordModes) {
  AdvancedForm form = namesOnly("  a   b ", TextMode::AnyWord);
  EXPECT_EQ(searchText(form), "a b");
  form.mode = TextMode::Phrase;
  EXPECT_EQ(searchText(form), "  a   b ");
}

}  // namespace
}  // namespace kestrin::search
