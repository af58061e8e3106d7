// The settings file: an INI file read and written the way the original
// platform's private-profile functions do it, so that a "Kestrin.ini" made
// there carries over unchanged.
//
// - Sections and keys are found without regard to letter case; the first
//   occurrence of a duplicated section or key wins.
// - Values are trimmed; one pair of matching surrounding quotes is removed.
// - A missing file, section or key yields the default the caller names.
// - Every write goes to the file at once; a changed key keeps its line, a new
//   key goes after the last line of its section, a new section to the end.
// - Text is Windows-1251 bytes, lines end in CR LF.
//
// The file is re-read when its size or time changed since the last look, so
// two objects on the same file see each other's writes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kestrin::app {

class IniFile {
 public:
  // `path` need not exist; it is created by the first write (its folder must exist).
  explicit IniFile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }

  std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
  // Decimal (or $hex / 0x hex) with an optional sign; anything else yields `fallback`.
  int readInteger(std::string_view section, std::string_view key, int fallback) const;
  // True for any non-zero number; a non-numeric value yields `fallback`.
  bool readBool(std::string_view section, std::string_view key, bool fallback) const;
  bool hasKey(std::string_view section, std::string_view key) const;

  // Throws std::runtime_error naming the file when it cannot be written.
  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, int value);
  // Stored as "1" and "0".
  void writeBool(std::string_view section, std::string_view key, bool value);
  // Removes the section with all its keys (nothing happens when it is absent).
  void eraseSection(std::string_view section);

 private:
  struct Stamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time{};
    bool operator==(const Stamp&) const = default;
  };

  Stamp currentStamp() const;
  void refresh() const;
  void save();
  // Index of the section's header line, or -1.
  int findSection(std::string_view section) const;
  // Index of the key's line within the section starting at `header`, or -1.
  int findKey(int header, std::string_view key) const;
  // One past the last line of the section starting at `header`.
  int sectionEnd(int header) const;
  const std::string* findValueLine(std::string_view section, std::string_view key) const;

  std::filesystem::path path_;
  mutable std::vector<std::string> lines_;
  mutable Stamp stamp_;
  mutable bool loaded_ = false;
};

// Parses an integer the way the settings file's readers do; false when it is not one.
bool parseIniInteger(std::string_view text, int& value);

}  // namespace kestrin::app
