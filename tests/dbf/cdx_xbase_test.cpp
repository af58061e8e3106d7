// Cross-check with an independent reader of the format: Perl's XBase::Index
// lists the keys of tags written by the CDX writer, which must match what was
// written, in the same order. Skipped when Perl lacks the module.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cdx_test_support.h"
#include "support/temp_dir.h"
#include "text/cp1251_utf8.h"

namespace kestrin::dbf {
namespace {

using namespace cdxtest;

bool haveXBase() { return std::system("perl -MXBase::Index -e1 >/dev/null 2>&1") == 0; }

std::vector<std::string> perlListing(const std::string& file, const std::string& tag, char type) {
  const std::string command = std::string("perl ") + KESTRIN_SOURCE_DIR + "/tests/dbf/scripts/cdx_list_keys.pl '" +
                              file + "' " + tag + " " + type;
  std::vector<std::string> lines;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return lines;
  std::string output;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  EXPECT_EQ(::pclose(pipe), 0) << command;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out.push_back(digits[c >> 4]);
    out.push_back(digits[c & 15]);
  }
  return out;
}

std::string numberText(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}

TEST(CdxXBase, IndependentReaderFindsTheSameKeysInTheSameOrder) {
  if (!haveXBase()) GTEST_SKIP() << "Perl module XBase::Index (libdbd-xbase-perl) not installed";

  std::mt19937 rng(2024);
  const std::vector<std::string> stems = {"Фонд", "фонд", "Опись", "Дело", "Архив", "Fond", "fond",
                                          "Указ", "ЁЖ",   "1941",  "1945", "А",     "z"};
  std::vector<KeyRec> names;
  std::vector<std::pair<double, std::uint32_t>> amounts, dates;
  for (std::uint32_t r = 1; r <= 6000; ++r) {
    std::string name = text::utf8ToCp1251(stems[rng() % stems.size()]) + " " + std::to_string(rng() % 500);
    names.emplace_back(name, r);
    amounts.emplace_back((static_cast<double>(rng() % 100001) - 50000.0) / 8.0, r);
    dates.emplace_back(2415019 + rng() % 45000, r);
  }
  CdxTagInput byName = characterTag("NAME", 20, names);
  CdxTagInput descending = characterTag("NAMEDESC", 20, names);
  descending.descending = true;
  const std::vector<CdxTagInput> tags = {byName, descending, numberTag("AMOUNT", amounts),
                                         numberTag("WHEN", dates, CdxKeyType::Date), characterTag("EMPTY", 5, {})};
  testing::TempDir dir;
  const std::string path = dir.file("delo.cdx");
  writeCdxFile(path, tags);

  std::vector<std::string> expectedNames;
  std::vector<KeyRec> sortedNames;
  for (const auto& [key, rec] : names) {
    std::string k = key;
    while (!k.empty() && k.back() == ' ') k.pop_back();
    sortedNames.emplace_back(k, rec);
  }
  std::sort(sortedNames.begin(), sortedNames.end());
  for (const auto& [key, rec] : sortedNames) expectedNames.push_back(std::to_string(rec) + "\t" + hex(key));
  EXPECT_EQ(perlListing(path, "NAME", 'C'), expectedNames);
  // The tree of a descending tag is in ascending order like any other.
  EXPECT_EQ(perlListing(path, "NAMEDESC", 'C'), expectedNames);
  EXPECT_TRUE(perlListing(path, "EMPTY", 'C').empty());

  for (const auto& [tag, values] : {std::pair{"AMOUNT", &amounts}, std::pair{"WHEN", &dates}}) {
    std::vector<std::pair<double, std::uint32_t>> sorted = *values;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::string> expected;
    for (const auto& [v, rec] : sorted) expected.push_back(std::to_string(rec) + "\t" + numberText(v));
    EXPECT_EQ(perlListing(path, tag, 'N'), expected) << tag;
  }
}

}  // namespace
}  // namespace kestrin::dbf
