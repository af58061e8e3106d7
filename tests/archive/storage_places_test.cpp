// The storage list "Hran.txt" and the storage places it gives fonds.
#include "archive/model/storage_places.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/cp1251_test_text.h"
#include "support/temp_dir.h"

namespace kestrin::archive {
namespace {

using testing::cp;
using testing::utf8;

std::vector<std::string> utf8Lines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& line : lines) out.push_back(utf8(line));
  return out;
}

struct ListCase {
  const char* name;
  const char* file;
  std::vector<std::string> lines;
};

void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }

class StorageListLinesTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(StorageListLinesTest, SortsWithoutCaseAndDropsDuplicates) {
  EXPECT_EQ(utf8Lines(storageListLines(cp(GetParam().file))), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Files, StorageListLinesTest,
                         ::testing::Values(ListCase{"Empty", "", {}},
                                           ListCase{"LineBreaks", "3\tВ\r\n1\tА\r2\tБ\n", {"1\tА", "2\tБ", "3\tВ"}},
                                           ListCase{"NoFinalBreak", "2\tx\n1\ty", {"1\ty", "2\tx"}},
                                           ListCase{"EmptyLinesKeptOnce", "1\ta\n\n\n2\tb\n", {"", "1\ta", "2\tb"}},
                                           ListCase{"SortedWithoutCase", "р-2\tb\nР-1\ta\n", {"Р-1\ta", "р-2\tb"}},
                                           ListCase{"AlphabeticalOrder",
                                                    "12\tж\n12\tе\n12\tZ\n12\ta\n",
                                                    {"12\ta", "12\tZ", "12\tе", "12\tж"}},
                                           ListCase{"FirstOfCaseDuplicatesKept", "12а\tк.1\n12А\tК.1\n", {"12а\tк.1"}}),
                         [](const auto& p) { return std::string(p.param.name); });

struct Request {
  const char* kod;
  const char* fkod;
  const char* place;
};

struct PlacesCase {
  const char* name;
  std::vector<std::string> lines;  // UTF-8, in list order
  std::vector<Request> requests;   // asked in this order
};

void PrintTo(const PlacesCase& c, std::ostream* out) { *out << c.name; }

class StoragePlacesTest : public ::testing::TestWithParam<PlacesCase> {};

TEST_P(StoragePlacesTest, EachLineServesTheFirstRecordThatAsks) {
  std::vector<std::string> lines;
  for (const auto& line : GetParam().lines) lines.push_back(cp(line.c_str()));
  StoragePlaces places(lines);
  int n = 0;
  for (const Request& r : GetParam().requests) {
    EXPECT_EQ(utf8(places.placeOf(cp(r.kod), cp(r.fkod))), r.place) << "request " << ++n << " kod " << r.kod;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, StoragePlacesTest,
    ::testing::Values(
        PlacesCase{
            "BlanksAroundBothPartsIgnored", {"   Р- 12а  \t  к. 3, к. 4  "}, {{"      1", "Р- 12а", "к. 3, к. 4"}}},
        PlacesCase{"StoredNumberTrimmed", {"123\tА-1"}, {{"      1", "     123 ", "А-1"}}},
        PlacesCase{"CaseAndInnerBlanksCount",
                   {"12а\tА-1", "Р-  5\tБ-2"},
                   {{"      1", "12А", ""}, {"      2", "Р-5", ""}, {"      3", "Р-  5", "Б-2"}}},
        PlacesCase{"LinesWithoutTabIgnored", {"12 А-1", "12\tБ-2"}, {{"      1", "12", "Б-2"}}},
        PlacesCase{"SameRecordKeepsItsPlace", {"7\tВ-1"}, {{"      4", "7", "В-1"}, {"      4", "7", "В-1"}}},
        PlacesCase{"SecondRecordWithSameNumberGetsNothing",
                   {"7\tВ-1"},
                   {{"      4", "7", "В-1"}, {"      5", "7", ""}, {"      4", "7", "В-1"}}},
        PlacesCase{"SecondLineOfANumberServesTheNextRecord",
                   {"7\tВ-1", "7\tВ-2"},
                   {{"      4", "7", "В-1"}, {"      5", "7", "В-2"}, {"      6", "7", ""}}},
        PlacesCase{"NotFoundIsSearchedAgain", {}, {{"      1", "9", ""}, {"      1", "9", ""}}},
        PlacesCase{"KeyThatIsNotANumber", {"9\tГ-1"}, {{"     1a", "9", ""}, {"", "9", ""}, {"      2", "9", "Г-1"}}},
        PlacesCase{"CacheBounds",
                   {"1\ta", "2\tb", "3\tc", "4\td"},
                   {{"      0", "1", "a"}, {"  10000", "2", "b"}, {"      0", "1", "a"}, {"  10000", "2", "b"}}},
        // Beyond the cache table, fonds keep their places in a store of their own.
        PlacesCase{"KeysOutsideTheCache",
                   {"1\ta", "2\tb"},
                   {{"  10001", "1", "a"}, {"  10001", "1", "a"}, {"     -1", "2", "b"}, {"     -1", "2", "b"}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(StoragePlaces, PlaceIsCutTo1024CharactersAfterTheTab) {
  const std::string place = std::string(1030, 'x');
  StoragePlaces places({"1\t " + place});
  EXPECT_EQ(places.placeOf("      1", "1"), std::string(1023, 'x'));
}

TEST(LoadStorageList, FindsHranTxtWithoutRegardToCase) {
  kestrin::testing::TempDir dir;
  EXPECT_TRUE(loadStorageList(dir.path()).empty());
  kestrin::testing::writeFileBytes(dir.file("HRAN.TXT"), cp("2\tБ\r\n1\tА\r\n"));
  EXPECT_EQ(utf8Lines(loadStorageList(dir.path())), (std::vector<std::string>{"1\tА", "2\tБ"}));
}

TEST(LoadStorageList, FolderNamedLikeTheListIsNoList) {
  kestrin::testing::TempDir dir;
  std::filesystem::create_directory(dir.file("Hran.txt"));  // a folder, not a list
  EXPECT_TRUE(loadStorageList(dir.path()).empty());
}

}  // namespace
}  // namespace kestrin::archive
