#include "app/ini_file.h"

#include <climits>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "text/cp1251_case.h"

namespace kestrin::app {
namespace fs = std::filesystem;

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool isComment(std::string_view line) { return !line.empty() && line.front() == ';'; }

// The name of a "[name]" line, or false when the line is no section header.
bool sectionName(std::string_view line, std::string_view& name) {
  line = trim(line);
  if (line.empty() || line.front() != '[') return false;
  line.remove_prefix(1);
  const auto close = line.find(']');
  name = trim(close == std::string_view::npos ? line : line.substr(0, close));
  return true;
}

// The key of a "key=value" line, or false.
bool keyName(std::string_view line, std::string_view& key) {
  line = trim(line);
  if (isComment(line)) return false;
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = trim(line.substr(0, eq));
  return true;
}

std::string valueOf(std::string_view line) {
  std::string_view value = trim(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool parseIniInteger(std::string_view text, int& value) {
  text = trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return false;
  long long result = 0;
  for (char c : text) {
    const int digit = hexDigit(c);
    if (digit < 0 || digit >= base) return false;
    result = result * base + digit;
    if (result > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) result = -result;
  if (result > INT_MAX || result < INT_MIN) return false;
  value = static_cast<int>(result);
  return true;
}

IniFile::IniFile(fs::path path) : path_(std::move(path)) {}

IniFile::Stamp IniFile::currentStamp() const {
  std::error_code error;
  Stamp stamp;
  if (!fs::is_regular_file(path_, error)) return stamp;
  stamp.exists = true;
  stamp.size = fs::file_size(path_, error);
  stamp.time = fs::last_write_time(path_, error);
  return stamp;
}

void IniFile::refresh() const {
  const Stamp stamp = currentStamp();
  if (loaded_ && stamp == stamp_) return;
  lines_.clear();
  std::ifstream in(path_, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines_.push_back(std::move(line));
  }
  stamp_ = stamp;
  loaded_ = true;
}

void IniFile::save() {
  std::ostringstream text;
  for (const auto& line : lines_) text << line << "\r\n";
  const std::string bytes = text.str();
  {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) throw std::runtime_error("Cannot write the settings file " + path_.string());
  }
  stamp_ = currentStamp();
}

int IniFile::findSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name;
    if (sectionName(lines_[i], name) && text::equalsNoCase1251(name, section)) return static_cast<int>(i);
  }
  return -1;
}

int IniFile::sectionEnd(int header) const {
  std::size_t i = static_cast<std::size_t>(header) + 1;
  std::string_view name;
  while (i < lines_.size() && !sectionName(lines_[i], name)) ++i;
  return static_cast<int>(i);
}

int IniFile::findKey(int header, std::string_view key) const {
  const int end = sectionEnd(header);
  for (int i = header + 1; i < end; ++i) {
    std::string_view name;
    if (keyName(lines_[static_cast<std::size_t>(i)], name) && text::equalsNoCase1251(name, key)) return i;
  }
  return -1;
}

const std::string* IniFile::findValueLine(std::string_view section, std::string_view key) const {
  refresh();
  const int header = findSection(section);
  if (header < 0) return nullptr;
  const int line = findKey(header, key);
  return line < 0 ? nullptr : &lines_[static_cast<std::size_t>(line)];
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
  const std::string* line = findValueLine(section, key);
  return line ? valueOf(*line) : std::string(fallback);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
  const std::string* line = findValueLine(section, key);
  int value = 0;
  return line && parseIniInteger(valueOf(*line), value) ? value : fallback;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
  return readInteger(section, key, fallback ? 1 : 0) != 0;
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
  return findValueLine(section, key) != nullptr;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  refresh();
  std::string line = std::string(key) + "=" + std::string(value);
  int header = findSection(section);
  if (header < 0) {
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::move(line));
  } else if (const int existing = findKey(header, key); existing >= 0) {
    lines_[static_cast<std::size_t>(existing)] = std::move(line);
  } else {
    // After the section's last non-blank line, as the platform's writer does.
    int at = sectionEnd(header);
    while (at > header + 1 && trim(lines_[static_cast<std::size_t>(at - 1)]).empty()) --at;
    lines_.insert(lines_.begin() + at, std::move(line));
  }
  save();
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(std::string_view section) {
  refresh();
  const int header = findSection(section);
  if (header < 0) return;
  lines_.erase(lines_.begin() + header, lines_.begin() + sectionEnd(header));
  save();
}

}  // namespace kestrin::app
