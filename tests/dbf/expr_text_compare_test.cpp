// The text comparison behind every search: trailing blanks, patterns with
// "*" and "?", case folding, the collation, and the text operators.
#include <gtest/gtest.h>

#include <random>

#include "dbf/expr/text_compare.h"
#include "expr_fake_link.h"

namespace kestrin::dbf::testing {
namespace {

struct FieldCase {
  const char* stored;     // NAME, a character field of width 20 (UTF-8)
  const char* condition;  // UTF-8
  bool caseInsensitive;
  bool partialCompare;
  bool result;
};

TEST(ExprTextCompare, CharacterFieldAgainstLiterals) {
  const FieldCase cases[] = {
      {"word", "NAME=\"word\"", false, true, true},
      {"word", "NAME=\"word \"", false, true, true},
      {"word", "NAME=\"wor\"", false, true, false},
      {"word", "NAME=\"*word*\"", false, true, false},  // shorter than the pattern
      {"word", "NAME=\"*wor\"", false, true, true},
      {"word", "NAME=\"wor*\"", false, true, true},
      {"word", "NAME=\"ord*\"", false, true, true},  // no anchoring
      {"a word", "NAME=\"*word*\"", false, true, true},
      {"word", "NAME=\"*ord*\"", false, true, false},  // found, but the pattern is longer
      {"xword", "NAME=\"*ord*\"", false, true, true},
      {"xxxab", "NAME=\"*ab *\"", false, true, false},  // the blank is no padding
      {"xab yz", "NAME=\"*ab *\"", false, true, true},
      {"words", "NAME=\"*word*\"", false, true, false},
      {"это СЛОВО", "NAME=\"*слово*\"", true, true, true},
      {"это СЛОВО", "NAME=\"*слово*\"", false, true, false},
      {"ёлка Ёж", "NAME=\"*ЁЛКА*\"", true, true, true},
      {"*word*", "NAME=\"*word*\"", false, false, true},
      {"a word", "NAME=\"*word*\"", false, false, false},
      {"word", "NAME=\"\"", false, true, false},
      {"", "NAME=\"\"", false, true, false},
      {"", "TRIM(NAME)=\"\"", false, true, true},
      {"", "NAME=\"*\"", false, true, false},
      {"x", "NAME=\"*\"", false, true, true},
      {"x", "NAME=\"**\"", false, true, false},
      {"xy", "NAME=\"**\"", false, true, true},
      {"  12", "NAME=\"12\"", false, true, false},   // leading blanks count
      {"123", "NAME=\"12\"", false, true, false},    // no prefix match
      {"abc", "NAME=\"a?c*\"", false, true, false},  // shorter than the pattern
      {"abcd", "NAME=\"a?c*\"", false, true, true},
      {"axcd", "NAME=\"a?c*\"", false, true, true},
      {"xabc", "NAME=\"a?c*\"", false, true, false},  // "?" counts from the value's start
      {"abc", "NAME=\"*a?c\"", false, true, false},   // after a leading "*", "?" is plain
      {"xa?c", "NAME=\"*a?c\"", false, true, true},
      {"a*b", "NAME=\"*a*b*\"", false, true, false},  // inner "*" is plain; too short
      {"xa*bx", "NAME=\"*a*b*\"", false, true, true},
      {"word", "NAME#\"word\"", false, true, false},
      {"word", "NAME#\"*xyz*\"", false, true, true},
      {"word", "NAME>\"*xyz*\"", false, true, false},
      {"word", "NAME<\"*xyz*\"", false, true, true},  // a miss orders as "less"
      {"ord", "NAME>=\"*ord\"", false, true, false},  // shorter than the pattern: a miss
      {"xword", "NAME<=\"*ord\"", false, true, true},
      {"", "NAME#\"*x*\"", false, true, true},
      {"word", "NAME<\"*xyz*\"", false, true, true},
      {"xaby", "\"ab \" $ NAME", false, true, false},
      {"xaby", "\"ab\" $ NAME", false, true, true},
      {"xaby", "\"\" $ NAME", false, true, false},
      {"xaby", "\"AB\" $ NAME", true, true, false},  // "$" keeps case
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.condition);
    SCOPED_TRACE(c.stored);
    FakeTable table = makeDeloTable();
    table.addRecord({"1", cp(c.stored)});
    ExprOptions options;
    options.caseInsensitive = c.caseInsensitive;
    options.partialCompare = c.partialCompare;
    const Evaluated r = evaluateText(c.condition, &table, options);
    EXPECT_EQ(r.kind, ExprKind::Boolean);
    EXPECT_EQ(r.logical, c.result);
  }
}

struct LiteralCase {
  const char* condition;
  bool result;
};

TEST(ExprTextCompare, OrderingAndEmptySides) {
  const LiteralCase cases[] = {
      {"\"abc\" < \"abd\"", true},  {"\"abd\" > \"abc\"", true},   {"\"ab\" < \"abc\"", true},
      {"\"b\" > \"A\"", true},      {"\"a\" < \"B\"", true},       {"\"a\" < \"A\"", true},
      {"\"9\" < \"a\"", true},      {"\"Z\" < \"а\"", true},       {"\"б\" > \"а\"", true},
      {"\"Я\" > \"ю\"", true},      {"\"ёлка\" < \"ель\"", true},  {"\"ёж\" < \"жук\"", true},
      {"\"ёж\" > \"дом\"", true},   {"\"abc  \" = \"abc\"", true}, {"\"abc\" >= \"abc \"", true},
      {"\"abc\" <= \"abc\"", true}, {"\"\" < \"a\"", true},        {"\"a\" > \"\"", true},
      {"\"\" = \"\"", true},        {"\" \" = \"\"", false},       {"\" \" = \"  \"", true},
      {"\"-\" < \"0\"", true},
  };
  for (const LiteralCase& c : cases) {
    SCOPED_TRACE(c.condition);
    EXPECT_TRUE(evaluateText(c.condition).logical == c.result);
  }
}

TEST(ExprTextCompare, TextOperators) {
  EXPECT_EQ(evaluateText("\"abc  \" - \"def\"").text, "abcdef  ");
  EXPECT_EQ(evaluateText("\"abc  \" + \"def\"").text, "abc  def");
  EXPECT_EQ(evaluateText("\"\" + \"def\" + \"\"").text, "def");
  EXPECT_EQ(evaluateText("\"a \" - \"b \" - \"c\"").text, "abc  ");
}

// The collation is a total order consistent with equality.
TEST(ExprTextCompare, CollationIsAnOrder) {
  std::mt19937 random(7);
  std::vector<std::string> words;
  for (int i = 0; i < 300; ++i) {
    std::string w;
    const int length = static_cast<int>(random() % 4);
    for (int k = 0; k < length; ++k) w += static_cast<char>("aAbB0-\xE5\xB8\xC5\xA8\xFF"[random() % 11]);
    words.push_back(w);
  }
  std::sort(words.begin(), words.end(),
            [](const std::string& a, const std::string& b) { return collateTexts(a, b) < 0; });
  for (std::size_t i = 0; i + 1 < words.size(); ++i) {
    const int order = collateTexts(words[i], words[i + 1]);
    EXPECT_LE(order, 0);
    EXPECT_EQ(order == 0, words[i] == words[i + 1]);
    EXPECT_EQ(collateTexts(words[i + 1], words[i]), -order);
  }
}

// A literal right side is prepared once; any other right side is analysed
// at each evaluation. Both must decide alike.
TEST(ExprTextCompare, PreparedLiteralAgreesWithComputedRightSide) {
  std::mt19937 random(3);
  FakeTable table = makeDeloTable();
  const char* alphabet = "ab?* \xE0\xC0";
  for (int round = 0; round < 1500; ++round) {
    std::string value;
    std::string literal;
    for (std::size_t i = random() % 8; i > 0; --i) value += alphabet[random() % 7];
    for (std::size_t i = random() % 6; i > 0; --i) literal += alphabet[random() % 7];
    if (literal.find('"') != std::string::npos) continue;
    table = makeDeloTable();
    table.addRecord({"1", value});
    static const char* const kOps[] = {"=", "#", "<", ">", "<=", ">="};
    const char* op = kOps[random() % 6];
    ExprOptions options;
    options.caseInsensitive = random() % 2;
    options.partialCompare = random() % 2;
    const std::string prepared = std::string("NAME") + op + "\"" + literal + "\"";
    const std::string computed = std::string("NAME") + op + "(\"" + literal + "\")";
    ExprHandler a(&table, {}, prepared, options);
    ExprHandler b(&table, {}, computed, options);
    EXPECT_EQ(a.evaluate().asBoolean(), b.evaluate().asBoolean()) << prepared << " on [" << value << "]";
  }
}

}  // namespace
}  // namespace kestrin::dbf::testing
