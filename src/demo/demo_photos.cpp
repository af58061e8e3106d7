#include "demo/demo_photos.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "archive/format/number_keys.h"
#include "demo/demo_jpeg.h"
#include "demo/demo_random.h"
#include "demo/demo_text.h"
#include "demo/demo_vocabulary.h"
#include "text/cp1251_case.h"
#include "text/cp1251_literal.h"
#include "text/cp1251_utf8.h"
#include "text/trims.h"

namespace kestrin::demo {
namespace {

namespace fs = std::filesystem;
using namespace text::literals;

fs::path pathFromCp1251(std::string_view name) {
  const std::string utf8 = text::cp1251ToUtf8(name);
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string zeroPadded(int n, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, n);
  return buffer;
}

// The picture names of one folder, all in one of the styles people use.
std::vector<std::string> pictureNames(DemoRandom& random, int count, const std::string& fileNumber) {
  std::vector<std::string> names;
  const int style = random.between(1, 4);
  for (int i = 1; i <= count; ++i) {
    switch (style) {
      case 1:
        names.push_back(zeroPadded(i, 3) + ".jpg");
        break;
      case 2:
        names.push_back(std::string("Фото "_cp1251) + std::to_string(i) + ".jpg");  // a blank: quoted in descript.ion
        break;
      case 3:
        names.push_back("IMG_" + zeroPadded(i, 4) + ".JPG");
        break;
      default:
        names.push_back(fileNumber + "_" + std::to_string(i) + ".jpg");
        break;
    }
  }
  return names;
}

std::string describe(DemoRandom& random, const PhotoFile& file) {
  std::string scene(random.pick(words::photoScenes()));
  if (random.chance(60)) scene += ", " + std::to_string(file.year) + std::string(" г."_cp1251);
  if (random.chance(15)) scene += ". " + file.title;
  return fitText(scene, 200);
}

// A catalogue line: the path, quoted when it holds a blank, and the description.
std::string catalogueLine(const std::string& path, const std::string& description) {
  std::string line = path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
  if (!description.empty()) line += " " + description;
  line.resize(text::trimSpacesRight(line).size());
  return line;
}

}  // namespace

std::vector<std::string> photoSubfolderLevels(const std::string& fondCode, const std::string& inventory,
                                              const std::string& fileNumber) {
  std::size_t digits = 0;
  while (digits < fondCode.size() && fondCode[digits] >= '0' && fondCode[digits] <= '9') ++digits;
  std::string fond = fondCode;
  if (digits < 5) fond.insert(0, 5 - digits, ' ');

  std::string number = inventory;
  const std::string volumeMark = text::upper1251(". Т."_cp1251);
  const auto cut = text::upper1251(number).find(volumeMark);
  if (cut != std::string::npos) number.resize(cut);
  if (!number.empty()) number = archive::rightAligned(number, 4);
  const std::string file = fileNumber.empty() ? fileNumber : archive::rightAligned(fileNumber, 6);
  return {std::string("Ф."_cp1251) + fond, std::string("Оп."_cp1251) + number, std::string("Д."_cp1251) + file};
}

void writeFileBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

PhotoCounts writeDemoPhotos(const fs::path& photoFolder, const std::vector<PhotoFile>& files, std::uint64_t seed,
                            const std::function<void(const std::string&)>& progress) {
  const fs::path root = fs::absolute(photoFolder).lexically_normal();
  fs::create_directories(root);
  const std::u8string rootUtf8 = root.u8string();
  const std::string rootText =
      text::utf8ToCp1251(std::string_view(reinterpret_cast<const char*>(rootUtf8.data()), rootUtf8.size()));
  const std::string separator(1, static_cast<char>(fs::path::preferred_separator));

  DemoRandom random(seed ^ 0x50484F544FULL);
  PhotoCounts counts;
  std::string catalogue;
  for (const PhotoFile& file : files) {
    const std::vector<std::string> levels = photoSubfolderLevels(file.fondCode, file.inventory, file.fileNumber);
    fs::path folder = root;
    std::string folderText = rootText;
    for (const std::string& level : levels) {
      folder /= pathFromCp1251(level);
      folderText += separator + level;
    }
    fs::create_directories(folder);
    ++counts.folders;

    const std::vector<std::string> names = pictureNames(random, random.between(1, 6), file.fileNumber);
    const bool withDescriptions = !random.chance(15);
    std::string descriptIon;
    for (const std::string& name : names) {
      const JpegParams params = randomJpegParams(random);
      const std::string jpeg = encodeJpeg(demoPicture(params, random), params);
      writeFileBytes(folder / pathFromCp1251(name), jpeg);
      ++counts.pictures;
      counts.bytes += static_cast<long long>(jpeg.size());

      std::string description;
      if (withDescriptions && random.chance(85)) {
        description = describe(random, file);
        const std::string listed = name.find(' ') == std::string::npos ? name : "\"" + name + "\"";
        descriptIon += listed + " " + description + "\r\n";
      }
      catalogue += catalogueLine(folderText + separator + name, description) + "\r\n";
    }
    if (withDescriptions) writeFileBytes(folder / "descript.ion", descriptIon);
    if (random.chance(5))
      writeFileBytes(folder / pathFromCp1251("опись.txt"_cp1251), std::string("Опись фотографий\r\n"_cp1251));
    if (progress && counts.folders % 100 == 0) progress("photo folders: " + std::to_string(counts.folders));
  }
  writeFileBytes(root / "photo.dat", catalogue);
  return counts;
}

}  // namespace kestrin::demo
