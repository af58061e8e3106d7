// The condition texts of every level, mode and fast setting, letter for
// letter: the pieces' blanks and the four characters cut from the front.
#include "search/quick/level_conditions.h"

#include <gtest/gtest.h>

#include "support/table_builder.h"

namespace kestrin::search {
namespace {

using archive::Level;
using kestrin::testing::cp;

struct ConditionCase {
  Level level;
  SearchMode mode;
  bool fast;
  const char* query;
  const char* condition;
};

class LevelCondition : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(LevelCondition, IsTheTextOfTheTable) {
  const ConditionCase& c = GetParam();
  EXPECT_EQ(textCondition(c.level, c.mode, c.fast, cp(c.query)), cp(c.condition));
}

constexpr auto F = Level::Fonds;
constexpr auto O = Level::Inventories;
constexpr auto D = Level::Files;
constexpr auto T = Level::Documents;
constexpr auto All = SearchMode::AllWords;
constexpr auto Any = SearchMode::AnyWord;
constexpr auto Phrase = SearchMode::Phrase;

INSTANTIATE_TEST_SUITE_P(
    EveryLevel, LevelCondition,
    ::testing::Values(
        ConditionCase{F, Phrase, false, "архив",
                      R"(((FNAME="*архив*") OR (A1="*архив*") OR (A109="*архив*") OR (A110="*архив*")))"},
        ConditionCase{F, Phrase, true, "архив", R"(((FNAME="*архив*") OR (A1="*архив*")))"},
        ConditionCase{F, All, false, "а б",
                      R"(((FNAME="*а*") OR (A1="*а*") OR (A109="*а*") OR (A110="*а*")) AND ((FNAME="*б*") OR )"
                      R"((A1="*б*") OR (A109="*б*") OR (A110="*б*")) )"},
        ConditionCase{F, All, true, "а б", R"(((FNAME="*а*") OR (A1="*а*")) AND ((FNAME="*б*") OR (A1="*б*")) )"},
        ConditionCase{F, Any, false, "а б",
                      R"(((FNAME="*а*") OR (A1="*а*") OR (A109="*а*") OR (A110="*а*"))  OR ((FNAME="*б*") OR )"
                      R"((A1="*б*") OR (A109="*б*") OR (A110="*б*")) )"},
        ConditionCase{F, Any, true, "а б", R"((FNAME="*а*") OR (A1="*а*")  OR (FNAME="*б*") OR (A1="*б*") )"},
        ConditionCase{O, Phrase, false, "план", R"((ONAME="*план*") OR (G45="*план*"))"},
        ConditionCase{O, Phrase, true, "план", R"((ONAME="*план*") OR (G45="*план*"))"},
        ConditionCase{O, All, false, "а б", R"(((ONAME="*а*") OR (G45="*а*")) AND ((ONAME="*б*") OR (G45="*б*")) )"},
        ConditionCase{O, All, true, "а б", R"((ONAME="*а*") AND (ONAME="*б*") )"},
        ConditionCase{O, Any, false, "а б", R"(((ONAME="*а*") OR (G45="*а*"))  OR ((ONAME="*б*") OR (G45="*б*")) )"},
        ConditionCase{O, Any, true, "а б", R"((ONAME="*а*")  OR (ONAME="*б*") )"},
        ConditionCase{D, Phrase, false, "старый город", R"((L4="*старый город*") OR (L5="*старый город*"))"},
        ConditionCase{D, Phrase, true, "старый город", R"((L4="*старый город*"))"},
        ConditionCase{D, All, false, "старый город",
                      R"(((L4="*старый*") OR (L5="*старый*")) AND ((L4="*город*") OR (L5="*город*")) )"},
        ConditionCase{D, All, true, "старый город", R"((L4="*старый*") AND (L4="*город*") )"},
        ConditionCase{D, Any, false, "а б", R"(((L4="*а*") OR (L5="*а*"))  OR ((L4="*б*") OR (L5="*б*")) )"},
        ConditionCase{D, Any, true, "а б", R"((L4="*а*")  OR (L4="*б*") )"},
        ConditionCase{T, Phrase, false, "указ", R"((T2="*указ*") OR (T3="*указ*"))"},
        ConditionCase{T, Phrase, true, "указ", R"((T2="*указ*"))"},
        ConditionCase{T, SearchMode::Number, false, "12", R"((T2="*12*") OR (T3="*12*"))"},
        ConditionCase{T, All, true, "а б в", R"((T2="*а*") AND (T2="*б*") AND (T2="*в*") )"},
        ConditionCase{T, Any, false, "а", R"(((T2="*а*") OR (T3="*а*")) )"},
        // A phrase keeps its blanks at either end; quotes and brackets go
        // into literals that the engine reads as typed.
        ConditionCase{D, Phrase, true, " дом ", R"((L4="* дом *"))"},
        ConditionCase{D, Phrase, true, "\"Заря\"", R"((L4='*"Заря"*'))"},
        ConditionCase{D, Phrase, true, "(1920", R"((L4="*"+CHR(40)+"1920*"))"}));

struct FormerCase {
  SearchMode mode;
  bool fast;
  const char* query;
  const char* condition;
};

class FormerNameCondition : public ::testing::TestWithParam<FormerCase> {};

TEST_P(FormerNameCondition, IsTheTextOfTheTable) {
  const FormerCase& c = GetParam();
  EXPECT_EQ(formerNameCondition(c.mode, c.fast, cp(c.query)), cp(c.condition));
}

INSTANTIATE_TEST_SUITE_P(
    EveryMode, FormerNameCondition,
    ::testing::Values(FormerCase{Phrase, false, "завод", R"(((C2="*завод*") OR (C1="*завод*")))"},
                      FormerCase{All, false, "а б", R"(((C2="*а*") OR (C1="*а*")) AND ((C2="*б*") OR (C1="*б*")))"},
                      FormerCase{Any, false, "а б", R"((C2="*а*") OR (C1="*а*") OR (C2="*б*") OR (C1="*б*"))"},
                      FormerCase{Phrase, true, "завод", ""}, FormerCase{All, true, "а б", ""},
                      FormerCase{Any, true, "а б", ""}));

}  // namespace
}  // namespace kestrin::search
