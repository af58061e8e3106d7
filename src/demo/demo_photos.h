// The photo folder of the demo archive: one subfolder per file of
// photographs (Ф.   12/Оп.   1/Д.     5), small JPEG files in it, a
// descript.ion with the pictures' descriptions, and the catalogue photo.dat
// of every picture in the folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kestrin::demo {

// A file (дело) whose photographs get a subfolder; texts in Windows-1251.
struct PhotoFile {
  std::string fondCode;    // FKOD trimmed, inner blanks kept
  std::string inventory;   // "1" or "1. Т.2"
  std::string fileNumber;  // L1 trimmed
  std::string title;       // what the descriptions speak of
  int year = 0;
};

// The three levels of a file's photo subfolder as the program builds them:
// "Ф." with the fond code blank-padded after its leading digits to 5,
// "Оп." with the inventory number (volume cut off) padded to 4, "Д." with the
// file number padded to 6.
std::vector<std::string> photoSubfolderLevels(const std::string& fondCode, const std::string& inventory,
                                              const std::string& fileNumber);

struct PhotoCounts {
  int folders = 0;
  int pictures = 0;
  long long bytes = 0;
};

// Writes the subfolders, pictures, descript.ion files and photo.dat under
// `photoFolder` (created when missing). photo.dat names every
// picture by its full path, so the same seed gives the same bytes for the
// same folder. Throws std::runtime_error naming the file that cannot be written.
PhotoCounts writeDemoPhotos(const std::filesystem::path& photoFolder, const std::vector<PhotoFile>& files,
                            std::uint64_t seed, const std::function<void(const std::string&)>& progress);

// Writes `bytes` as the whole file `path`. Throws std::runtime_error naming
// the file when it cannot be written.
void writeFileBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace kestrin::demo
