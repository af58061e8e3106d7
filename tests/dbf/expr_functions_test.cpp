// The functions of the language and the evaluation errors of operators and
// functions.
#include <gtest/gtest.h>

#include <cmath>

#include "dbf/expr/dates.h"
#include "expr_fake_link.h"

namespace kestrin::dbf::testing {
namespace {

constexpr double kPi = 3.14159265358979323846;

double day(int y, int m, int d) { return static_cast<double>(expr_detail::dayNumberFromCivil(y, m, d)); }

struct NumberCase {
  const char* expression;
  double value;
};

TEST(ExprFunctions, Numbers) {
  const NumberCase cases[] = {
      {"ABS(-2.5)", 2.5},
      {"INT(-2.7)", -2},
      {"INT(2.7)", 2},
      {"CEILING(1.2)", 2},
      {"FLOOR(-1.2)", -2},
      {"ROUND(2.345, 2)", 2.35},
      {"ROUND(2.5)", 3},
      {"ROUND(-2.5)", -3},
      {"ROUND(1250, -2)", 1300},
      {"MOD(7, 3)", 1},
      {"MOD(-7, 3)", -1},
      {"MOD(7.9, -3.2)", 1},
      {"ATN2(1, 1)", kPi / 4},
      {"DTOR(180)", kPi},
      {"RTOD(PI())", 180},
      {"LOG(1)", 0},
      {"LOG10(1000)", 3},
      {"COS(0)", 1},
      {"SIN(0)", 0},
      {"TAN(0)", 0},
      {"ATAN(0)", 0},
      {"ASIN(1)", kPi / 2},
      {"ACOS(1)", 0},
      {"PI()", kPi},
      {"PI", kPi},
      {"FV(0, 100, 10)", 1000},
      {"FV(0.1, 100, 2)", 210},
      {"FV(0.1, 100, 2, 0, 1)", 231},
      {"PV(0.1, 100, 2)", 173.55371900826447},
      {"ASC(\"A\")", 65},
      {"ASC(\"\")", 0},
      {"ASC(\"я\")", 255},
      {"AT(\"b\", \"abcb\")", 2},
      {"AT(\"b\", \"abcb\", 2)", 4},
      {"AT(\"b\", \"abcb\", 3)", 0},
      {"AT(\"aa\", \"aaa\", 2)", 2},
      {"AT(\"\", \"abc\")", 0},
      {"ATC(\"B\", \"abc\")", 2},
      {"ATC(\"б\", \"Б\")", 0},
      {"LEN(\"ab  \")", 4},
      {"LEN(\"\")", 0},
      {"VAL(\"1,5\")", 1.5},
      {"VAL(\"1.5\")", 0},
      {"VAL(\" -2,5e1 \")", -25},
      {"VAL(\"abc\")", 0},
      {"VAL(\"\")", 0},
      {"DOW({20240107})", 1},
      {"DOW({20240113})", 7},
      {"DOW(CTOD(\"\"))", 0},
      {"DOW({18991230})", 7},
      {"DESCEND(5)", -5},
      {"MAX(1, 5, 3)", 5},
      {"MIN(4, 2, 3)", 2},
      {"IIF(.F., 1, 2)", 2},
      {"IIF(.F., 1/0, 2)", 2},
      {"IIF(.T., 1, 1/0)", 1},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.expression);
    const Evaluated r = evaluateText(c.expression);
    EXPECT_TRUE(r.kind == ExprKind::Number);
    EXPECT_NEAR(r.number, c.value, 1e-9);
  }
}

struct TextCase {
  const char* expression;
  const char* text;  // UTF-8
};

TEST(ExprFunctions, Texts) {
  const TextCase cases[] = {
      {"CHR(65)", "A"},
      {"LEFT(\"abc\", 2)", "ab"},
      {"LEFT(\"ab\", 4)", "ab  "},
      {"LEFT(\"abc\", 0)", ""},
      {"LEFT(\"abc\", 0.005)", ""},
      {"RIGHT(\"abc\", 2)", "bc"},
      {"RIGHT(\"abc\", 5)", "abc"},
      {"RIGHT(\"abc\", 0)", ""},
      {"SUBSTR(\"abcdef\", 2, 3)", "bcd"},
      {"SUBSTR(\"abc\", 2)", "bc"},
      {"SUBSTR(\"abc\", 4)", ""},
      {"SUBSTR(\"abc\", 0)", ""},
      {"SUBSTR(\"abc\", 2, 10)", "bc"},
      {"LTRIM(\"  a \")", "a "},
      {"TRIM(\" a  \")", " a"},
      {"RTRIM(\" a  \")", " a"},
      {"ALLTRIM(\" a \")", "a"},
      {"UPPER(\"abcабвё\")", "ABCАБВЁ"},
      {"LOWER(\"ABCАБВЁ\")", "abcабвё"},
      {"PROPER(\"иван ПЕТРОВ-водкин o'neil\")", "Иван Петров-Водкин O'neil"},
      {"SPACE(3)", "   "},
      {"SPACE(-1)", ""},
      {"STRTRAN(\"abcabc\", \"b\", \"X\")", "aXcaXc"},
      {"STRTRAN(\"abcabc\", \"b\")", "acac"},
      {"STRTRAN(\"abcabcabc\", \"b\", \"X\", 2)", "abcaXcaXc"},
      {"STRTRAN(\"abcabcabc\", \"b\", \"X\", 2, 1)", "abcaXcabc"},
      {"STRTRAN(\"aaa\", \"aa\", \"b\")", "ba"},
      {"STRTRAN(\"aba\", \"a\", \"c\", 1, -1)", "aba"},
      {"STRTRAN(\"abc\", \"\", \"X\")", "abc"},
      {"SOUNDEX(\"Robert\")", "R163"},
      {"SOUNDEX(\"Tymczak\")", "T522"},
      {"SOUNDEX(\"Pfister\")", "P236"},
      {"SOUNDEX(\"a\")", "A000"},
      {"SOUNDEX(\"\")", "0000"},
      {"STR(12.5)", "        13"},
      {"STR(12.5, 6, 2)", " 12.50"},
      {"STR(-5, 3)", " -5"},
      {"STR(123456789012, 10)", "**********"},
      {"STR(1, 0)", ""},
      {"STRZERO(42, 5)", "00042"},
      {"STRZERO(-5, 4)", "00-5"},
      {"PADL(\"ab\", 4)", "  ab"},
      {"PADR(\"ab\", 4, \"*\")", "ab**"},
      {"PADC(\"ab\", 5, \"-\")", "-ab--"},
      {"PADL(\"abcdef\", 3)", "abcdef"},
      {"PADL(12.5, 6)", "  12,5"},
      {"PADR(.T., 3)", "T  "},
      {"PADL({20200131}, 12)", "  31.01.2020"},
      {"DTOS(CTOD(\"31.01.2020\"))", "20200131"},
      {"DTOC({20200131})", "31.01.2020"},
      {"DTOC({20200131}, 1)", "20200131"},
      {"DTOC(CTOD(\"\"))", "          "},
      {"DTOS(CTOD(\"\"))", "        "},
      {"DTOS({})", "        "},
      {"DTOS({20201345})", "18991230"},
      {"IIF(1 > 0, \"a\", \"b\")", "a"},
      {"MIN(\"b\", \"a\", \"c\")", "a"},
      {"MAX(\"ель\", \"ёж\")", "ель"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.expression);
    const Evaluated r = evaluateText(c.expression);
    EXPECT_TRUE(r.kind == ExprKind::Text);
    EXPECT_EQ(text::cp1251ToUtf8(r.text), c.text);
  }
}

struct LogicalCase {
  const char* expression;
  bool result;
};

TEST(ExprFunctions, Logicals) {
  const LogicalCase cases[] = {
      {"EMPTY(CTOD(\"\"))", true},
      {"CTOD(\"\") = {}", true},
      {"CTOD(\"\") < {20200101}", true},
      {"EMPTY({})", true},
      {"EMPTY({20200101})", false},
      {"EMPTY(\"   \")", true},
      {"EMPTY(\" a\")", false},
      {"EMPTY(0)", true},
      {"EMPTY(1)", false},
      {"EMPTY(.F.)", true},
      {"EMPTY(.T.)", false},
      {"INLIST(\"a  \", \"b\", \"a\")", true},
      {"INLIST(\"a\", \"a  \")", false},
      {"INLIST(2, 1, 2)", true},
      {"INLIST(2, \"2\")", false},
      {"INLIST()", false},
      {"BETWEEN(5, 1, 10)", true},
      {"BETWEEN(5, 6, 10)", false},
      {"BETWEEN(\"b\", \"a\", \"c\")", true},
      {"BETWEEN({20200105}, {20200101}, {20200131})", true},
      {"DESCEND(.T.)", false},
      {"IIF(.T., .F., .T.)", false},
  };
  for (const LogicalCase& c : cases) {
    SCOPED_TRACE(c.expression);
    const Evaluated r = evaluateText(c.expression);
    EXPECT_TRUE(r.kind == ExprKind::Boolean);
    EXPECT_EQ(r.logical, c.result);
  }
}

TEST(ExprFunctions, Dates) {
  EXPECT_EQ(day(1980, 1, 1), 2444240);
  EXPECT_EQ(day(1899, 12, 30), 2415019);
  const struct {
    const char* expression;
    double value;
  } cases[] = {
      {"CTOD(\"31.01.2020\")", day(2020, 1, 31)},
      {"CTOD(\"1.2.20\")", day(2020, 2, 1)},
      {"CTOD(\"\")", 0},
      {"CTOD(\"   \")", 0},
      {"CTOD(\"00000000\")", 0},
      {"{31.01.2020}", day(2020, 1, 31)},
      {"{  }", 0},
      {"{20201345}", 2415019},
      {"DESCEND({20200131})", 5231808 - day(2020, 1, 31)},
      {"MAX({20200101}, {20210101})", day(2021, 1, 1)},
      {"1 + {20200101}", day(2020, 1, 2)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expression);
    const Evaluated r = evaluateText(c.expression);
    EXPECT_EQ(r.kind, ExprKind::Date);
    EXPECT_EQ(r.number, c.value);
  }
  // A number plus a date is a date, a date plus a number a number.
  EXPECT_EQ(evaluateText("{20200101} - 1").kind, ExprKind::Number);
  EXPECT_GT(evaluateText("DATE()").number, day(2024, 1, 1));
  EXPECT_EQ(evaluateText("DESCEND(\"a\")").text, std::string(1, static_cast<char>(159)));
}

struct ErrorCase {
  const char* expression;
  const char* message;
};

TEST(ExprFunctions, EvaluationErrors) {
  const ErrorCase cases[] = {
      {"1 + \"a\"", "The two sides of an operation do not match"},
      {"\"a\" = .T.", "The two sides of an operation do not match"},
      {".T. + .T.", "A number value is required but invalid"},
      {".T. > .F.", "A assigned value is required but invalid"},
      {".T. $ .F.", "A assigned value is required but invalid"},
      {"1 AND 2", "A assigned value is required but invalid"},
      {"NOT 1", "A assigned value is required but invalid"},
      {"1 $ 2", "A assigned value is required but invalid"},
      {"\"a\" * \"b\"", "A assigned value is required but invalid"},
      {"\"a\" OR \"b\"", "A assigned value is required but invalid"},
      {"LEFT(1, 2)", "Text needed for Argument 1 of LEFT"},
      {"LEFT(\"a\")", "Number needed for Argument 2 of LEFT"},
      {"DTOS(\"a\")", "Date needed for Argument 1 of DTOS"},
      {"IIF(1, 2, 3)", "Boolean needed for Argument 1 of IIF"},
      {"BETWEEN(5, \"a\", \"c\")", "Number needed for Argument 2 of BETWEEN"},
      {"ACOS(2)", "Argument for ACOS must be -1 to +1"},
      {"ASIN(-1.5)", "Argument for ASIN must be -1 to +1"},
      {"LOG(0)", "Argument for LOG must be > 0"},
      {"LOG10(-1)", "Argument for LOG10 must be > 0"},
      {"FV(0.1, 100, 10, 0, 2)", "Argument for FV PaymentTime must be 0 or 1"},
      {"PV(0.1, 100, 10, 0, 3)", "Argument for PV PaymentTime must be 0 or 1"},
      {"CHR(256)", "A Byte value is required but invalid"},
      {"CHR(-1)", "A Byte value is required but invalid"},
      {"PADL(\"a\", 5, \"xy\")", "A Char value is required but invalid"},
      {"PADL()", "Value needed for Argument 1 of Pad"},
      {"PADR(\"a\")", "Number needed for Argument 2 of PADR"},
      {"MAX()", "A value is required for Max()"},
      {"MIN(1, \"a\")", "All arguments for Min() must be of the same type"},
      {"1 / 0", "Floating point division by zero"},
      {"0 / 0", "Invalid floating point operation"},
      {"MOD(1, 0)", "Floating point division by zero"},
      {"0 ^ -1", "Floating point division by zero"},
      {"10 ^ 400", "Floating point overflow"},
      {"CTOD(\"32.13.2020\")", "'32.13.2020' is not a valid date"},
      {"DTOS(1e300)", "Syntax Error in expression \"1e300\""},
      {"DTOS(99999999999)", "Date value is out of range"},
      // Before the calendar as after it.
      {"DTOS(DATE() + 2^40)", "Date value is out of range"},
      {"DTOS(DATE() - 2^40)", "Date value is out of range"},
      {"DTOC(DATE() - 2^40)", "Date value is out of range"},
      {"DTOS(-5)", "Date value is out of range"},
      {"DTOS(CTOD(\"\") - 1)", "Date value is out of range"},
      {"DTOC(CTOD(\"\") + 10^100)", "Date value is out of range"},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.expression);
    EXPECT_EQ(errorOf(c.expression), c.message);
  }
}

}  // namespace
}  // namespace kestrin::dbf::testing

namespace kestrin::dbf::testing {
namespace {

TEST(ExprFunctions, RegionalSettingsAndStrWidth) {
  ExprOptions options;
  options.regional.decimalSeparator = '.';
  options.regional.shortDateFormat = "M/d/yy";
  EXPECT_EQ(evaluateText("DTOC({20200131})", nullptr, options).text, "1/31/2020");
  EXPECT_EQ(evaluateText("DTOC({})", nullptr, options).text, "        ");  // "M/D/YYYY"
  EXPECT_EQ(evaluateText("{1/31/2020} = {20200131}", nullptr, options).logical, true);
  EXPECT_EQ(evaluateText("VAL(\"1.5\")", nullptr, options).number, 1.5);
  EXPECT_EQ(evaluateText("PADL(1.5, 4)", nullptr, options).text, " 1.5");

  FakeTable table = makeDeloTable();
  table.addRecord({"1", "", "", "", "", "12.50"});
  options = ExprOptions{};
  options.defaultStrWidth = -1;  // the width of the number's own node
  EXPECT_EQ(evaluateText("STR(SUM)", &table, options).text, "      13");
  EXPECT_EQ(evaluateText("STR(1.25)", &table, options).text, "   1");
  EXPECT_EQ(evaluateText("STR(SUM * 2)", &table, options).text, "        25");
}

}  // namespace
}  // namespace kestrin::dbf::testing
