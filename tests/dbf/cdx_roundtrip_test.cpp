// Files written by the CDX writer, read back by the reader and checked
// against a sorted model: walks both ways, random seeks, positioning.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "cdx_test_support.h"
#include "dbf/cdx/cdx_general_collation.h"
#include "support/case_names.h"
#include "support/temp_dir.h"
#include "text/cp1251_utf8.h"

namespace kestrin::dbf {
namespace {

using namespace cdxtest;

std::string trimmed(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// Random keys over a small alphabet (Latin, Cyrillic, digits, inner blanks) so
// that duplicates and shared prefixes are common.
std::vector<KeyRec> randomKeys(std::size_t count, std::size_t width, std::uint32_t seed) {
  static const std::string alphabet = "AB Cab19\xC0\xC1\xE0\xFF";
  std::mt19937 rng(seed);
  std::vector<KeyRec> keys;
  for (std::uint32_t r = 1; r <= count; ++r) {
    std::string key(1 + rng() % width, ' ');
    for (char& c : key) c = alphabet[rng() % alphabet.size()];
    keys.emplace_back(key, r);
  }
  return keys;
}

std::vector<KeyRec> model(const std::vector<KeyRec>& keys) {
  std::vector<KeyRec> m;
  for (const auto& [key, rec] : keys) m.emplace_back(trimmed(key), rec);
  std::sort(m.begin(), m.end());
  return m;
}

std::vector<KeyRec> reversed(std::vector<KeyRec> v) {
  std::reverse(v.begin(), v.end());
  return v;
}

// Seeks `key` and checks the result and the position against the model.
void expectSeek(CdxTag& tag, const std::vector<KeyRec>& m, const std::string& key, CdxMatch match) {
  SCOPED_TRACE("seek '" + key + (match == CdxMatch::Partial ? "' partial" : "' exact"));
  const auto at = std::lower_bound(m.begin(), m.end(), KeyRec{key, 0});
  const bool found = at != m.end() && (match == CdxMatch::Partial ? at->first.starts_with(key) : at->first == key);
  EXPECT_EQ(tag.seek(key, match), found ? at->second : 0u);
  if (at == m.end()) {
    EXPECT_EQ(tag.recNo(), 0u);
    return;
  }
  EXPECT_EQ(tag.recNo(), at->second);
  EXPECT_EQ(tag.currentKey(), at->first);
  const std::uint32_t after = tag.next();
  EXPECT_EQ(after, at + 1 == m.end() ? 0u : (at + 1)->second);
}

class CdxCharacterRoundTrip : public ::testing::TestWithParam<std::tuple<std::size_t, std::uint16_t>> {};

TEST_P(CdxCharacterRoundTrip, WalksAndSeeksMatchTheModel) {
  const auto [count, width] = GetParam();
  const std::vector<KeyRec> keys = randomKeys(count, width, static_cast<std::uint32_t>(count * 31 + width));
  const std::vector<KeyRec> m = model(keys);
  auto file = openImage({characterTag("NAME", width, keys)});
  CdxTag& tag = *file->findTag("NAME");

  EXPECT_EQ(walk(tag, true), m);
  EXPECT_EQ(walk(tag, false), reversed(m));

  std::mt19937 rng(7);
  for (int i = 0; i < 300 && !m.empty(); ++i) {
    const std::string& present = m[rng() % m.size()].first;
    expectSeek(tag, m, present, CdxMatch::Exact);
    if (!present.empty()) expectSeek(tag, m, present.substr(0, 1 + rng() % present.size()), CdxMatch::Partial);
    expectSeek(tag, m, randomKeys(1, width, static_cast<std::uint32_t>(rng()))[0].first, CdxMatch::Exact);
  }
  expectSeek(tag, m, "\xFF\xFF\xFF", CdxMatch::Partial);
}

INSTANTIATE_TEST_SUITE_P(SizesAndWidths, CdxCharacterRoundTrip,
                         ::testing::Values(std::make_tuple(1, 10), std::make_tuple(60, 10), std::make_tuple(5000, 10),
                                           std::make_tuple(3000, 1), std::make_tuple(2000, 240),
                                           std::make_tuple(40000, 12)),
                         kestrin::testing::labelled([](const auto& c) {
                           return "n" + std::to_string(std::get<0>(c)) + "_w" + std::to_string(std::get<1>(c));
                         }));

TEST(CdxRoundTrip, EmptyTagGivesBofFirstAndEofLast) {
  auto file = openImage({characterTag("NAME", 10, {})});
  CdxTag& tag = *file->findTag("NAME");
  EXPECT_EQ(tag.first(), 0u);
  EXPECT_TRUE(tag.bof());
  EXPECT_EQ(tag.last(), 0u);
  EXPECT_TRUE(tag.eof());
  EXPECT_EQ(tag.seek("A", CdxMatch::Partial), 0u);
  EXPECT_EQ(tag.positionOnRecord("A", 1).recNo, 0u);
}

TEST(CdxRoundTrip, DescendingTagStartsAtTheGreatestKey) {
  const std::vector<KeyRec> keys = randomKeys(3000, 8, 11);
  CdxTagInput input = characterTag("DESC", 8, keys);
  input.descending = true;
  auto file = openImage({input});
  CdxTag& tag = *file->findTag("DESC");
  ASSERT_TRUE(tag.descending());
  const std::vector<KeyRec> m = model(keys);
  EXPECT_EQ(walk(tag, true), reversed(m));
  EXPECT_EQ(walk(tag, false), m);
  // EOF at the end of the descending order, BOF before its start.
  tag.last();
  EXPECT_EQ(tag.next(), 0u);
  EXPECT_TRUE(tag.eof());
  EXPECT_FALSE(tag.bof());
  EXPECT_EQ(tag.prior(), m.front().second);
  tag.first();
  EXPECT_EQ(tag.prior(), 0u);
  EXPECT_TRUE(tag.bof());
}

TEST(CdxRoundTrip, EqualKeysInRecordOrder) {
  auto file = openImage({characterTag("K", 5, {{"B", 9}, {"A", 7}, {"B", 2}, {"B", 5}, {"A", 1}})});
  EXPECT_EQ(walk(*file->findTag("K"), true), (std::vector<KeyRec>{{"A", 1}, {"A", 7}, {"B", 2}, {"B", 5}, {"B", 9}}));
}

TEST(CdxRoundTrip, NumberAndDateTags) {
  std::mt19937 rng(3);
  std::vector<std::pair<double, std::uint32_t>> numbers;
  for (std::uint32_t r = 1; r <= 20000; ++r) {
    numbers.emplace_back(static_cast<double>(static_cast<int>(rng() % 4001) - 2000) / 4, r);
  }
  std::vector<std::pair<double, std::uint32_t>> dates;
  for (std::uint32_t r = 1; r <= 3000; ++r) dates.emplace_back(2415019 + rng() % 40000, r);
  auto file = openImage({numberTag("AMOUNT", numbers), numberTag("WHEN", dates, CdxKeyType::Date)});

  for (auto [name, values, type] :
       {std::tuple{"AMOUNT", &numbers, CdxKeyType::Numeric}, std::tuple{"WHEN", &dates, CdxKeyType::Date}}) {
    SCOPED_TRACE(name);
    CdxTag& tag = *file->findTag(name);
    tag.setKeyType(type);
    std::vector<KeyRec> m;
    for (const auto& [v, r] : *values) m.emplace_back(cdxNumberSearchKey(v), r);
    std::sort(m.begin(), m.end());
    EXPECT_EQ(walk(tag, true), m);
    EXPECT_EQ(walk(tag, false), reversed(m));
    for (int i = 0; i < 300; ++i) {
      const double v = (*values)[rng() % values->size()].first + (i % 3 == 0 ? 0.125 : 0.0);
      expectSeek(tag, m, tag.keyFromNumber(v), CdxMatch::Exact);
      // Numbers never match partially: 1.0 does not find 1.0000001.
      expectSeek(tag, m, tag.keyFromNumber(v), CdxMatch::Partial);
    }
  }
}

TEST(CdxRoundTrip, NegativeNumbersAreFoundExactly) {
  auto file = openImage({numberTag("N", {{-1.0, 1}, {-0.5, 2}, {0.0, 3}, {1.0, 4}})});
  CdxTag& tag = *file->findTag("N");
  tag.setKeyType(CdxKeyType::Numeric);
  EXPECT_EQ(tag.seek(tag.keyFromNumber(-1.0), CdxMatch::Exact), 1u);
  EXPECT_EQ(tag.seek(tag.keyFromNumber(-0.5), CdxMatch::Exact), 2u);
  EXPECT_EQ(tag.seek(cdxNumberKeyBytes(1.0), CdxMatch::Exact), 4u) << "untrimmed keys work too";
  EXPECT_EQ(tag.seek(tag.keyFromNumber(0.0), CdxMatch::Exact), 3u);
}

TEST(CdxRoundTrip, UniqueTagKeepsTheFirstRecordOfEachKey) {
  CdxTagInput input = characterTag("U", 4, {{"B", 4}, {"A", 3}, {"B", 1}, {"A", 2}});
  input.unique = true;
  auto file = openImage({input});
  CdxTag& tag = *file->findTag("U");
  EXPECT_TRUE(tag.unique());
  EXPECT_EQ(walk(tag, true), (std::vector<KeyRec>{{"A", 2}, {"B", 1}}));
}

TEST(CdxRoundTrip, ForConditionIsRecordedWithTheKeyExpression) {
  CdxTagInput input = characterTag("LIVE", 7, {{"1", 1}, {"3", 3}});
  input.keyExpression = "KOD";
  input.forExpression = "!DELETED() .AND. G15=1";
  auto file = openImage({input, characterTag("PLAIN", 7, {{"1", 1}})});
  const CdxTag& live = *file->findTag("live");
  EXPECT_TRUE(live.hasForCondition());
  EXPECT_EQ(live.keyExpression(), "KOD");
  EXPECT_EQ(live.forExpression(), "!DELETED() .AND. G15=1");
  const CdxTag& plain = *file->findTag("PLAIN");
  EXPECT_FALSE(plain.hasForCondition());
  EXPECT_EQ(plain.forExpression(), "");
  EXPECT_EQ(plain.collationName(), "MACHINE");
}

TEST(CdxRoundTrip, GeneralCollationOrdersWordsAndFindsPrefixes) {
  std::vector<KeyRec> keys;
  const std::vector<std::string> words = {"Яблоко", "архив", "Дело", "ёлка", "Ель", "дело",  "Zebra",
                                          "apple",  "10",    "9",    "ёж",   "Ёж",  "Архивы"};
  std::uint32_t r = 0;
  for (const std::string& w : words) keys.emplace_back(text::utf8ToCp1251(w), ++r);
  CdxTagInput input = characterTag("TITLE", 12, keys);
  input.collation = CdxCollation::General;
  auto file = openImage({input});
  CdxTag& tag = *file->findTag("TITLE");
  EXPECT_EQ(tag.collation(), CdxCollation::General);
  EXPECT_EQ(tag.keyLength(), 24);

  std::vector<KeyRec> m;
  for (const auto& [key, rec] : keys) {
    std::string padded = key;
    padded.resize(12, ' ');
    m.emplace_back(generalCollationKey(padded), rec);
  }
  std::sort(m.begin(), m.end());
  EXPECT_EQ(walk(tag, true), m);

  auto padded = [](const std::string& utf8) {
    std::string s = text::utf8ToCp1251(utf8);
    s.resize(12, ' ');
    return s;
  };
  // Letters of both cases weigh the same; the first record of equal keys is found.
  EXPECT_EQ(tag.seek(tag.keyFromText(text::utf8ToCp1251("ДЕЛ")), CdxMatch::Partial), 3u);
  // A prefix compares primary weights only, so Е finds Ё ...
  EXPECT_EQ(tag.seek(tag.keyFromText(text::utf8ToCp1251("ЕЛК")), CdxMatch::Partial), 4u);
  // ... while whole keys differ in their secondary weights.
  EXPECT_EQ(tag.seek(tag.keyFromText(padded("ёлка"), false), CdxMatch::Exact), 4u);
  EXPECT_EQ(tag.seek(tag.keyFromText(padded("елка"), false), CdxMatch::Exact), 0u);
}

TEST(CdxRoundTrip, TagsAreFoundByNameWithoutRegardToCase) {
  auto file = openImage(
      {characterTag("NAME", 10, {{"X", 1}}), characterTag("fkod", 7, {{"1", 1}}), characterTag("Date", 8, {{"1", 1}})});
  ASSERT_EQ(file->tagCount(), 3u);
  EXPECT_EQ(file->tag(0).name(), "DATE");
  EXPECT_EQ(file->tag(1).name(), "FKOD");
  EXPECT_EQ(file->tag(2).name(), "NAME");
  ASSERT_NE(file->findTag("fkod"), nullptr);
  EXPECT_EQ(file->findTag("fkod")->name(), "FKOD");
  EXPECT_EQ(file->findTag("FKOD")->keyLength(), 7);
  EXPECT_EQ(file->findTag("KOD"), nullptr);
}

TEST(CdxRoundTrip, SameInputSameBytesAndOpensFromDisk) {
  const std::vector<CdxTagInput> tags = {characterTag("NAME", 10, randomKeys(2000, 10, 5)),
                                         numberTag("N", {{2, 1}, {1, 2}})};
  const std::string image = buildCdxImage(tags);
  EXPECT_EQ(buildCdxImage(tags), image);

  testing::TempDir dir;
  writeCdxFile(dir.file("FOND.CDX"), tags);
  EXPECT_EQ(testing::readFileBytes(dir.file("FOND.CDX")), image);
  auto file = CdxFile::open(dir.file("fond"));  // extension added, case ignored
  EXPECT_EQ(file->fileName(), dir.file("fond") + ".cdx");
  EXPECT_EQ(walk(*file->findTag("NAME"), true), model(randomKeys(2000, 10, 5)));
}

}  // namespace
}  // namespace kestrin::dbf
