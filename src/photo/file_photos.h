// The photos of the file whose card is shown. The list is read again only
// when the file's photo subfolder differs from the one listed last, so that
// clicking the same file twice neither rereads the folder nor reopens the
// picture window.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "photo/photo_subfolder.h"

namespace kestrin::photo {

class FilePhotos {
 public:
  // The paths of the file's photos, or nullopt when its subfolder is the one
  // listed last (the list shown stays). `photoFolder` ends in a separator or
  // is empty.
  std::optional<std::vector<std::string>> list(const std::string& photoFolder, const FileNumbers& numbers);

  // The next list() reads its folder whatever the subfolder.
  void forget() { subfolder_.reset(); }

 private:
  std::optional<std::string> subfolder_;
};

}  // namespace kestrin::photo
