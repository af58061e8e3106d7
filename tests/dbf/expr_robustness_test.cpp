// An expression is user input: long, deep, huge or hostile texts give a
// result or an EDbfExpression, never a crash, a hang or a stack overflow.
#include <gtest/gtest.h>

#include <chrono>

#include "expr_fake_link.h"

namespace kestrin::dbf::testing {
namespace {

std::string repeat(std::string_view piece, std::size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

// The filter the cross-navigation builds: one alternative per parent key.
TEST(ExprRobustness, LongChainsOfAlternativesEvaluate) {
  FakeTable table = makeDeloTable();
  table.addRecord({"   9999", "x"});
  std::string filter = "KOD=\"      0\"";
  for (int key = 1; key <= 9999; ++key) {
    std::string k = std::to_string(key);
    filter += " OR KOD=\"" + std::string(7 - k.size(), ' ') + k + "\"";
  }
  ASSERT_GT(filter.size(), 100000u);
  ExprHandler handler(&table);
  handler.setExpression(filter);
  EXPECT_TRUE(handler.evaluate().asBoolean());
  EXPECT_EQ(handler.listNames(ExprHandler::kFieldClassId).size(), 4u * 10000);
  EXPECT_EQ(handler.getText().size(), filter.size());  // " OR " becomes ".OR."
}

TEST(ExprRobustness, LongArithmeticAndTextChains) {
  EXPECT_EQ(evaluateText("1" + repeat("+1", 50000)).number, 50001);
  EXPECT_EQ(evaluateText("\"ab\"" + repeat("+\"ab\"", 30000)).text.size(), 60002u);
  EXPECT_EQ(evaluateText("\"a \"" + repeat("-\"a \"", 30000)).text.size(), 60002u);
}

TEST(ExprRobustness, NestingIsBounded) {
  EXPECT_EQ(evaluateText(repeat("(", 100) + "1" + repeat(")", 100)).number, 1);
  const std::string tooDeep = "Expression is nested too deeply";
  EXPECT_EQ(errorOf(repeat("(", 101) + "1" + repeat(")", 101)), tooDeep);
  EXPECT_EQ(errorOf(repeat("(", 100000) + "1" + repeat(")", 100000)), tooDeep);
  EXPECT_EQ(errorOf(repeat("(", 100000)), "Missing closing parentheses");
  EXPECT_EQ(errorOf(repeat("ABS(", 200) + "1" + repeat(")", 200)), tooDeep);
  EXPECT_EQ(errorOf("1=1" + repeat(" AND NOT 1=2", 200)), tooDeep);
  EXPECT_TRUE(evaluateText("1=1" + repeat(" AND NOT 1=2", 50)).logical);
}

TEST(ExprRobustness, HugeValuesAreRefused) {
  const std::string literal(1 << 20, 'x');
  EXPECT_TRUE(evaluateText("\"" + literal + "\" = \"*xx*\"").logical);
  EXPECT_EQ(errorOf("SPACE(10^12)"), "Text result of SPACE is too long");
  EXPECT_EQ(errorOf("STR(1, 10^10)"), "Text result of STR is too long");
  EXPECT_EQ(errorOf("LEFT(\"a\", 10^15)"), "Text result of LEFT is too long");
  EXPECT_EQ(errorOf("PADL(\"a\", 10^15)"), "Text result of PADL is too long");
  EXPECT_EQ(errorOf("STRTRAN(SPACE(5000), \" \", SPACE(5000))"), "Text result of STRTRAN is too long");
  EXPECT_EQ(evaluateText("1^(10^18)").number, 1);
  EXPECT_EQ(errorOf("2^(10^18)"), "Floating point overflow");
  EXPECT_EQ(evaluateText(repeat("9", 400)).number, 0);  // no double holds it
  EXPECT_EQ(evaluateText("ROUND(10^300, 400)").number, 1e300);
  EXPECT_EQ(errorOf("CHR(10^300)"), "A Byte value is required but invalid");
}

TEST(ExprRobustness, HostileSearchesFinishQuickly) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(evaluateText("\"b\" + STRTRAN(SPACE(3000), \" \", \"a\") $ "
                            "STRTRAN(SPACE(1000000), \" \", \"a\")")
                   .logical);
  EXPECT_FALSE(evaluateText("STRTRAN(SPACE(1000000), \" \", \"a\") = "
                            "\"*b\" + STRTRAN(SPACE(3000), \" \", \"a\") + \"*\"")
                   .logical);
  EXPECT_EQ(evaluateText("AT(\"b\" + SPACE(3000), SPACE(1000000))").number, 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace kestrin::dbf::testing
