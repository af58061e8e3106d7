// The catalogue of every photo under the photo folder, one catalogue line
// per JPEG file (catalogue_line.h), searched by the photo page's search. It
// comes from the file photo.dat of the photo folder when there is one, else
// from a scan of the folder tree, and stays loaded until it is rebuilt.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrin::photo {

// The search box's modes as the photo page receives them.
enum class PhotoSearchMode : int {
  AsIs = 0,      // the line holds the whole query
  AnyWord = 1,   // the line holds one of its blank-separated words
  AllWords = 2,  // the line holds every one of them
};

class PhotoCatalogue {
 public:
  bool empty() const { return lines_.empty(); }
  const std::vector<std::string>& lines() const { return lines_; }

  // Reads `file` (photo.dat: Windows-1251, CR LF or LF line ends), blank
  // lines left out. Paths written on Windows are mapped onto `photoFolder`
  // by their part below the Windows photo folder: the folders all paths
  // share, up to the first fond level "Ф.". Throws std::runtime_error naming
  // the file when it cannot be read.
  void loadFile(const std::string& file, const std::string& photoFolder);

  // ScanPhotoFolder: the lines of every "*.jpg" file under `photoFolder`,
  // depth first, each folder's descript.ion read once.
  void scan(const std::string& photoFolder);

  // Writes the lines with CR LF ends as `file` (replacing it). Throws
  // std::runtime_error naming the file when it cannot be written.
  void save(const std::string& file) const;

  // The paths of the lines that match `query` without regard to case, in
  // catalogue order.
  std::vector<std::string> search(std::string_view query, PhotoSearchMode mode) const;

 private:
  std::vector<std::string> lines_;
};

// The catalogue file of `photoFolder` ("photo.dat" in any letter case), or
// nullopt when it has none.
std::optional<std::string> photoDatFile(const std::string& photoFolder);

// Where "Сохранить Photo.dat" writes: the existing catalogue file, else
// photo folder + "Photo.dat".
std::string photoDatTarget(const std::string& photoFolder);

}  // namespace kestrin::photo
