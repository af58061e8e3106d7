// The settings dialog's rules without a display: what it shows for a
// settings file (its own defaults, the later key of a radio group winning),
// what OK writes, and when a folder counts as changed.
#include "app/setup_options.h"

#include <gtest/gtest.h>

#include "app/settings_keys.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

using kestrin::testing::TempDir;
using kestrin::testing::writeFileBytes;
using Last = SetupOptions::Last;

struct LoadCase {
  const char* name;
  const char* file;  // nullptr: no settings file
  SetupContext context;
  SetupOptions expected;
};

SetupOptions shown(void (*change)(SetupOptions&)) {
  SetupOptions o;
  o.baseFolder = "/base";
  o.photoFolder = "/photo";
  change(o);
  return o;
}

const SetupContext kContext{true, true, "/base/", "/photo/"};

class SetupLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(SetupLoadTest, ShowsTheFile) {
  const LoadCase& c = GetParam();
  TempDir dir;
  if (c.file) writeFileBytes(dir.file("Kestrin.ini"), c.file);
  const IniFile settings(dir.file("Kestrin.ini"));
  EXPECT_EQ(loadSetupOptions(settings, c.context), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetupLoadTest,
    ::testing::Values(
        // Tabs shown, the normal font and "first" although the window runs
        // without tabs, with the large font and the last-record mode 3.
        LoadCase{"no_file", nullptr, kContext, shown([](SetupOptions&) {})},
        LoadCase{"flags_from_the_program_when_absent",
                 "[Main]\r\nTabs=0\r\n",
                 {false, false, "/base/", "/photo/"},
                 shown([](SetupOptions& o) {
                   o.tabs = false;
                   o.execQuery = false;
                   o.nalOpis = false;
                 })},
        LoadCase{"small_font_after_large_wins", "[Main]\r\nFontLarge=1\r\nFontSmall=1\r\n", kContext,
                 shown([](SetupOptions&) {})},
        LoadCase{"large_font", "[Main]\r\nFontLarge=1\r\nFontSmall=0\r\n", kContext,
                 shown([](SetupOptions& o) { o.fontLarge = true; })},
        LoadCase{"show_info_after_select_wins", "[Main]\r\nSelectOpis=1\r\nShowInfo=1\r\n", kContext,
                 shown([](SetupOptions& o) { o.selectOpis = false; })},
        LoadCase{"next_parent_last", "[Main]\r\nLastBeep=1\r\nLastFirst=1\r\nLastNext=1\r\n", kContext,
                 shown([](SetupOptions& o) { o.last = Last::next; })},
        LoadCase{"beep_alone_loses_to_the_default_first", "[Main]\r\nLastBeep=1\r\n", kContext,
                 shown([](SetupOptions&) {})},
        LoadCase{"beep", "[Main]\r\nLastBeep=1\r\nLastFirst=0\r\nLastNext=0\r\n", kContext,
                 shown([](SetupOptions& o) { o.last = Last::beep; })},
        LoadCase{"info_window_apart", "[Main]\r\nInfoInMain=0\r\nInfoOnTop=0\r\nSaveQuery=0\r\nMenuXP=0\r\n", kContext,
                 shown([](SetupOptions& o) {
                   o.infoInMain = false;
                   o.infoOnTop = false;
                   o.saveQuery = false;
                   o.menuXp = false;
                 })},
        LoadCase{"root_folder_keeps_its_separator", nullptr, {true, true, "/", ""}, shown([](SetupOptions& o) {
                   o.baseFolder = "/";
                   o.photoFolder = "";
                 })}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SetupWrite, WhatIsWrittenIsShownAgain) {
  TempDir dir;
  IniFile settings(dir.file("Kestrin.ini"));
  SetupOptions changed = shown([](SetupOptions& o) {
    o.fontLarge = true;
    o.selectOpis = false;
    o.infoInMain = false;
    o.last = Last::beep;
    o.colorTypes = false;
    o.exitOnEsc = false;
  });
  ASSERT_TRUE(writeSetupOptions(settings, changed));
  EXPECT_EQ(loadSetupOptions(settings, kContext), changed);
  EXPECT_EQ(settings.readString("Main", "FontSmall", ""), "0");
  EXPECT_EQ(settings.readString("Main", "LastFirst", ""), "0");
  EXPECT_EQ(settings.readString("Main", "ShowInfo", ""), "1");
}

TEST(SetupWrite, AFileThatCannotBeWrittenIsTold) {
  TempDir dir;
  IniFile settings(dir.file("missing/Kestrin.ini"));
  EXPECT_FALSE(writeSetupOptions(settings, SetupOptions{}));
}

struct FolderCase {
  const char* name;
  const char* current;
  const char* edited;
  std::optional<std::string> expected;
};

class ChangedFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ChangedFolderTest, Compares) {
  const FolderCase& c = GetParam();
  EXPECT_EQ(changedFolder(c.current, c.edited), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChangedFolderTest,
                         ::testing::Values(FolderCase{"same_without_separator", "/arch/DBF/", "/arch/DBF",
                                                      std::nullopt},
                                           FolderCase{"same_with_separator", "/arch/DBF/", "/arch/DBF/", std::nullopt},
                                           FolderCase{"letter_case_counts", "/arch/DBF/", "/arch/dbf", "/arch/dbf/"},
                                           FolderCase{"other_folder", "/arch/DBF/", "/other", "/other/"},
                                           FolderCase{"still_none", "", "", std::nullopt},
                                           FolderCase{"first_folder", "", "/arch", "/arch/"}),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace kestrin::app
