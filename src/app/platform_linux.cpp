// Linux places. The per-user settings folder is $XDG_CONFIG_HOME, else
// ~/.config; a settings file named without a folder goes to the home folder.
// The fixed base places of the Windows program ("C:\AF3\DBF\", "D:\AF3\DBF\")
// are looked for where Wine keeps those drives, so that a base installed for
// "Архивный Фонд" under Wine is found without settings. The search log goes,
// as there, into the POST folder of drive U: when Wine has one, otherwise
// into the per-user state folder ($XDG_STATE_HOME, else ~/.local/state).
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/folders.h"
#include "app/platform.h"

namespace kestrin::app {
namespace fs = std::filesystem;

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

class LinuxPlatform : public Platform {
 public:
  explicit LinuxPlatform(std::string programFolder) : programFolder_(std::move(programFolder)) {}

  std::string programFolder() const override { return programFolder_; }

  std::string appDataFolder() const override {
    const std::string xdg = environment("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/') return withoutTrailingSeparator(xdg);
    const std::string home = environment("HOME");
    return home.empty() ? std::string() : withTrailingSeparator(home) + ".config";
  }

  std::string bareSettingsFolder() const override { return withTrailingSeparator(environment("HOME")); }

  std::vector<std::string> fixedBasePlaces() const override {
    const std::string prefix = winePrefix();
    if (prefix.empty()) return {};
    return {prefix + "drive_c/AF3/DBF/", prefix + "dosdevices/d:/AF3/DBF/"};
  }

  std::string defaultPhotoFolder() const override {
    const std::string prefix = winePrefix();
    return prefix.empty() ? std::string() : prefix + "dosdevices/d:/Photo/";
  }

  std::string searchLogFile() const override {
    const std::string prefix = winePrefix();
    std::error_code error;
    if (!prefix.empty() && fs::is_directory(prefix + "dosdevices/u:/POST", error)) {
      return prefix + "dosdevices/u:/POST/Kestrin.log";
    }
    const std::string xdg = environment("XDG_STATE_HOME");
    if (!xdg.empty() && xdg.front() == '/') return withTrailingSeparator(xdg) + "Kestrin/Kestrin.log";
    const std::string home = environment("HOME");
    return home.empty() ? std::string() : withTrailingSeparator(home) + ".local/state/Kestrin/Kestrin.log";
  }

  bool canWriteFolder(const std::string& folder) const override {
    return !folder.empty() && ::access(folder.c_str(), W_OK) == 0;
  }

 private:
  static std::string winePrefix() {
    const std::string prefix = environment("WINEPREFIX");
    if (!prefix.empty()) return withTrailingSeparator(prefix);
    const std::string home = environment("HOME");
    return home.empty() ? std::string() : withTrailingSeparator(home) + ".wine/";
  }

  std::string programFolder_;
};

std::string findProgramFolder(const std::string& argv0) {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (!error) return withTrailingSeparator(exe.parent_path().string());
  const fs::path given = fs::absolute(argv0, error);
  return withTrailingSeparator(error ? fs::current_path(error).string() : given.parent_path().string());
}

}  // namespace

std::unique_ptr<Platform> makeSystemPlatform(const std::string& argv0) {
  return std::make_unique<LinuxPlatform>(findProgramFolder(argv0));
}

}  // namespace kestrin::app
