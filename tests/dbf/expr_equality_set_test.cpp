// An OR chain of equalities of one field is answered by a set look-up: on
// random records, literals and chains, under each pair of comparison options,
// the chain gives what its equalities give one by one, and the expression's
// text and field names read as written.
#include <gtest/gtest.h>

#include <random>

#include "dbf/expr/handler.h"
#include "dbf/expr/nodes.h"
#include "expr_fake_link.h"

namespace kestrin::dbf {
namespace {

using testing::FakeTable;

// Letters of both cases (Latin, Cyrillic, Ё), blanks, a tab, the pattern
// characters and a digit.
const std::string kAlphabet = std::string("aAzZ1 \t*?") + "\xE1\xC1\xB8\xA8\xFF\xDF";

std::string randomText(std::mt19937& random, int maxLength) {
  std::uniform_int_distribution<int> length(0, maxLength);
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::string out;
  for (int n = length(random); n > 0; --n) out += kAlphabet[pick(random)];
  return out;
}

// A literal: a value of a record with its letters' case changed at random and
// blanks added, or random text, sometimes with an asterisk at an end.
std::string randomLiteral(std::mt19937& random, const std::vector<std::string>& values) {
  std::uniform_int_distribution<int> kind(0, 9);
  std::string literal;
  const int k = kind(random);
  if (k < 5) {
    literal = values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)];
    for (char& c : literal) {
      const auto u = static_cast<unsigned char>(c);
      const bool letter = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u >= 0xC0;
      if (letter && kind(random) < 3) c = static_cast<char>(u ^ 0x20);                    // the letter's other case
      if ((u == 0xA8 || u == 0xB8) && kind(random) < 3) c = static_cast<char>(u ^ 0x10);  // Ё and ё
    }
  } else {
    literal = randomText(random, 5);
  }
  if (k == 6) literal = "*" + literal;
  if (k == 7) literal += "*";
  if (kind(random) < 2) literal += "  ";
  return literal;
}

struct Chain {
  std::string text;
  std::vector<std::string> operands;
};

Chain randomChain(std::mt19937& random, const std::vector<std::string>& values) {
  std::uniform_int_distribution<int> count(1, 40);
  std::uniform_int_distribution<int> shape(0, 19);
  Chain chain;
  for (int n = count(random); n > 0; --n) {
    const std::string literal = "\"" + randomLiteral(random, values) + "\"";
    const int s = shape(random);
    std::string operand;
    if (s == 0) {
      operand = "(N=" + literal + ")";  // another field ends a run
    } else if (s == 1) {
      operand = "K=" + literal + " AND N<>\"x\"";
    } else if (s == 2) {
      operand = "K==" + literal;
    } else if (s < 10) {
      operand = "K=" + literal;
    } else {
      operand = "(K=" + literal + ")";
    }
    if (!chain.text.empty()) chain.text += shape(random) < 10 ? " OR " : " .OR. ";
    chain.text += operand;
    chain.operands.push_back(operand);
  }
  return chain;
}

TEST(EqualitySet, AnOrChainGivesWhatItsEqualitiesGiveOneByOne) {
  std::mt19937 random(20240611);
  FakeTable table({{"K", 'C', 6}, {"N", 'C', 3}});
  std::vector<std::string> values;
  for (int i = 0; i < 300; ++i) {
    values.push_back(randomText(random, 6));
    table.addRecord({values.back(), randomText(random, 3)});
  }
  int folded = 0;
  for (const bool caseInsensitive : {false, true}) {
    for (const bool partial : {true, false}) {
      for (int round = 0; round < 40; ++round) {
        const Chain chain = randomChain(random, values);
        SCOPED_TRACE(chain.text);
        ExprOptions options;
        options.caseInsensitive = caseInsensitive;
        options.partialCompare = partial;
        ExprHandler whole(&table, "", chain.text, options);
        std::vector<ExprHandler> parts;
        std::string text;
        std::string names;
        for (const std::string& operand : chain.operands) {
          parts.emplace_back(&table, "", operand, options);
          if (!text.empty()) text += ".OR.";
          text += parts.back().getText();
          names += parts.back().listNames(ExprHandler::kFieldClassId);
        }
        EXPECT_EQ(whole.getText(), text);
        EXPECT_EQ(whole.listNames(ExprHandler::kFieldClassId), names);
        if (whole.root()->nodeClass() == expr_detail::NodeClass::EqualitySet) ++folded;
        for (std::size_t recno = 1; recno <= values.size(); ++recno) {
          table.go(recno);
          bool expected = false;
          for (ExprHandler& part : parts) expected = part.evaluate().asBoolean() || expected;
          ASSERT_EQ(whole.evaluate().asBoolean(), expected) << "record " << recno;
        }
      }
    }
  }
  EXPECT_GT(folded, 0);  // some chains were folded whole
}

TEST(EqualitySet, ALongChainOfKeysIsOneLookUp) {
  FakeTable table({{"KOD", 'C', 7}});
  std::string filter;
  for (int i = 1; i <= 5000; ++i) {
    if (!filter.empty()) filter += " OR ";
    std::string key = std::to_string(i);
    filter += "(KOD=\"" + std::string(7 - key.size(), ' ') + key + "\")";
  }
  table.addRecord({"   4999"});
  table.addRecord({"   5001"});
  table.addRecord({"4999"});  // the key left-aligned is another value
  ExprHandler handler(&table, "", filter);
  EXPECT_EQ(handler.root()->nodeClass(), expr_detail::NodeClass::EqualitySet);
  const bool expected[] = {true, false, false};
  for (std::size_t recno = 1; recno <= 3; ++recno) {
    table.go(recno);
    EXPECT_EQ(handler.evaluate().asBoolean(), expected[recno - 1]) << recno;
  }
}

}  // namespace
}  // namespace kestrin::dbf
