// File names of the base folder. The archive's files were written on Windows,
// where names ignore letter case ("FOND.DBF", "fond.cdx", "Opis2.DBF"); on a
// file system that distinguishes case they are found by a case-blind match.
#pragma once

#include <string>
#include <string_view>

namespace kestrin::dbf {

// The path of `name` inside `folder`: the exact name when it exists, otherwise
// the entry of the folder whose name equals it without regard to case (of
// several, the least in byte order), otherwise folder + name unchanged.
std::string resolveFileNoCase(const std::string& folder, const std::string& name);

// True when `folder` holds a regular file called `name`, matched as above.
bool fileExistsNoCase(const std::string& folder, const std::string& name);

// Resolves the last component of `path` as above.
std::string resolvePathNoCase(const std::string& path);

// `path` with its extension replaced by `extension` (which includes the dot).
std::string replaceExtension(const std::string& path, std::string_view extension);

// True when the file name part of `path` has an extension.
bool hasExtension(const std::string& path);

// The file name without folder and extension, as spelled.
std::string baseNameWithoutExtension(const std::string& path);

}  // namespace kestrin::dbf
