// Filter scans narrowed through an index tag: on random tables, constants and
// options the narrowed scan shows what the scan of every record shows, in the
// same order, stepping from anywhere; the shapes it cannot prove, and damaged
// tags, fall back to the scan of every record.
#include "dbf/cursor/filter_narrowing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "dbf/cursor/table_cursor.h"
#include "dbf/writer/cdx_writer.h"
#include "support/cursor_checks.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::backwardWalk;
using testing::cp;
using testing::forwardWalk;
using testing::TempDir;

constexpr int kKeyWidth = 6;
constexpr int kOtherWidth = 4;

struct Row {
  std::string key;
  std::string other;
  int n = 0;
  bool deleted = false;
};

std::string padded(std::string text, int width) {
  text.resize(static_cast<std::size_t>(width), ' ');
  return text;
}

CdxTagInput tagOf(const char* name, const char* expression, int length) {
  CdxTagInput tag;
  tag.name = name;
  tag.keyExpression = expression;
  tag.keyLength = static_cast<std::uint16_t>(length);
  return tag;
}

// T.DBF (KEY C6, OTHER C4, N N4) and T.CDX with the tags the narrowing can
// use: K (KEY), KO (KEY+OTHER) and KDOWN (KEY, descending). `extraKeys` go
// into every tag of T.CDX as they are.
void writeBase(const TempDir& dir, const std::vector<Row>& rows, const std::vector<CdxKeyEntry>& extraKeys = {}) {
  std::vector<testing::TestRecord> records;
  CdxTagInput byKey = tagOf("K", "KEY", kKeyWidth);
  CdxTagInput byKeyOther = tagOf("KO", "KEY+OTHER", kKeyWidth + kOtherWidth);
  CdxTagInput byKeyDown = tagOf("KDOWN", "KEY", kKeyWidth);
  byKeyDown.descending = true;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    const auto recno = static_cast<std::uint32_t>(i + 1);
    records.push_back({{row.key, row.other, static_cast<double>(row.n)}, row.deleted});
    byKey.keys.push_back({padded(row.key, kKeyWidth), recno});
    byKeyOther.keys.push_back({padded(row.key, kKeyWidth) + padded(row.other, kOtherWidth), recno});
    byKeyDown.keys.push_back({padded(row.key, kKeyWidth), recno});
  }
  for (auto* tag : {&byKey, &byKeyOther, &byKeyDown}) {
    tag->keys.insert(tag->keys.end(), extraKeys.begin(), extraKeys.end());
  }
  testing::writeTable(dir.file("T.DBF"), {{"KEY", 'C', kKeyWidth, 0}, {"OTHER", 'C', kOtherWidth, 0}, {"N", 'N', 4, 0}},
                      records);
  writeCdxFile(dir.file("T.CDX"), {byKey, byKeyOther, byKeyDown});
}

struct View {
  std::vector<std::string> indexFiles;
  std::string tag;
  std::string filter;
  FilterOptions options;
  bool useDeleted = false;
  bool recordFilter = false;
};

std::unique_ptr<TableCursor> openView(const TempDir& dir, const View& view, bool keyRangeScans) {
  auto cursor = std::make_unique<TableCursor>();
  cursor->setDatabaseName(dir.path());
  cursor->setTableName("T.DBF");
  cursor->setExactCount(true);
  cursor->setUseDeleted(view.useDeleted);
  cursor->setIndexFiles(view.indexFiles);
  cursor->setIndexName(view.tag);
  cursor->open();
  cursor->table().setKeyRangeScans(keyRangeScans);
  if (view.recordFilter) {
    cursor->setOnFilterRecord([](TableCursor& c) { return c.fieldByName("N").asInteger() % 3 != 0; });
  }
  cursor->setFilterOptions(view.options);
  cursor->setFilter(view.filter);
  cursor->setFiltered(true);
  return cursor;
}

// The narrowed view against the same view scanned record by record: the
// same records in the same order both ways, the same count, and the same
// record after a step from any record.
void expectSameView(const TempDir& dir, const View& view, int recordCount, std::mt19937& random,
                    const std::string& label) {
  auto narrowed = openView(dir, view, true);
  auto scanned = openView(dir, view, false);
  EXPECT_EQ(forwardWalk(*narrowed), forwardWalk(*scanned)) << label;
  EXPECT_EQ(backwardWalk(*narrowed), backwardWalk(*scanned)) << label;
  EXPECT_EQ(narrowed->recordCount(), scanned->recordCount()) << label;
  for (int i = 0; i < 4; ++i) {
    const int from = std::uniform_int_distribution<int>(1, recordCount)(random);
    const bool forward = i % 2 == 0;
    for (auto* cursor : {narrowed.get(), scanned.get()}) {
      cursor->gotoRecNo(from);
      forward ? cursor->next() : cursor->prior();
    }
    EXPECT_EQ(narrowed->recNo(), scanned->recNo()) << label << " step from " << from;
    EXPECT_EQ(narrowed->eof(), scanned->eof()) << label << " step from " << from;
  }
}

std::string rightAligned(int n) {
  const std::string text = std::to_string(n);
  return std::string(kKeyWidth - text.size(), ' ') + text;
}

std::string randomText(std::mt19937& random, const std::vector<std::string>& alphabet, int maxLength) {
  std::string text;
  for (int n = std::uniform_int_distribution<int>(0, maxLength)(random); n > 0; --n) {
    text += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
  }
  return text;
}

TEST(FilterNarrowing, NarrowedScansShowWhatFullScansShowOnRandomTables) {
  std::mt19937 random(20240612);
  const std::vector<std::string> alphabet = {" ", "1", "2", "a", "A", cp("б"), cp("Б"), "*", "?"};
  const std::string tags[] = {"", "K", "KO", "KDOWN"};
  int views = 0;
  int narrowedViews = 0;
  for (int table = 0; table < 12; ++table) {
    TempDir dir;
    // A small pool of keys, so that keys repeat; right-aligned numbers too.
    std::vector<std::string> pool;
    for (int i = 0; i < 8; ++i)
      pool.push_back(i % 3 == 0 ? rightAligned(i * 7) : randomText(random, alphabet, kKeyWidth));
    std::vector<Row> rows;
    const int count = std::uniform_int_distribution<int>(1, 120)(random);
    for (int i = 0; i < count; ++i) {
      rows.push_back({pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(random)],
                      randomText(random, alphabet, kOtherWidth), i % 7, random() % 5 == 0});
    }
    writeBase(dir, rows);
    for (int c = 0; c < 24; ++c) {
      // A key of the table, maybe with blanks after it, a prefix of it or
      // another case; or any text, up to longer than the field.
      std::string constant = pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(random)];
      switch (c % 4) {
        case 0:
          constant += "  ";
          break;
        case 1:
          constant = constant.substr(0, constant.size() / 2);
          break;
        case 2:
          for (char& ch : constant) ch = static_cast<char>(ch == 'a' ? 'A' : ch == 'A' ? 'a' : ch);
          break;
        default:
          constant = randomText(random, alphabet, kKeyWidth + 2);
      }
      View view;
      view.indexFiles = {"t.cdx"};
      view.tag = tags[c % 4];
      view.filter = c % 6 == 5   ? "\"" + constant + "\"=KEY"
                    : c % 6 == 4 ? "(KEY==\"" + constant + "\")"
                                 : "KEY=\"" + constant + "\"";
      view.options = {random() % 2 == 0, random() % 2 == 0};
      view.useDeleted = random() % 4 == 0;
      view.recordFilter = random() % 3 == 0;
      const std::string label = view.filter + " tag " + view.tag + " ci " +
                                std::to_string(view.options.caseInsensitive) + " nopartial " +
                                std::to_string(view.options.noPartialCompare);
      expectSameView(dir, view, count, random, label);

      // And the same records as a table without index files shows.
      auto narrowed = openView(dir, view, true);
      View plain = view;
      plain.indexFiles.clear();
      plain.tag.clear();
      auto unindexed = openView(dir, plain, true);
      std::vector<int> shown = forwardWalk(*narrowed);
      std::sort(shown.begin(), shown.end());
      EXPECT_EQ(shown, forwardWalk(*unindexed)) << label;
      ++views;
      narrowedViews += narrowed->table().lastScanNarrowed() ? 1 : 0;
    }
  }
  // Most constants here can be narrowed: the comparison above must have met them.
  EXPECT_GT(narrowedViews, views / 3);
}

// Ten rows whose KEY is their number N right-aligned (1, 2, 3, 12, 12, 12,
// 123, 12, 30, 7), record 5 deleted; then "ab" and "AB".
std::vector<Row> numberedRows() {
  std::vector<Row> rows;
  for (int n : {1, 2, 3, 12, 12, 12, 123, 12, 30, 7}) rows.push_back({rightAligned(n), "x", n, rows.size() == 4});
  rows.push_back({"ab", "x", 1, false});
  rows.push_back({"AB", "x", 1, false});
  return rows;
}

TEST(FilterNarrowing, NarrowsOnlyWhatItCanProveAndShowsTheSameRecordsEitherWay) {
  TempDir dir;
  writeBase(dir, numberedRows());
  // Index files the narrowing must not use for KEY: a FOR condition, unique
  // keys, the GENERAL collation, a key that is not the bare field, a key led
  // by another field.
  CdxTagInput withFor = tagOf("FORKEY", "KEY", kKeyWidth);
  withFor.forExpression = "N>5";
  CdxTagInput unique = tagOf("UNIQKEY", "KEY", kKeyWidth);
  unique.unique = true;
  CdxTagInput general = tagOf("GENKEY", "KEY", kKeyWidth);
  general.collation = CdxCollation::General;
  CdxTagInput upper = tagOf("UPKEY", "UPPER(KEY)", kKeyWidth);
  CdxTagInput otherFirst = tagOf("OK", "OTHER+KEY", kKeyWidth + kOtherWidth);
  const auto rows = numberedRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto recno = static_cast<std::uint32_t>(i + 1);
    if (rows[i].n > 5) withFor.keys.push_back({rows[i].key, recno});
    unique.keys.push_back({rows[i].key, recno});
    general.keys.push_back({rows[i].key, recno});
    upper.keys.push_back({rows[i].key, recno});
    otherFirst.keys.push_back({padded(rows[i].other, kOtherWidth) + rows[i].key, recno});
  }
  writeCdxFile(dir.file("FOR.CDX"), {withFor});
  writeCdxFile(dir.file("UNIQ.CDX"), {unique});
  writeCdxFile(dir.file("GEN.CDX"), {general});
  writeCdxFile(dir.file("UP.CDX"), {upper});
  writeCdxFile(dir.file("OK.CDX"), {otherFirst});

  struct Case {
    const char* name;
    std::vector<std::string> indexFiles;
    std::string tag;
    std::string filter;
    FilterOptions options;
    bool narrowed;
    std::vector<int> records;  // physical order
  };
  const Case cases[] = {
      {"selected tag", {"t.cdx"}, "K", "KEY=\"    12\"", {}, true, {4, 6, 8}},
      {"tag not selected", {"t.cdx"}, "", "KEY=\"    12\"", {}, true, {4, 6, 8}},
      {"key FIELD+FIELD", {"t.cdx"}, "KO", "(KEY=\"    12  \")", {}, true, {4, 6, 8}},
      {"descending tag", {"t.cdx"}, "KDOWN", "KEY=\"    12\"", {}, true, {4, 6, 8}},
      {"constant first, patterns off", {"t.cdx"}, "", "\"    12\"=KEY", {false, true}, true, {4, 6, 8}},
      {"case-insensitive digits", {"t.cdx"}, "", "KEY=\"    12\"", {true, false}, true, {4, 6, 8}},
      {"case-insensitive letters", {"t.cdx"}, "K", "KEY=\"ab\"", {true, false}, false, {11, 12}},
      {"case-sensitive letters", {"t.cdx"}, "K", "KEY=\"ab\"", {}, true, {11}},
      {"constant longer than the field", {"t.cdx"}, "", "KEY=\"    12345\"", {}, false, {}},
      {"pattern", {"t.cdx"}, "", "KEY=\"*12\"", {}, false, {4, 6, 7, 8}},
      {"constant first, patterns on", {"t.cdx"}, "", "\"    12\"=KEY", {}, false, {4, 6, 8}},
      {"blank constant", {"t.cdx"}, "", "KEY=\"  \"", {}, false, {}},
      {"another comparison", {"t.cdx"}, "", "KEY#\"    12\"", {}, false, {1, 2, 3, 7, 9, 10, 11, 12}},
      {"a condition besides", {"t.cdx"}, "", "KEY=\"    12\" AND N>0", {}, false, {4, 6, 8}},
      {"tag with FOR condition", {"for.cdx"}, "FORKEY", "KEY=\"    12\"", {}, false, {4, 6, 8}},
      {"unique tag", {"uniq.cdx"}, "", "KEY=\"    12\"", {}, false, {4, 6, 8}},
      {"GENERAL collation", {"gen.cdx"}, "", "KEY=\"    12\"", {}, false, {4, 6, 8}},
      {"key is a function of the field", {"up.cdx"}, "", "KEY=\"    12\"", {}, false, {4, 6, 8}},
      {"key led by another field", {"ok.cdx"}, "", "KEY=\"    12\"", {}, false, {4, 6, 8}},
      {"no index file", {}, "", "KEY=\"    12\"", {}, false, {4, 6, 8}},
  };
  for (const Case& c : cases) {
    View view;
    view.indexFiles = c.indexFiles;
    view.tag = c.tag;
    view.filter = c.filter;
    view.options = c.options;
    auto cursor = openView(dir, view, true);
    EXPECT_EQ(cursor->table().lastScanNarrowed(), c.narrowed) << c.name;
    std::vector<int> shown = forwardWalk(*cursor);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, c.records) << c.name;
    EXPECT_EQ(cursor->recordCount(), static_cast<int>(c.records.size())) << c.name;
  }
}

// The first block of the root node of tag `name` in `path`: root offset at
// the start of its header, found through the directory by the reader.
void damageRootOfTag(const std::string& path, const std::string& name) {
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  std::string image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  auto cdx = CdxFile::openImage("x.cdx", image);
  const std::uint32_t header = cdx->findTag(name)->headerOffset();
  const auto at = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(image[i])); };
  const std::uint32_t root = at(header) | at(header + 1) << 8 | at(header + 2) << 16 | at(header + 3) << 24;
  // A key count no node of 512 bytes can hold.
  file.seekp(static_cast<std::streamoff>(root + 2));
  file.write("\xFF\x7F", 2);
}

TEST(FilterNarrowing, ADamagedTagFallsBackToTheScanOfEveryRecord) {
  TempDir dir;
  writeBase(dir, numberedRows());
  damageRootOfTag(dir.file("T.CDX"), "K");
  View view;
  view.indexFiles = {"t.cdx"};
  view.filter = "KEY=\"    12\"";
  auto cursor = openView(dir, view, true);
  EXPECT_FALSE(cursor->table().lastScanNarrowed());
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{4, 6, 8}));
}

TEST(FilterNarrowing, KeysNamingRecordsPastTheEndOfTheTableAreSkipped) {
  TempDir dir;
  const auto rows = numberedRows();
  writeBase(dir, rows, {{"    12", static_cast<std::uint32_t>(rows.size() + 3)}});
  for (const char* tag : {"", "K"}) {
    View view;
    view.indexFiles = {"t.cdx"};
    view.tag = tag;
    view.filter = "KEY=\"    12\"";
    auto cursor = openView(dir, view, true);
    EXPECT_TRUE(cursor->table().lastScanNarrowed()) << tag;
    std::vector<int> shown = forwardWalk(*cursor);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<int>{4, 6, 8})) << tag;
    EXPECT_EQ(cursor->recordCount(), 3) << tag;
  }
}

TEST(FilterNarrowing, CountingThroughTheBitsHonoursARecordFilterSetAfterTheScan) {
  TempDir dir;
  writeBase(dir, numberedRows());
  View view;
  view.indexFiles = {"t.cdx"};
  view.filter = "KEY=\"    12\"";
  auto cursor = openView(dir, view, true);
  EXPECT_EQ(cursor->recordCount(), 3);
  const int scans = cursor->table().scanCount();
  cursor->setOnFilterRecord([](TableCursor& c) { return c.fieldByName("N").asInteger() != 12; });
  EXPECT_EQ(cursor->table().scanCount(), scans);  // the bits are kept
  EXPECT_EQ(cursor->recordCount(), 0);
  EXPECT_TRUE(forwardWalk(*cursor).empty());
}

TEST(FilterNarrowing, KeyPrefixOfAnEqualityConstant) {
  struct Case {
    std::string literal;
    bool caseInsensitive;
    std::string prefix;
  };
  const Case cases[] = {
      {"     12", false, "     12"},
      {"     12", true, "     12"},
      {"ab  ", false, "ab"},
      {"12ab", true, "12"},
      {"1 ab", true, "1"},  // the blank before a folding letter goes too
      {cp("Архив"), true, ""},
      {cp("Архив"), false, cp("Архив")},
      {std::string("a\0b", 3), false, "a"},
      {"", false, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(equalityKeyPrefix(c.literal, c.caseInsensitive), c.prefix) << c.literal;
  }
}

}  // namespace
}  // namespace kestrin::dbf
