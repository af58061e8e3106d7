// What differs by platform, behind one small interface: the program folder,
// the per-user settings folder, where a settings file given by bare name
// goes, the standard places of an "Архивный Фонд" base and the search log. Folder texts
// returned here end in the platform's separator unless said otherwise; file
// names are UTF-8 on Linux.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace kestrin::app {

class Platform {
 public:
  virtual ~Platform() = default;

  // The folder of the program file.
  virtual std::string programFolder() const = 0;
  // The current user's application-data folder without a trailing separator;
  // empty when the system cannot tell.
  virtual std::string appDataFolder() const = 0;
  // The folder that receives a settings file named without any folder.
  virtual std::string bareSettingsFolder() const = 0;
  // The fixed base places tried after those beside the program, in order
  // (on Windows "C:\AF3\DBF\" and "D:\AF3\DBF\").
  virtual std::vector<std::string> fixedBasePlaces() const = 0;
  // The photo folder when the settings name none (on Windows "D:\Photo\").
  virtual std::string defaultPhotoFolder() const = 0;
  // The quick search's log file (on Windows "U:\POST\Kestrin.log" when that
  // folder exists, else "C:\Kestrin.log"); empty when there is none.
  virtual std::string searchLogFile() const = 0;
  // Whether this user may create files in `folder` (an installed program's
  // folder usually refuses).
  virtual bool canWriteFolder(const std::string& folder) const = 0;
};

// The platform the program runs on; `argv0` helps find the program folder
// where the system offers no better way.
std::unique_ptr<Platform> makeSystemPlatform(const std::string& argv0);

}  // namespace kestrin::app
