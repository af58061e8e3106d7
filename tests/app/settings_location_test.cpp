// Where the settings file is, and which folder holds the base.
#include "app/settings_location.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/base_folder.h"
#include "app/fake_platform.h"
#include "app/folders.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

namespace fs = std::filesystem;
using kestrin::testing::TempDir;
using kestrin::testing::writeFileBytes;
using FakePlatform = fakes::FakePlatform;

// A program folder and an application-data folder inside one temporary folder.
struct Places {
  TempDir root;
  FakePlatform platform;
  Places() {
    fs::create_directories(root.path() + "/opt/kestrin/bin");
    fs::create_directories(root.path() + "/config");
    platform.program = root.path() + "/opt/kestrin/bin/";
    platform.appData = root.path() + "/config";
    platform.bare = root.path() + "/home/";
  }
  void programIni(const std::string& text) const { writeFileBytes(platform.program + "Kestrin.ini", text); }
  void makeBase(const std::string& folder, const char* fondName = "fond.dbf") const {
    fs::create_directories(folder);
    writeFileBytes(folder + "/" + fondName, "");
  }
};

TEST(SettingsLocation, ProgramFolderFileByDefault) {
  Places p;
  const SettingsLocation l = locateSettingsFile(p.platform);
  EXPECT_EQ(l.settingsFile, fs::path(p.platform.program + "Kestrin.ini"));
  EXPECT_TRUE(l.useProgramFolder);
  EXPECT_EQ(l.photoFolder, "/photo/");
}

TEST(SettingsLocation, PhotoFolderGetsTrailingSeparator) {
  Places p;
  p.programIni("[Main]\r\nPathPhoto=/srv/photo\r\n");
  EXPECT_EQ(locateSettingsFile(p.platform).photoFolder, "/srv/photo/");
}

TEST(SettingsLocation, AppDataKeyInAnyCaseNamesThePerUserFolder) {
  Places p;
  p.programIni("[Main]\r\nini=%appdata%\r\nUseIniInProgramDir=1\r\n");
  const SettingsLocation l = locateSettingsFile(p.platform);
  EXPECT_EQ(l.settingsFile, fs::path(p.platform.appData + "/Kestrin/Kestrin.ini"));
  EXPECT_TRUE(fs::is_directory(p.platform.appData + "/Kestrin"));
  EXPECT_FALSE(l.useProgramFolder);
}

TEST(SettingsLocation, IniKeyNamesAFolderThatIsCreated) {
  Places p;
  p.programIni("[Main]\r\nini=" + p.root.path() + "/shared/settings\r\n");
  const SettingsLocation l = locateSettingsFile(p.platform);
  EXPECT_EQ(l.settingsFile, fs::path(p.root.path() + "/shared/settings/Kestrin.ini"));
  EXPECT_TRUE(fs::is_directory(p.root.path() + "/shared/settings"));
}

TEST(SettingsLocation, AppDataKeyWithoutAppDataFolderFallsBackToTheOtherRules) {
  Places p;
  p.platform.appData.clear();
  p.programIni("[Main]\r\nini=%APPDATA%\r\n");
  EXPECT_EQ(locateSettingsFile(p.platform).settingsFile, fs::path(p.platform.program + "Kestrin.ini"));
}

TEST(SettingsLocation, PerUserFileWhenNotInProgramFolder) {
  Places p;
  p.programIni("[Main]\r\nUseIniInProgramDir=0\r\n");
  const SettingsLocation l = locateSettingsFile(p.platform);
  EXPECT_EQ(l.settingsFile, fs::path(p.platform.appData + "/Kestrin/Kestrin.ini"));
  EXPECT_FALSE(l.useProgramFolder);
}

TEST(SettingsLocation, ReadOnlyProgramFolderFallsBackToThePerUserFileUnlessTheFileThereInsists) {
  struct Case {
    const char* programIni;  // nullptr: no file beside the program
    bool perUser;
    bool newAccount;  // the per-user folder does not exist yet
  };
  const Case cases[] = {
      {nullptr, true, true},
      {"[Main]\r\nPathPhoto=/srv/photo\r\n", true, true},
      {"[Main]\r\nUseIniInProgramDir=1\r\n", false, false},
      {"[Main]\r\nUseIniInProgramDir=0\r\n", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.programIni ? c.programIni : "(none)");
    Places p;
    p.platform.programFolderWritable = false;
    if (c.newAccount) p.platform.appData = p.root.path() + "/new-account/.config";  // made when needed
    if (c.programIni) p.programIni(c.programIni);
    const SettingsLocation l = locateSettingsFile(p.platform);
    EXPECT_EQ(l.settingsFile, c.perUser ? fs::path(p.platform.appData + "/Kestrin/Kestrin.ini")
                                        : fs::path(p.platform.program + "Kestrin.ini"));
    EXPECT_EQ(l.useProgramFolder, !c.perUser);
  }
}

TEST(SettingsLocation, BareNameWhenThePerUserFolderIsMissing) {
  Places p;
  p.platform.appData = p.root.path() + "/no-such-folder";
  p.programIni("[Main]\r\nUseIniInProgramDir=0\r\n");
  EXPECT_EQ(locateSettingsFile(p.platform).settingsFile, fs::path(p.platform.bare + "Kestrin.ini"));
}

TEST(BaseFolder, CommandLineWinsAndGetsASeparator) {
  Places p;
  writeFileBytes(p.platform.program + "Kestrin.ini", "[Main]\r\nPathBase=/from/settings/\r\n");
  const IniFile file(p.platform.program + "Kestrin.ini");
  EXPECT_EQ(locateBaseFolder("/set/by/dialog/", {std::string("/media/Base"), &file, &file, true}, p.platform),
            "/media/Base/");
  EXPECT_EQ(locateBaseFolder("/set/by/dialog/", {std::nullopt, &file, &file, true}, p.platform), "/set/by/dialog/");
  EXPECT_EQ(locateBaseFolder("", {std::nullopt, &file, &file, true}, p.platform), "/from/settings/");
}

TEST(BaseFolder, ProgramFolderFileWinsOverPerUserFile) {
  Places p;
  writeFileBytes(p.platform.program + "Kestrin.ini", "[Main]\r\nPathBase=/program/base\r\n");
  writeFileBytes(p.platform.appData + "/user.ini", "[Main]\r\nPathBase=/user/base\r\n");
  const IniFile program(p.platform.program + "Kestrin.ini");
  const IniFile user(p.platform.appData + "/user.ini");
  EXPECT_EQ(locateBaseFolder("", {std::nullopt, &program, &user, false}, p.platform), "/program/base/");
  const IniFile emptyProgram(p.platform.program + "none.ini");
  EXPECT_EQ(locateBaseFolder("", {std::nullopt, &emptyProgram, &user, false}, p.platform), "/user/base/");
}

TEST(BaseFolder, PathBaseIsWindows1251Text) {
  Places p;
  writeFileBytes(p.platform.program + "Kestrin.ini", "[Main]\r\nPathBase=/\xC0\xF0\xF5\xE8\xE2/\r\n");
  const IniFile file(p.platform.program + "Kestrin.ini");
  EXPECT_EQ(locateBaseFolder("", {std::nullopt, &file, &file, true}, p.platform), "/Архив/");
}

TEST(BaseFolder, StandardPlacesInOrder) {
  Places p;
  const std::string base = p.root.path();
  p.platform.fixed = {base + "/c/AF3/DBF/", base + "/d/AF3/DBF"};
  const IniFile none(base + "/none.ini");
  const BaseFolderSources sources{std::nullopt, &none, &none, true};
  EXPECT_EQ(locateBaseFolder("", sources, p.platform), "");

  // Later places first, so that each earlier one must win over them.
  const std::vector<std::string> places = {
      base + "/opt/kestrin/bin/DBF/", base + "/opt/kestrin/DBF/", base + "/opt/kestrin/AF3/DBF/",
      base + "/opt/AF3/DBF/",         base + "/c/AF3/DBF/",       base + "/d/AF3/DBF/",
  };
  EXPECT_EQ(standardBasePlaces(p.platform), places);
  for (auto it = places.rbegin(); it != places.rend(); ++it) {
    p.makeBase(*it, "FOND.DBF");  // names are matched without regard to case
    EXPECT_EQ(locateBaseFolder("", sources, p.platform), *it);
  }
}

TEST(Folders, ParentFolder) {
  EXPECT_EQ(parentFolder("/opt/kestrin/bin/", 1), "/opt/kestrin/");
  EXPECT_EQ(parentFolder("/opt/kestrin/bin/", 2), "/opt/");
  EXPECT_EQ(parentFolder("/opt/kestrin/", 2), "/");
  EXPECT_EQ(parentFolder("C:\\Prog\\Kestrin\\", 1), "C:\\Prog\\");
  EXPECT_EQ(parentFolder("C:\\Prog\\Kestrin\\", 2), "C:\\");
  EXPECT_EQ(parentFolder("/opt/kestrin", 1), "/opt");
  EXPECT_EQ(parentFolder("", 1), "");
}

}  // namespace
}  // namespace kestrin::app
