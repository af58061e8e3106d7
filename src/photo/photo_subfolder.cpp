#include "photo/photo_subfolder.h"

#include "archive/format/number_keys.h"
#include "photo/photo_paths.h"
#include "text/cp1251_case.h"
#include "text/cp1251_literal.h"

namespace kestrin::photo {
namespace {

using namespace text::literals;

std::string fondLevel(const std::string& code) {
  std::size_t digits = 0;
  while (digits < code.size() && code[digits] >= '0' && code[digits] <= '9') ++digits;
  std::string level("Ф."_cp1251);
  if (digits < 5) level.append(5 - digits, ' ');
  return level + code;
}

std::string inventoryLevel(const std::string& inventory) {
  std::string number = inventory;
  const std::size_t volume = text::upper1251(number).find(text::upper1251(". Т."_cp1251));
  if (volume != std::string::npos) number.resize(volume);
  if (!number.empty()) number = archive::rightAligned(number, 4);
  return std::string("Оп."_cp1251) + number;
}

std::string fileLevel(const std::string& file) {
  return std::string("Д."_cp1251) + (file.empty() ? file : archive::rightAligned(file, 6));
}

}  // namespace

std::string photoSubfolder(const FileNumbers& numbers) {
  return fondLevel(numbers.fond) + kSeparator + inventoryLevel(numbers.inventory) + kSeparator +
         fileLevel(numbers.file);
}

}  // namespace kestrin::photo
