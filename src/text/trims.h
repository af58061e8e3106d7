// Trims at the ends of Windows-1251 text, named for what they remove: the
// Spaces ones only the blank (code 32), as the fields of a table are padded;
// the Controls ones every code from 0 to 32, the blank with the control
// characters, as the expression language and the formatting rules trim.
// Each returns a view into its argument.
#pragma once

#include <string_view>

namespace kestrin::text {

std::string_view trimSpacesRight(std::string_view text);
std::string_view trimSpacesLeft(std::string_view text);
inline std::string_view trimSpaces(std::string_view text) { return trimSpacesLeft(trimSpacesRight(text)); }

// Character fields end in long runs of blanks: this one skips them a block of
// bytes at a time.
std::string_view trimControlsRight(std::string_view text);
std::string_view trimControlsLeft(std::string_view text);
inline std::string_view trimControls(std::string_view text) { return trimControlsLeft(trimControlsRight(text)); }

}  // namespace kestrin::text
