// Size and date of a file as the program shows them (photographs, card).
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "dbf/base/regional_settings.h"

namespace kestrin::archive {

// The size with a unit: up to 1024 bytes "N б"; up to 1048576 bytes in
// "Кб", above in "Мб", with one decimal ("1,5 Кб", "2 Мб"). A missing file or
// a folder counts as −1 bytes ("-1 б"). Never throws.
std::string fileSizeText(const std::filesystem::path& file, const dbf::RegionalSettings& settings = {});

// The same for a size already known; −1 stands for "no such file".
std::string sizeText(long long bytes, const dbf::RegionalSettings& settings = {});

// The file's last modification time; nullopt when there is no such file
// (the value 0 of the original date-time type). Never throws.
std::optional<std::chrono::system_clock::time_point> fileDate(const std::filesystem::path& file);

}  // namespace kestrin::archive
