#include "archive/format/file_info.h"

#include <system_error>

#include "archive/format/numbers.h"
#include "text/cp1251_literal.h"

namespace kestrin::archive {

using namespace text::literals;

std::string sizeText(long long bytes, const dbf::RegionalSettings& settings) {
  constexpr long long kKilo = 1024;
  constexpr long long kMega = 1048576;
  std::string out;
  if (bytes > kMega) {
    out = oneDecimalText(static_cast<double>(bytes) / kMega, settings);
    out += " Мб"_cp1251;
  } else if (bytes > kKilo) {
    out = oneDecimalText(static_cast<double>(bytes) / kKilo, settings);
    out += " Кб"_cp1251;
  } else {
    out = std::to_string(bytes);
    out += " б"_cp1251;
  }
  return out;
}

std::string fileSizeText(const std::filesystem::path& file, const dbf::RegionalSettings& settings) {
  std::error_code error;
  long long bytes = -1;
  if (std::filesystem::is_regular_file(file, error)) {
    const auto size = std::filesystem::file_size(file, error);
    if (!error) bytes = static_cast<long long>(size);
  }
  return sizeText(bytes, settings);
}

std::optional<std::chrono::system_clock::time_point> fileDate(const std::filesystem::path& file) {
  std::error_code error;
  const auto written = std::filesystem::last_write_time(file, error);
  if (error) return std::nullopt;
  return std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(written));
}

}  // namespace kestrin::archive
