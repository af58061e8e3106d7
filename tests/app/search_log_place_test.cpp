// Where the search log goes on Linux: the POST folder of Wine's drive U:
// when it exists, else the per-user state folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/platform.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_.empty()) {
      ::unsetenv(name_);
    } else {
      ::setenv(name_, old_.c_str(), 1);
    }
  }

 private:
  const char* name_;
  std::string old_;
};

TEST(SearchLogPlace, WineDriveUPostFolderFirst) {
  testing::TempDir dir;
  const ScopedEnv wine("WINEPREFIX", dir.path() + "/wine");
  const ScopedEnv state("XDG_STATE_HOME", dir.path() + "/state");
  const auto platform = makeSystemPlatform("kestrin");
  EXPECT_EQ(platform->searchLogFile(), dir.path() + "/state/Kestrin/Kestrin.log");
  std::filesystem::create_directories(dir.path() + "/wine/dosdevices/u:/POST");
  EXPECT_EQ(platform->searchLogFile(), dir.path() + "/wine/dosdevices/u:/POST/Kestrin.log");
}

TEST(SearchLogPlace, LocalStateWithoutXdgStateHome) {
  testing::TempDir dir;
  const ScopedEnv wine("WINEPREFIX", dir.path() + "/wine");
  const ScopedEnv state("XDG_STATE_HOME", "relative/ignored");
  const ScopedEnv home("HOME", dir.path());
  EXPECT_EQ(makeSystemPlatform("kestrin")->searchLogFile(), dir.path() + "/.local/state/Kestrin/Kestrin.log");
}

}  // namespace
}  // namespace kestrin::app
