// The photo folder of the demo archive: subfolders named by the program's
// rule, pictures that are JPEG files with the JFIF header asked for, and a
// catalogue whose descriptions are those of the descript.ion files.
#include "demo/demo_photos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "demo/demo_jpeg.h"
#include "demo/demo_test_archive.h"
#include "support/case_names.h"
#include "support/cp1251_test_text.h"
#include "text/cp1251_case.h"

namespace kestrin::demo {
namespace {

namespace fs = std::filesystem;
using kestrin::testing::cp;
using kestrin::testing::readFileBytes;
using kestrin::testing::utf8;
using testing::smallArchive;

struct SubfolderCase {
  const char* fond;
  const char* inventory;
  const char* file;
  const char* levels;  // joined with "|"
};

class PhotoSubfolderTest : public ::testing::TestWithParam<SubfolderCase> {};

TEST_P(PhotoSubfolderTest, PadsEachLevel) {
  const SubfolderCase& c = GetParam();
  const auto levels = photoSubfolderLevels(cp(c.fond), cp(c.inventory), cp(c.file));
  ASSERT_EQ(levels.size(), 3u);
  EXPECT_EQ(utf8(levels[0] + "|" + levels[1] + "|" + levels[2]), c.levels);
}

INSTANTIATE_TEST_SUITE_P(Rules, PhotoSubfolderTest,
                         ::testing::Values(SubfolderCase{"1234", "7. Т.2", "15", "Ф. 1234|Оп.   7|Д.    15"},
                                           SubfolderCase{"Р-5", "1", "3а", "Ф.     Р-5|Оп.   1|Д.    3а"},
                                           SubfolderCase{"12а", "2л", "123456", "Ф.   12а|Оп.  2л|Д.123456"},
                                           SubfolderCase{"12345", "12. т.1", "1", "Ф.12345|Оп.  12|Д.     1"}),
                         kestrin::testing::labelled([](const SubfolderCase& c) {
                           return std::string(c.fond) + " " + c.inventory + " " + c.file;
                         }));

// The description of `name` in the descript.ion of `folder`, as the program
// looks it up: the first line that starts with the (quoted) name and a blank.
std::string describedIn(const fs::path& folder, const std::string& name) {
  std::error_code error;
  if (!fs::exists(folder / "descript.ion", error)) return {};
  const std::string text = "\r\n" + readFileBytes((folder / "descript.ion").string());
  const std::string listed = name.find(' ') == std::string::npos ? name : "\"" + name + "\"";
  const auto at = text::upper1251(text).find(text::upper1251("\r\n" + listed + " "));
  if (at == std::string::npos) return {};
  const auto start = at + 2 + listed.size() + 1;
  return text.substr(start, text.find("\r\n", start) - start);
}

TEST(DemoPhotoFolder, CatalogueNamesEveryPictureWithItsDescription) {
  const fs::path root = smallArchive().archive.photoFolder;
  const std::string catalogue = readFileBytes((root / "photo.dat").string());
  std::istringstream lines(catalogue);
  std::string line;
  int pictures = 0, described = 0, quoted = 0;
  while (std::getline(lines, line)) {
    ASSERT_TRUE(line.ends_with('\r'));
    line.pop_back();
    std::string path, description;
    if (line.starts_with('"')) {
      const auto close = line.find('"', 1);
      path = line.substr(1, close - 1);
      description = close + 2 < line.size() ? line.substr(close + 2) : std::string();
      ++quoted;
    } else {
      const auto blank = line.find(' ');
      path = line.substr(0, blank);
      description = blank == std::string::npos ? std::string() : line.substr(blank + 1);
    }
    const std::string name = utf8(path);
    const fs::path file(std::u8string(name.begin(), name.end()));
    ASSERT_TRUE(fs::is_regular_file(file)) << utf8(path);
    EXPECT_TRUE(readFileBytes(file.string()).starts_with("\xFF\xD8")) << utf8(path);
    EXPECT_EQ(utf8(describedIn(file.parent_path(), cp(file.filename().string()))), utf8(description));
    ++pictures;
    described += description.empty() ? 0 : 1;
  }
  EXPECT_EQ(pictures, smallArchive().archive.counts.photos.pictures);
  EXPECT_GT(described, 0);
  EXPECT_LT(described, pictures);
  EXPECT_GT(quoted, 0);
}

// Reads the JFIF marker and the frame header of a baseline JPEG.
struct JpegHeader {
  bool jfif = false;
  int unit = -1, xDensity = 0, yDensity = 0;
  int width = 0, height = 0, components = 0;
};

JpegHeader readHeader(const std::string& bytes) {
  JpegHeader h;
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes.at(i)); };
  auto word = [&](std::size_t i) { return byte(i) << 8 | byte(i + 1); };
  std::size_t at = 2;
  while (at + 4 < bytes.size() && byte(at) == 0xFF) {
    const int marker = byte(at + 1);
    const std::size_t length = static_cast<std::size_t>(word(at + 2));
    if (marker == 0xE0 && bytes.compare(at + 4, 5, std::string("JFIF\0", 5)) == 0) {
      h.jfif = true;
      h.unit = byte(at + 11);
      h.xDensity = word(at + 12);
      h.yDensity = word(at + 14);
    } else if (marker == 0xC0) {
      h.height = word(at + 5);
      h.width = word(at + 7);
      h.components = byte(at + 9);
      break;
    }
    at += 2 + length;
  }
  return h;
}

TEST(DemoJpeg, WritesTheSizeColoursAndDensityAsked) {
  DemoRandom random(11);
  for (int i = 0; i < 40; ++i) {
    const JpegParams params = randomJpegParams(random);
    const JpegHeader h = readHeader(encodeJpeg(demoPicture(params, random), params));
    EXPECT_EQ(h.width, params.width);
    EXPECT_EQ(h.height, params.height);
    EXPECT_EQ(h.components, params.grey ? 1 : 3);
    ASSERT_EQ(h.jfif, params.jfif);
    if (params.jfif) {
      EXPECT_EQ(h.unit, params.densityUnit);
      EXPECT_EQ(h.xDensity, params.xDensity);
      EXPECT_EQ(h.yDensity, params.yDensity);
    }
  }
}

TEST(DemoJpeg, RejectsAPictureOfTheWrongSize) {
  Picture picture{4, 4, false, std::string(10, '\0')};
  EXPECT_THROW(encodeJpeg(picture, JpegParams{}), std::invalid_argument);
}

}  // namespace
}  // namespace kestrin::demo
