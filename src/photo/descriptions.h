// Descriptions of photos from the "descript.ion" file of their folder: one
// line per file, the name (in double quotes when it holds a blank), one
// blank, the description. Texts in Windows-1251.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace kestrin::photo {

// The whole descript.ion of `folder` (ending in a separator), found by its
// name in any letter case; empty when there is none or it cannot be read.
std::string readDescriptIon(const std::string& folder);

// The description of file `name` in the text of a descript.ion: the first
// line that starts with the name (quoted when it holds a blank), compared
// without regard to case, and one blank gives the rest of that line. Lines
// may end in CR LF or in LF alone.
std::string descriptionIn(std::string_view descriptIon, std::string_view name);

// The tooltip's reading of the same file: letter case counts, and a line
// with the name in quotes is taken as well as one with the bare name.
std::string tooltipDescriptionIn(std::string_view descriptIon, std::string_view name);

// DescriptionOf: the description of the photo at `path` from its folder's
// descript.ion, or empty.
std::string descriptionOf(const std::string& path);

// Descriptions for a scan of many folders: each descript.ion is read once.
class DescriptionCache {
 public:
  std::string descriptionOf(const std::string& path);

 private:
  std::map<std::string, std::string, std::less<>> files_;
};

}  // namespace kestrin::photo
