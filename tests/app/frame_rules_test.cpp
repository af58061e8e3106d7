// The rules behind the main window: settings applied, column widths, window
// placement, edge snapping, the search strip, the query history, the start-up checks.
#include <gtest/gtest.h>

#include <array>

#include "app/column_widths.h"
#include "app/frame_settings.h"
#include "app/query_history.h"
#include "app/startup_checks.h"
#include "app/window_geometry.h"
#include "support/case_names.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"
#include "text/cp1251_utf8.h"

namespace kestrin::app {
namespace {

using kestrin::testing::readFileBytes;
using kestrin::testing::TempDir;
using kestrin::testing::writeFileBytes;

IniFile iniWith(const TempDir& dir, const std::string& text) {
  writeFileBytes(dir.file("k.ini"), text);
  return IniFile(dir.file("k.ini"));
}

struct ModeCase {
  const char* keys;
  LastRecordMode previous;
  LastRecordMode expected;
};

class LastRecordModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(LastRecordModeTest, LastTrueKeyWins) {
  TempDir dir;
  const IniFile ini = iniWith(dir, std::string("[Main]\r\n") + GetParam().keys);
  EXPECT_EQ(loadFrameSettings(ini, 8, GetParam().previous).lastRecordMode, GetParam().expected) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LastRecordModeTest,
    ::testing::Values(
        ModeCase{"", LastRecordMode::none, LastRecordMode::nextParent},
        ModeCase{"LastBeep=0\r\nLastFirst=0\r\nLastNext=1\r\n", LastRecordMode::none, LastRecordMode::nextParent},
        ModeCase{"LastBeep=1\r\nLastFirst=0\r\nLastNext=0\r\n", LastRecordMode::none, LastRecordMode::beep},
        ModeCase{"LastBeep=1\r\nLastFirst=1\r\nLastNext=0\r\n", LastRecordMode::none, LastRecordMode::wrap},
        ModeCase{"LastBeep=0\r\nLastFirst=0\r\nLastNext=0\r\n", LastRecordMode::none, LastRecordMode::none},
        ModeCase{"LastBeep=0\r\nLastFirst=0\r\nLastNext=0\r\n", LastRecordMode::wrap, LastRecordMode::wrap}),
    kestrin::testing::labelled([](const ModeCase& c) { return c.keys; }));

TEST(FrameSettings, DefaultsWhenNothingIsSet) {
  TempDir dir;
  const FrameSettings f = loadFrameSettings(IniFile(dir.file("none.ini")), 9, LastRecordMode::none);
  EXPECT_EQ(f.gridFontSize, 11);  // FontLarge defaults to on
  EXPECT_TRUE(f.infoInMain);
  EXPECT_EQ(f.infoPanelHeight, 120);
  EXPECT_FALSE(f.tabs);
  EXPECT_TRUE(f.menuXp);
  EXPECT_TRUE(f.kolRec);
  EXPECT_TRUE(f.colorTypes);
  EXPECT_TRUE(f.nalOpis);
}

TEST(FrameSettings, KeysApplied) {
  TempDir dir;
  const IniFile ini = iniWith(dir,
                              "[Main]\r\nFontLarge=0\r\nInfoInMain=0\r\npnInfo=200\r\nTabs=1\r\nMenuXP=0\r\n"
                              "KolRec=0\r\nColorTypes=0\r\nNalOpis=0\r\n");
  const FrameSettings f = loadFrameSettings(ini, 9, LastRecordMode::none);
  EXPECT_EQ(f.gridFontSize, 9);
  EXPECT_FALSE(f.infoInMain);
  EXPECT_EQ(f.infoPanelHeight, 200);
  EXPECT_TRUE(f.tabs);
  EXPECT_FALSE(f.menuXp);
  EXPECT_FALSE(f.kolRec);
  EXPECT_FALSE(f.colorTypes);
  EXPECT_FALSE(f.nalOpis);
}

TEST(ColumnWidths, RestoredWithinLimitsAndTitleTakesTheRoom) {
  TempDir dir;
  const IniFile ini = iniWith(dir, "[FondColumns]\r\n0=200\r\n1=500\r\n2=3\r\n3=abc\r\n4=33\r\n");
  const std::vector<int> current = {40, 300, 22, 22, 32, 60, 52};
  const std::vector<int> widths = restoredColumnWidths(ini, 0, current, 600, 17);
  // 0: 200 -> 70; 2: 3 -> 10; 3: not a number -> current 22; 4: 33; 5, 6 as they were.
  const std::vector<int> expected = {70, 600 - 17 - (70 + 10 + 22 + 33 + 60 + 52), 10, 22, 33, 60, 52};
  EXPECT_EQ(widths, expected);
  // The title column takes whatever remains, even a negative width.
  EXPECT_LT(restoredColumnWidths(ini, 0, current, 100, 17)[1], 0);
  // Another grid's section is another grid's business.
  EXPECT_EQ(restoredColumnWidths(ini, 2, {40, 301, 32, 60, 52}, 600, 17)[0], 40);
}

TEST(ColumnWidths, SavedWithoutTheTitleColumn) {
  TempDir dir;
  IniFile ini(dir.file("k.ini"));
  saveColumnWidths(ini, 3, {40, 300, 70});
  EXPECT_EQ(readFileBytes(dir.file("k.ini")), "[DocColumns]\r\n0=40\r\n2=70\r\n");
  EXPECT_EQ(columnSection(0), "FondColumns");
  EXPECT_EQ(columnSection(1), "OpisColumns");
  EXPECT_EQ(columnSection(2), "DeloColumns");
}

TEST(WindowPlacement, InitialSizeIsHalfTheScreen) {
  EXPECT_EQ(initialWindowSize(1280), (Size{640, 512}));
  EXPECT_EQ(initialWindowSize(1366), (Size{683, 546}));  // 546.4 rounds down
  EXPECT_EQ(initialWindowSize(1025), (Size{512, 410}));  // 409.6 rounds up
}

TEST(WindowPlacement, RestoredBoundsAreClamped) {
  TempDir dir;
  const Rect workArea{0, 0, 1280, 770};
  const Rect current{100, 100, 640, 512};
  const IniFile big = iniWith(dir, "[Main]\r\nLeft=-30\r\nTop=-5\r\nWidth=5000\r\nHeight=900\r\n");
  EXPECT_EQ(restoredPlacement(big, current, std::array{workArea}).bounds, (Rect{0, 0, 1280, 770}));

  TempDir other;
  const IniFile partial = iniWith(other, "[Main]\r\nLeft=50\r\n");
  const Placement p = restoredPlacement(partial, current, std::array{workArea});
  EXPECT_FALSE(p.maximized);
  EXPECT_EQ(p.bounds, (Rect{50, 100, 640, 512}));

  TempDir third;
  EXPECT_TRUE(restoredPlacement(iniWith(third, "[Main]\r\nMaximized=1\r\nLeft=5\r\n"), current, std::array{workArea})
                  .maximized);
}

TEST(WindowPlacement, SavedKeys) {
  TempDir dir;
  IniFile ini(dir.file("k.ini"));
  saveWindowPlacement(ini, {10, 20, 700, 560}, false, 133);
  EXPECT_EQ(readFileBytes(dir.file("k.ini")),
            "[Main]\r\nTop=20\r\nLeft=10\r\nWidth=700\r\nHeight=560\r\nMaximized=0\r\npnInfo=133\r\n");
}

struct SnapCase {
  const char* name;
  Rect proposed;
  Rect expected;
};

class EdgeSnapTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(EdgeSnapTest, SnapsToTheWorkArea) {
  const Rect workArea{0, 30, 1280, 740};  // a panel at the top
  EXPECT_EQ(snapToWorkArea(GetParam().proposed, workArea), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EdgeSnapTest,
    ::testing::Values(SnapCase{"left_15_away", {15, 300, 600, 400}, {0, 300, 600, 400}},
                      SnapCase{"left_20_away", {20, 300, 600, 400}, {0, 300, 600, 400}},
                      SnapCase{"left_21_away_stays", {21, 300, 600, 400}, {21, 300, 600, 400}},
                      SnapCase{"left_beyond_the_edge", {-50, 300, 600, 400}, {0, 300, 600, 400}},
                      SnapCase{"right_10_short", {670, 300, 600, 400}, {680, 300, 600, 400}},
                      SnapCase{"top_within_20_of_the_panel", {300, 40, 600, 400}, {300, 30, 600, 400}},
                      SnapCase{"bottom", {300, 360, 600, 400}, {300, 370, 600, 400}},
                      SnapCase{"wider_than_the_area_left_wins", {10, 50, 1300, 400}, {0, 30, 1300, 400}},
                      SnapCase{"in_the_middle", {400, 200, 600, 400}, {400, 200, 600, 400}}),
    kestrin::testing::byName);

TEST(SearchStrip, ButtonKeepsTheSmallestWindowsPlace) {
  EXPECT_EQ(searchButtonLeft(1280, 1280, 75), 512 - 75 - 4);
  EXPECT_EQ(searchButtonLeft(513, 513, 75), 512 - 75 - 4);
  EXPECT_EQ(searchButtonLeft(512, 504, 75), 504 - 75 - 4);
}

TEST(QueryHistory, LoadTrimsAndSkipsEmptyEntries) {
  TempDir dir;
  const IniFile ini = iniWith(dir, "[Query]\r\n0=  first \r\n1=\r\n2=third\r\n10=eleventh\r\n9=tenth\r\n");
  EXPECT_EQ(loadQueryHistory(ini), (std::vector<std::string>{"first", "third", "tenth"}));
}

TEST(QueryHistory, AtMostTenSavedAndLongerOldKeysKept) {
  TempDir dir;
  IniFile ini = iniWith(dir, "[Query]\r\n0=old0\r\n1=old1\r\n2=old2\r\n");
  saveQueryHistory(ini, {"a", "", "c"});
  EXPECT_EQ(ini.readString("Query", "0", ""), "a");
  EXPECT_EQ(ini.readString("Query", "1", ""), "old1");  // an empty entry is skipped
  EXPECT_EQ(ini.readString("Query", "2", ""), "c");

  std::vector<std::string> twelve;
  for (int i = 0; i < 12; ++i) twelve.push_back("q" + std::to_string(i));
  saveQueryHistory(ini, twelve);
  EXPECT_EQ(loadQueryHistory(ini).size(), 10u);
  EXPECT_FALSE(ini.hasKey("Query", "10"));
  EXPECT_EQ(ini.readString("Query", "9", ""), "q9");
}

TEST(StartupChecks, FirstMissingLevelTableNamesTheCaption) {
  TempDir dir;
  const std::string folder = dir.path() + "/";
  const auto caption = [&] {
    const auto text = missingBaseFileCaption(folder);
    return text ? text::cp1251ToUtf8(*text) : std::string("<all there>");
  };
  EXPECT_EQ(caption(), "Файл \"" + folder + "Fond.dbf\" не найден.");
  writeFileBytes(folder + "FOND.DBF", "");
  writeFileBytes(folder + "opis.DBF", "");
  EXPECT_EQ(caption(), "Файл \"" + folder + "Delo.dbf\" не найден.");
  writeFileBytes(folder + "DELO.DBF", "");
  writeFileBytes(folder + "DOCUM.DBF", "");
  EXPECT_EQ(caption(), "<all there>");
  EXPECT_EQ(text::cp1251ToUtf8(*missingBaseFileCaption("")), "Файл \"Fond.dbf\" не найден.");
}

}  // namespace
}  // namespace kestrin::app
