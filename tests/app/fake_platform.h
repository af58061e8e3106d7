// A platform whose folders are chosen by the test.
#pragma once

#include <string>
#include <vector>

#include "app/platform.h"

namespace kestrin::app::fakes {

struct FakePlatform : Platform {
  std::string program;  // ends in '/'
  std::string appData;  // no trailing '/'
  std::string bare;
  std::vector<std::string> fixed;
  std::string photo = "/photo/";
  std::string searchLog;  // empty: no log
  bool programFolderWritable = true;

  std::string programFolder() const override { return program; }
  std::string appDataFolder() const override { return appData; }
  std::string bareSettingsFolder() const override { return bare; }
  std::vector<std::string> fixedBasePlaces() const override { return fixed; }
  std::string defaultPhotoFolder() const override { return photo; }
  std::string searchLogFile() const override { return searchLog; }
  bool canWriteFolder(const std::string& folder) const override { return folder != program || programFolderWritable; }
};

}  // namespace kestrin::app::fakes
