// How expression texts are read: tokens, operator spellings and priorities,
// compile errors, and the text rebuilt from the tree.
#include <gtest/gtest.h>

#include "expr_fake_link.h"

namespace kestrin::dbf::testing {
namespace {

struct ErrorCase {
  const char* expression;
  const char* message;
};

TEST(ExprSyntax, CompileErrorsCarryTheExactMessage) {
  FakeTable table = makeDeloTable();
  table.addRecord({"1", "word"});
  const ErrorCase cases[] = {
      {"1 =<= 2", "Syntax Error in expression \"1 =<= 2\""},
      {"1 +", "Syntax Error in expression \"1 +\""},
      {"1 AND", "Syntax Error in expression \"1 AND\""},
      {"1 2", "Syntax Error in expression \"1 2\""},
      {"1 ! 2", "Syntax Error in expression \"1 ! 2\""},
      {"1 *= 2", "Syntax Error in expression \"1 *= 2\""},
      {"* 2", "Syntax Error in expression \"* 2\""},
      {"!!.T.", "Syntax Error in expression \"!!.T.\""},
      {"  1 ==> 2  ", "Syntax Error in expression \"1 ==> 2\""},
      {"LEN(\"a\" 1)", "Syntax Error in expression \"\"a\" 1\""},
      {"(1 = 2", "Missing closing parentheses"},
      {"LEFT(\"a\", 1", "Missing closing parentheses"},
      {"LEFT(\"a)\"", "Missing closing parentheses"},
      {".T", "Missing closing period"},
      {"1 = .5", "Missing closing period"},
      {".X.", "Expecting \".T.\" or \".F.\""},
      {".NOT. .NOT. .T.", "Expecting \".T.\" or \".F.\""},
      {"\"abc", "Missing closing \"\"\" on literal"},
      {"'abc\"", "Missing closing \"'\" on literal"},
      {"[abc", "Missing closing \"[\" on literal"},
      {"{2020", "Missing closing \"{\" on literal"},
      {"FOO(1)", "There is no function for FOO"},
      {"foo(1)", "There is no function for FOO"},
      {"LEFT (NAME, 2)", "There is no function for LEFT"},
      {"Xyz = 1", "There is no function for Xyz"},
      {"xyz.abc = 1", "There is no function for xyz"},
      {"Other->KOD = 1", "There is no function for Other"},
      {"xyz.abc(1)", "There is no function for XYZ.ABC"},
      {"(NAME = \")\")", "Syntax Error in expression \"(NAME = \")\")\""},
      {"{2020/13/45}", "'2020/13/45' is not a valid date"},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.expression);
    EXPECT_EQ(errorOf(c.expression, &table), c.message);
  }
}

TEST(ExprSyntax, NamesNeedATableLink) {
  EXPECT_EQ(errorOf("X = 1"), "Field/variable X is unknown");
  EXPECT_EQ(errorOf("RECNO() > 0"), "There is no function for RECNO");
  EXPECT_EQ(errorOf("TRUE .AND. PI > 3"), "");
}

struct ValueCase {
  const char* expression;
  double number;
};

TEST(ExprSyntax, ArithmeticGroupsByPriorityFromTheLeft) {
  const ValueCase cases[] = {
      {"5 - 2 - 1", 2},     {"2^3^2", 64},   {"2**3", 8},      {"2^3.9", 8},     {"2 + 3 * 4", 14},
      {"(2 + 3) * 4", 20},  {"10 / 4", 2.5}, {"-5 + 3", -2},   {"8 / 2 / 2", 2}, {"2 * 3 ^ 2", 18},
      {"1 - -1", 2},        {"--5", -5},     {"1.", 1},        {"1.2.3", 0},     {"+7", 7},
      {"LEN(,\"abc\")", 3}, {"2 ^ 0", 1},    {"2 ^ -2", 0.25}, {"(((1)))", 1},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.expression);
    const Evaluated r = evaluateText(c.expression);
    EXPECT_EQ(r.kind, ExprKind::Number);
    EXPECT_DOUBLE_EQ(r.number, c.number);
  }
}

struct LogicalCase {
  const char* expression;
  bool result;
};

TEST(ExprSyntax, OperatorSpellingsAndLogicalPriorities) {
  const LogicalCase cases[] = {
      {"1 == 1", true},
      {"1 = 2", false},
      {"1 EQ 1", true},
      {"1 ne 2", true},
      {"1 # 1", false},
      {"1 <> 2", true},
      {"1 != 1", false},
      {"2 > 1", true},
      {"2 gt 1", true},
      {"1 < 2", true},
      {"2 LT 1", false},
      {"2 >= 2", true},
      {"2 => 3", false},
      {"2 GE 2", true},
      {"1 <= 1", true},
      {"1 =< 2", true},
      {"2 LE 1", false},
      {".T. AND .F.", false},
      {".t. .or. .f.", true},
      {".T..AND..T.", true},
      {"!.T.", false},
      {"NOT .T.", false},
      {"not(.F.)", true},
      {".NOT. .F.", true},
      {"TRUE AND PI > 3", true},
      {"FALSE OR 1=1", true},
      // A negation after the start takes the whole rest as its operand.
      {"1=2 .AND. .NOT. 2=2 .OR. 3=3", false},
      {".NOT. 1=2 .OR. 3=3", true},
      {"1=1 AND NOT 1=2 OR 1=1", true},
      // Comparisons bind tighter than NOT, NOT tighter than AND, AND than OR.
      {"1=1 OR 1=2 AND 1=2", true},
      {"1 + 1 = 2 AND 2 * 2 = 4", true},
  };
  for (const LogicalCase& c : cases) {
    SCOPED_TRACE(c.expression);
    const Evaluated r = evaluateText(c.expression);
    EXPECT_EQ(r.kind, ExprKind::Boolean);
    EXPECT_EQ(r.logical, c.result);
  }
}

struct TextCase {
  const char* expression;
  const char* text;
};

TEST(ExprSyntax, GetTextRebuildsTheExpression) {
  FakeTable table = makeDeloTable();
  const TextCase cases[] = {
      {"kod = \"  1\" .and. a100 = 1", "KOD=\"  1\".AND.A100=1"},
      {"NOT (A100 = 1)", ".NOT.(A100=1)"},
      {"left(NAME, 2) $ 'ab'", "LEFT(NAME,2)$\"ab\""},
      {"{20200131} < D1", "{31.01.2020}<D1"},
      {"SUM = 1.50 OR SUM = -2", "SUM=1.50.OR.SUM=-2"},
      {"[x] + \"y\"", "\"x\"+\"y\""},
      {"delo.kod = 'a' OR DELO->NAME = 'b'", "KOD=\"a\".OR.NAME=\"b\""},
      {"OK = .t. AND TRUE", "OK=.T..AND.TRUE"},
      {"() = ()", "()=()"},
      {"IIF(OK, 1, 2) ^ 2", "IIF(OK,1,2)^2"},
      {"A100 => 1", "A100>=1"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.expression);
    ExprHandler handler(&table);
    handler.setExpression(c.expression);
    EXPECT_EQ(handler.getText(), c.text);
  }
}

TEST(ExprSyntax, EmptyTextLeavesNoTree) {
  ExprHandler handler;
  handler.setExpression("   ");
  EXPECT_FALSE(handler.hasExpression());
  EXPECT_EQ(handler.evaluate().kind, ExprKind::Unknown);
  EXPECT_EQ(handler.resultKind(), ExprKind::Unknown);
  EXPECT_EQ(handler.getText(), "");
}

TEST(ExprSyntax, FailedCompileLeavesNoTree) {
  ExprHandler handler;
  handler.setExpression("1 = 1");
  EXPECT_THROW(handler.setExpression("1 = (2"), EDbfExpression);
  EXPECT_FALSE(handler.hasExpression());
  EXPECT_EQ(handler.operandCount(), 0);
}

TEST(ExprSyntax, EmptyGroupIsTheEmptyKind) {
  EXPECT_EQ(evaluateText("()").kind, ExprKind::Empty);
  const Evaluated r = evaluateText("() = ()");
  EXPECT_EQ(r.kind, ExprKind::Boolean);
  EXPECT_TRUE(r.isNull);
}

TEST(ExprSyntax, OptionsAreCopiedWhenCompiled) {
  FakeTable table = makeDeloTable();
  table.addRecord({"1", "WORD"});
  ExprHandler handler(&table);
  handler.setExpression("NAME = 'word'");
  handler.setCaseInsensitive(true);
  EXPECT_FALSE(handler.evaluate().asBoolean());
  handler.setExpression("NAME = 'word'");
  EXPECT_TRUE(handler.evaluate().asBoolean());
}

}  // namespace
}  // namespace kestrin::dbf::testing
