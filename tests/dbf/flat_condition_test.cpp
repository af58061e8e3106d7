// The steps of a search-shaped condition against the expression tree: which
// conditions take them, the same answer record by record, one memo read per
// record and field, and the tree's error where a memo cannot be read.
#include "dbf/expr/flat_condition.h"

#include <gtest/gtest.h>

#include "expr_fake_link.h"

namespace kestrin::dbf::testing {
namespace {

ExprHandler compiled(FakeTable& table, const std::string& text) {
  ExprHandler handler(&table, table.alias());
  handler.setCaseInsensitive(true);
  handler.setExpression(cp(text));
  return handler;
}

TEST(FlatCondition, TakesTheShapesOfTheSearchesOnly) {
  const struct {
    const char* text;
    bool flat;
  } cases[] = {
      {"(L4=\"*колхоз*\") OR (L5=\"*колхоз*\")", true},
      {"((L4=\"*a*\") OR (L5=\"*a*\")) AND ((L4=\"*b*\") OR (L5=\"*b*\"))", true},
      {".NOT. (L4=\"*a*\") .AND. NAME >= \"b\"", true},
      {"L5 # \"x\"", true},
      {"L4 = NAME", false},
      {"A100 > 5 AND L4=\"*a*\"", false},
      {"\"a\" $ L4", false},
      {"UPPER(L4)=\"A\"", false},
      {"(KOD=\"1\") OR (KOD=\"2\") OR (KOD=\"3\") OR (KOD=\"4\")", false},  // a set look-up already
  };
  for (const auto& c : cases) {
    FakeTable table = makeDeloTable();
    const ExprHandler handler = compiled(table, c.text);
    EXPECT_EQ(FlatCondition::of(handler) != nullptr, c.flat) << c.text;
  }
}

TEST(FlatCondition, AnswersAsTheTreeAndReadsAMemoOnce) {
  FakeTable table = makeDeloTable();
  table.addRecord({"1", cp("Колхоз"), cp("о колхозе")}, {cp("КОЛХОЗ имени")});
  table.addRecord({"2", "", cp("школа")}, {std::string("ab\0", 3) + cp("колхоз")});  // the text ends at NUL
  table.addRecord({"3", "b", ""}, {cp("школа колхоза")});
  table.addRecord({"4", "", cp("архив")});
  const char* const conditions[] = {
      "(L4=\"*колхоз*\") OR (L5=\"*колхоз*\")",
      "((L4=\"*кол*\") OR (L5=\"*кол*\")) AND ((L4=\"*школ*\") OR (L5=\"*школ*\"))",
      ".NOT. (L5=\"*имени*\") .AND. NAME >= \"b\"",
      "(L5=\"ab\") OR (L4=\"архив\")",
  };
  for (const char* text : conditions) {
    FakeTable tree = table;
    ExprHandler treeHandler = compiled(tree, text);
    ExprHandler flatHandler = compiled(table, text);
    auto flat = FlatCondition::of(flatHandler);
    ASSERT_TRUE(flat) << text;
    for (std::size_t recno = 1; recno <= 4; ++recno) {
      tree.go(recno);
      table.go(recno);
      const int readsBefore = table.memoReads;
      EXPECT_EQ(flat->evaluate(table), treeHandler.evaluate().asBoolean()) << text << " record " << recno;
      EXPECT_LE(table.memoReads - readsBefore, 1) << text;
    }
  }
}

class UnreadableMemo final : public FakeTable {
 public:
  UnreadableMemo() : FakeTable(makeDeloTable()) {}
  void readMemo(int, std::string&) override { throw EDbfError("Memo record is bad in %s", {"DELO.FPT"}); }
};

TEST(FlatCondition, GivesTheTreesErrorForAnUnreadableMemo) {
  UnreadableMemo table;
  table.addRecord({"1", "", cp("колхоз")});
  table.go(1);
  ExprHandler handler = compiled(table, "(L4=\"*колхоз*\") OR (L5=\"*колхоз*\")");
  auto flat = FlatCondition::of(handler);
  ASSERT_TRUE(flat);
  std::string treeError;
  std::string flatError;
  try {
    handler.evaluate();
  } catch (const EDbfError& e) {
    treeError = e.what();
  }
  try {
    flat->evaluate(table);
  } catch (const EDbfError& e) {
    flatError = e.what();
  }
  EXPECT_FALSE(treeError.empty());
  EXPECT_EQ(flatError, treeError);
}

}  // namespace
}  // namespace kestrin::dbf::testing
