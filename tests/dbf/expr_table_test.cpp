// Expressions over a table: field kinds, memo reads, names and qualified
// names, the table functions, keys and the collected names.
#include <gtest/gtest.h>

#include "dbf/expr/dates.h"
#include "expr_fake_link.h"

namespace kestrin::dbf::testing {
namespace {

FakeTable sampleTable() {
  FakeTable t = makeDeloTable();
  //           KOD    NAME           L4          L5  A100   SUM     D1          OK   BIN  STAMP  PIC
  t.addRecord({"  12", cp("Опись дел"), "a word", "", "1", "12.50", "19800102", "T", "-7", "86400000", "xyz"},
              {std::string("memo text\0hidden", 16)});
  t.addRecord({"  13", "", "", "", "", "", "        ", "?", "", "", ""}, {""});
  return t;
}

TEST(ExprTable, FieldsHaveTheKindOfTheirType) {
  FakeTable table = sampleTable();
  struct {
    const char* expression;
    ExprKind kind;
  } cases[] = {
      {"KOD", ExprKind::Text},   {"L5", ExprKind::Text},        {"A100", ExprKind::Number},
      {"SUM", ExprKind::Number}, {"D1", ExprKind::Date},        {"OK", ExprKind::Boolean},
      {"BIN", ExprKind::Number}, {"STAMP", ExprKind::DateTime}, {"PIC", ExprKind::Memo},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expression);
    EXPECT_EQ(evaluateText(c.expression, &table).kind, c.kind);
  }
  EXPECT_EQ(evaluateText("KOD", &table).text, "  12   ");   // full width, blanks kept
  EXPECT_EQ(evaluateText("L5", &table).text, "memo text");  // cut at the NUL
  EXPECT_EQ(evaluateText("SUM", &table).number, 12.5);
  EXPECT_EQ(evaluateText("BIN", &table).number, -7);
  EXPECT_EQ(evaluateText("D1", &table).number, 2444241);
  EXPECT_EQ(evaluateText("PIC", &table).text, "xyz       ");
}

struct ConditionCase {
  const char* condition;  // UTF-8
  bool first;             // on record 1
  bool second;            // on record 2
};

TEST(ExprTable, ConditionsOverRecords) {
  FakeTable table = sampleTable();
  const ConditionCase cases[] = {
      {"KOD = \"  12\"", true, false},
      {"KOD = \"12\"", false, false},
      {"NAME = \"*дел*\"", true, false},
      {"NAME = \"\"", false, false},
      {"TRIM(NAME) = \"\"", false, true},
      {"EMPTY(NAME)", false, true},
      {"A100 = 1", true, false},
      {"A100 = 0", false, true},
      {"D1 > 2444240", true, false},
      {"D1 > {01.01.1980}", true, false},
      {"EMPTY(D1)", false, true},
      // A blank text is the blank date a blank field holds.
      {"D1 = CTOD(\"\")", false, true},
      {"D1 <> CTOD(\"\")", true, false},
      {"D1 > CTOD(\"\")", true, false},
      {"D1 = {}", false, true},
      {"OK", true, false},
      {"L5 = \"*memo*\"", true, false},
      {"\"hidden\" $ L5", false, false},
      {"DELETED()", false, false},
      {"RECNO() = 2", false, true},
      {"delo.kod = \"  13\" OR DELO->A100 = 1", true, true},
      {"(L4=\"*word*\") OR (L5=\"*word*\")", true, false},
  };
  for (const ConditionCase& c : cases) {
    SCOPED_TRACE(c.condition);
    ExprHandler handler(&table);
    handler.setExpression(cp(c.condition));
    table.go(1);
    EXPECT_EQ(handler.evaluate().asBoolean(), c.first);
    EXPECT_EQ(handler.resultKind(), ExprKind::Boolean);
    table.go(2);
    EXPECT_EQ(handler.evaluate().asBoolean(), c.second);
  }
}

TEST(ExprTable, MemoIsReadOnlyWhenEvaluationReachesIt) {
  FakeTable table = sampleTable();
  ExprHandler plain(&table, {}, "KOD = '  12' AND A100 = 1");
  plain.evaluate();
  EXPECT_EQ(table.memoReads, 0);
  ExprHandler lazy(&table, {}, "IIF(A100 = 5, L5 = 'x', .F.)");
  lazy.evaluate();
  EXPECT_EQ(table.memoReads, 0);
  ExprHandler memo(&table, {}, "L5 = '*text*' OR KOD = 'x'");
  memo.evaluate();
  memo.evaluate();
  EXPECT_EQ(table.memoReads, 2);
}

TEST(ExprTable, MemoNamedByEveryWordIsReadOncePerEvaluation) {
  FakeTable table = sampleTable();
  // The all-words search: each word tests the title and the memo.
  ExprHandler words(&table, {},
                    "((L4 = '*memo*') OR (L5 = '*memo*')) AND ((L4 = '*text*') OR (L5 = '*text*')) AND "
                    "((L4 = '*hidden*') OR (L5 = '*hidden*'))");
  table.go(1);
  EXPECT_FALSE(words.evaluate().asBoolean());  // the memo is cut at its NUL, before "hidden"
  EXPECT_EQ(table.memoReads, 1);
  table.go(2);
  EXPECT_FALSE(words.evaluate().asBoolean());
  EXPECT_EQ(table.memoReads, 2);
  table.go(1);
  ExprHandler both(&table, {}, "(L5 = '*memo*') AND (L5 = '*text*') AND LEN(L5) = 9");
  EXPECT_TRUE(both.evaluate().asBoolean());
  EXPECT_EQ(table.memoReads, 3);
}

TEST(ExprTable, TableFaultsPassThrough) {
  FakeTable table = makeDeloTable();
  table.addRecord({"1", "", "", "", "1,5"});
  ExprHandler handler(&table, {}, "A100 = 1");
  EXPECT_THROW(handler.evaluate(), EDbfError);
}

TEST(ExprTable, TableFunctions) {
  FakeTable table = sampleTable();
  table.go(2);
  table.deleted = true;
  table.eof = true;
  EXPECT_EQ(evaluateText("RECNO()", &table).number, 2);
  EXPECT_TRUE(evaluateText("DELETED()", &table).logical);
  EXPECT_FALSE(evaluateText("BOF()", &table).logical);
  EXPECT_TRUE(evaluateText("EOF()", &table).logical);
  EXPECT_EQ(evaluateText("TYPE(\"d1 \")", &table).text, "D");
  EXPECT_EQ(evaluateText("TYPE(\"NOPE\")", &table).text, "U");
  EXPECT_EQ(evaluateText("FIELDNO(\"name\")", &table).number, 2);
  EXPECT_EQ(evaluateText("FIELDNO(\"NOPE\")", &table).number, 0);
  // The global LEN is found first: the length of the text "L4".
  EXPECT_EQ(evaluateText("LEN(\"L4\")", &table).number, 2);
}

TEST(ExprTable, AliasPrefixesAreRemovedWhenConstructed) {
  EXPECT_EQ(removeAliasPrefixes("Delo.KOD = 'x' AND DELO->NAME = DELO.", "delo"), "KOD = 'x' AND NAME = ");
  EXPECT_EQ(removeAliasPrefixes("DEDELO.LO.X", "DELO"), "X");
  FakeTable table = sampleTable();
  ExprHandler handler(&table, "DELO", "delo->KOD = '  12' AND Delo.A100 = 1");
  EXPECT_EQ(handler.getText(), "KOD=\"  12\".AND.A100=1");
  EXPECT_TRUE(handler.evaluate().asBoolean());
}

TEST(ExprTable, NamesAreLookedUpByTheirFirstTenCharacters) {
  FakeTable table({{"LONGFIELD1", 'C', 3}, {"F", 'C', 2}}, "ALIAS");
  table.addRecord({"abc", "xy"});
  EXPECT_TRUE(evaluateText("longfield1xyz = 'abc'", &table).logical);
  EXPECT_TRUE(evaluateText("ALIAS.F = 'xy'", &table).logical);
  EXPECT_EQ(errorOf("ALIAS.LONGFIELD1 = 'abc'", &table), "There is no function for ALIAS");
}

TEST(ExprTable, ListNamesAndCounts) {
  FakeTable table = sampleTable();
  ExprHandler handler(&table, {}, "KOD='1' OR LEFT(NAME, 2) = 'ab' OR KOD = '2' AND TRUE");
  EXPECT_EQ(handler.listNames(ExprHandler::kFieldClassId), "KOD;NAME;KOD;");
  EXPECT_EQ(handler.listNames(ExprHandler::kGlobalVariableClassId), "TRUE;");
  handler.setExpression("A100 + 1.25 > LEN(KOD)");
  EXPECT_EQ(handler.operandCount(), 4);
  EXPECT_EQ(handler.maxWidth(), 7);
  EXPECT_EQ(handler.maxDecimals(), 2);
}

TEST(ExprTable, EvaluateKeyTypesTheResult) {
  FakeTable table = sampleTable();
  ExprKeyValue key;
  ExprHandler handler(&table, {}, "KOD + NAME");
  handler.evaluateKey(key);
  EXPECT_EQ(key.type, ExprKeyValue::Type::Text);
  EXPECT_EQ(key.text, "  12   " + cp("Опись дел") + std::string(11, ' '));
  handler.setExpression("D1");
  handler.evaluateKey(key);
  EXPECT_EQ(key.type, ExprKeyValue::Type::Date);
  EXPECT_EQ(key.day, 2444241);
  handler.setExpression("SUM * 2");
  handler.evaluateKey(key);
  EXPECT_EQ(key.type, ExprKeyValue::Type::Number);
  EXPECT_EQ(key.number, 25);
  handler.setExpression("() = ()");  // Boolean without a value: key unchanged
  handler.evaluateKey(key);
  EXPECT_EQ(key.type, ExprKeyValue::Type::Number);
  EXPECT_EQ(handler.resultKind(), ExprKind::Boolean);
  handler.setExpression("PIC");  // no key for this kind
  handler.evaluateKey(key);
  EXPECT_EQ(handler.resultKind(), ExprKind::Unknown);
  handler.setExpression("");
  handler.evaluateKey(key);
  EXPECT_EQ(key.type, ExprKeyValue::Type::None);
}

TEST(ExprTable, UpperOfAnOemTableWorksInAnsi) {
  FakeTable table = sampleTable();
  // A code page in which a and b swap places with A and B of ANSI.
  ExprTableLink::OemTables oem{};
  for (int c = 0; c < 256; ++c) {
    oem.oemToAnsi[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
    oem.ansiToOem[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
  }
  oem.oemToAnsi['1'] = 'a';
  oem.ansiToOem['A'] = '2';
  table.oem = &oem;
  EXPECT_EQ(evaluateText("UPPER('1x')", &table).text, "2X");
  EXPECT_EQ(evaluateText("LOWER('1X')", &table).text, "1x");
}

}  // namespace
}  // namespace kestrin::dbf::testing
