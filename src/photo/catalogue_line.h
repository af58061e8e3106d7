// One line of the photo catalogue (and of the file photo.dat): the photo's
// full path, in double quotes when it holds a blank, one blank and the
// description, trimmed of blanks at both ends.
#pragma once

#include <string>
#include <string_view>

namespace kestrin::photo {

std::string catalogueLine(std::string_view path, std::string_view description);

// The path of a catalogue line: between the first two double quotes of a
// line that starts with one, else up to the first blank (the whole line
// when it has none).
std::string_view pathOfLine(std::string_view line);

// A path written on Windows ("D:\Photo\Ф.   12\...") maps onto `photoFolder`
// by its part below `windowsRoot` (which ends in "\"), with the platform's
// separators. Paths without a drive letter, or outside `windowsRoot`, come
// back as they are.
std::string mapWindowsPath(std::string_view path, std::string_view windowsRoot, const std::string& photoFolder);

// True for "X:\..." and "X:/...".
bool startsWithDrive(std::string_view path);

}  // namespace kestrin::photo
