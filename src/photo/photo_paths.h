// Photo paths as the program keeps them: Windows-1251 texts, the way the
// catalogue photo.dat stores them, turned into file-system paths (UTF-8 on
// Linux) only when a file is opened or a folder listed.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kestrin::photo {

// The platform's folder separator as text: "/" on Linux, "\" on Windows.
inline constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

std::filesystem::path fsPath(std::string_view cp1251Path);
// Characters the code page lacks become "?": such a path names no file.
std::string pathText(const std::filesystem::path& path);

// `folder` with the separator appended unless it is empty or ends in one.
std::string withTrailingSeparator(std::string folder);

// The name after the last ":", "\" or "/"; the whole text when there is none.
std::string_view fileNameOf(std::string_view path);
// The folder part, delimiter included ("" when there is none).
std::string_view folderOf(std::string_view path);
// The name without folder and without its last extension ("Фото 1" of
// ".../Фото 1.jpg"; a name without "." stays whole).
std::string_view baseNameOf(std::string_view path);

}  // namespace kestrin::photo
