#include "photo/file_photos.h"

#include "photo/folder_entries.h"

namespace kestrin::photo {

std::optional<std::vector<std::string>> FilePhotos::list(const std::string& photoFolder, const FileNumbers& numbers) {
  const std::string subfolder = photoFolder + photoSubfolder(numbers);
  if (subfolder_ == subfolder) return std::nullopt;
  subfolder_ = subfolder;
  return listJpegFiles(subfolder);
}

}  // namespace kestrin::photo
