// The photo subfolder of a file (дело): three levels named by the fond code,
// the inventory number and the file number, each padded on the left with
// blanks to a fixed width, so that the folders sort as the numbers do.
#pragma once

#include <string>

namespace kestrin::photo {

// Texts in Windows-1251, trimmed. `inventory` may carry its volume
// ("7. Т.2"); the volume is not part of the folder name.
struct FileNumbers {
  std::string fond;
  std::string inventory;
  std::string file;
};

// "Ф." + fond code with blanks before it for each of the 5 places its
// leading digits do not fill; "Оп." + inventory number right-aligned in 4;
// "Д." + file number right-aligned in 6; joined with the platform's
// separator: "Ф. 1234/Оп.   7/Д.    15".
std::string photoSubfolder(const FileNumbers& numbers);

}  // namespace kestrin::photo
