// The demo base exercises the display rules: fond numbers with prefixes and
// letters, volumes, lettered files, every type and movement code, dates the
// rules read and dates they cannot, titles the autoformatting mends.
#include <gtest/gtest.h>

#include <set>

#include "archive/format/date_range.h"
#include "archive/model/storage_places.h"
#include "archive/title/title_autoformat.h"
#include "demo/demo_test_archive.h"
#include "support/cp1251_test_text.h"

namespace kestrin::demo {
namespace {

using kestrin::testing::cp;
using testing::openTable;
using testing::smallArchive;

const std::string& baseFolder() { return smallArchive().archive.baseFolder; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

TEST(DemoContent, FondsWithEveryKindOfNumberYearsAndMovement) {
  auto fonds = openTable(baseFolder(), "FOND.DBF");
  std::set<long long> movements, types;
  bool prefixed = false, plain = false, lettered = false;
  bool noYears = false, firstOnly = false, lastOnly = false, withHistory = false, withFullTitle = false;
  for (fonds->first(); !fonds->eof(); fonds->next()) {
    const std::string number = fonds->fieldByName("FKOD").asString();
    prefixed = prefixed || number.starts_with(cp("Р-"));
    plain = plain || isDigit(number.back());
    lettered = lettered || (!number.empty() && !isDigit(number.back()));
    movements.insert(fonds->fieldByName("A100").asInteger());
    types.insert(fonds->fieldByName("A4").asInteger());
    const auto first = fonds->fieldByName("A7").asInteger(), last = fonds->fieldByName("A9").asInteger();
    noYears = noYears || (first == 0 && last == 0);
    firstOnly = firstOnly || (first != 0 && last == 0);
    lastOnly = lastOnly || (first == 0 && last != 0);
    withHistory = withHistory || !fonds->fieldByName("A109").isNull();
    withFullTitle = withFullTitle || !fonds->fieldByName("A1").isNull();
  }
  EXPECT_TRUE(prefixed && plain && lettered);
  EXPECT_EQ(movements, (std::set<long long>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(types.count(2) && types.count(4));
  EXPECT_TRUE(noYears && firstOnly && lastOnly);
  EXPECT_TRUE(withHistory && withFullTitle);
}

TEST(DemoContent, InventoriesWithVolumesLettersAndMovement) {
  auto inventories = openTable(baseFolder(), "OPIS.DBF");
  bool volume = false, lettered = false, notHeld = false;
  for (inventories->first(); !inventories->eof(); inventories->next()) {
    const std::string number = inventories->fieldByName("OKOD").asString();
    volume = volume || (number.size() > 5 && number[5] != ' ');
    lettered = lettered || (number.size() >= 4 && !isDigit(number[3]) && number[3] != ' ');
    notHeld = notHeld || inventories->fieldByName("G15").asInteger() != 1;
  }
  EXPECT_TRUE(volume);
  EXPECT_TRUE(lettered);
  EXPECT_TRUE(notHeld);
}

TEST(DemoContent, FilesExerciseNumbersTypesDatesAndTitles) {
  auto files = openTable(baseFolder(), "DELO.DBF");
  std::set<long long> types;
  int lettered = 0, bold = 0, unreadable = 0, notation = 0, datesOnly = 0, noDates = 0, mended = 0, memoTitle = 0;
  for (files->first(); !files->eof(); files->next()) {
    const std::string number = files->fieldByName("L1").asString();
    lettered += isDigit(number.back()) ? 0 : 1;
    bold += files->fieldByName("L21").asBoolean() ? 1 : 0;
    types.insert(files->fieldByName("L13").asInteger());
    const std::string dates = files->fieldByName("L10").asString();
    const bool dated = !files->fieldByName("L8").isNull();
    if (dates.empty()) {
      (dated ? datesOnly : noDates) += 1;
    } else {
      const archive::DateRange range = archive::parseDateRange(dates);
      unreadable += range.ok ? 0 : 1;
      notation += range.ok && !range.display.empty() ? 1 : 0;
    }
    const std::string title = files->fieldByName("L4").asString();
    mended += archive::titleAutoformat(title) != title ? 1 : 0;
    memoTitle += files->fieldByName("L5").isNull() ? 0 : 1;
  }
  EXPECT_GT(lettered, 0);
  EXPECT_GT(bold, 0);
  for (long long type = 1; type <= 10; ++type) EXPECT_TRUE(types.count(type)) << "type " << type;
  EXPECT_TRUE(types.count(0) || types.count(11));  // a code without abbreviation
  EXPECT_GT(unreadable, 0);
  EXPECT_GT(notation, 0);
  EXPECT_GT(datesOnly, 0);
  EXPECT_GT(noDates, 0);
  EXPECT_GT(mended, 100);
  EXPECT_GT(memoTitle, 0);
}

TEST(DemoContent, PhotoFilesWithAndWithoutCharacteristics) {
  std::set<std::string> described;
  auto photos = openTable(baseFolder(), "DELO5.DBF");
  for (photos->first(); !photos->eof(); photos->next()) described.insert(photos->fieldByName("DELO").asString());
  auto files = openTable(baseFolder(), "DELO.DBF");
  int with = 0, without = 0;
  for (files->first(); !files->eof(); files->next()) {
    if (files->fieldByName("L13").asInteger() != 6) continue;
    (described.count(files->fieldByName("KOD").asString()) ? with : without) += 1;
  }
  EXPECT_GT(with, 0);
  EXPECT_GT(without, 0);
}

TEST(DemoContent, DocumentsWithTitlesAnnotationsAndDates) {
  auto documents = openTable(baseFolder(), "DOCUM.DBF");
  int untitled = 0, unreadable = 0, dated = 0;
  for (documents->first(); !documents->eof(); documents->next()) {
    if (documents->fieldByName("T2").isNull()) {
      untitled += 1;
      EXPECT_FALSE(documents->fieldByName("T3").isNull());
    }
    const std::string date = documents->fieldByName("T9").asString();
    unreadable += !date.empty() && !archive::parseDateRange(date).ok ? 1 : 0;
    dated += date.empty() && !documents->fieldByName("T8").isNull() ? 1 : 0;
  }
  EXPECT_GT(untitled, 0);
  EXPECT_GT(unreadable, 0);
  EXPECT_GT(dated, 0);
}

TEST(DemoContent, StorageListGivesPlacesToFonds) {
  const std::vector<std::string> lines = archive::loadStorageList(baseFolder());
  ASSERT_GT(lines.size(), 10u);
  archive::StoragePlaces places(lines);
  auto fonds = openTable(baseFolder(), "FOND.DBF");
  int placed = 0, several = 0;
  for (fonds->first(); !fonds->eof(); fonds->next()) {
    const std::string place =
        places.placeOf(fonds->fieldByName("KOD").asString(), fonds->fieldByName("FKOD").asString());
    placed += place.empty() ? 0 : 1;
    several += place.find(',') == std::string::npos ? 0 : 1;
  }
  EXPECT_GT(placed, 0);
  EXPECT_GT(several, 0);
}

}  // namespace
}  // namespace kestrin::demo
