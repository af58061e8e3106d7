// kestrin-cli photos, photo-search and photo-info over a small photo folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/command.h"
#include "demo/demo_jpeg.h"
#include "support/temp_dir.h"

namespace kestrin::cli {
namespace {

namespace fs = std::filesystem;

std::string run(int (*command)(const Args&, std::ostream&), const Args& args) {
  std::ostringstream out;
  EXPECT_EQ(command(args, out), 0);
  return out.str();
}

class PhotoCommandsTest : public ::testing::Test {
 protected:
  PhotoCommandsTest() {
    folder_ = dir_.path() + "/Ф.   12/Оп.   3/Д.    45/";
    fs::create_directories(fs::u8path(folder_));
    demo::JpegParams params;
    params.width = 118;
    params.height = 59;
    params.densityUnit = 2;
    params.xDensity = 118;
    params.yDensity = 118;
    const demo::Picture picture{118, 59, false, std::string(118 * 59 * 3, '\x40')};
    testing::writeFileBytes(folder_ + "Фото 1.jpg", demo::encodeJpeg(picture, params));
    testing::writeFileBytes(folder_ + "2.JPG", "not a picture");
    // descript.ion is Windows-1251: "Митинг" and "Парад".
    testing::writeFileBytes(folder_ + "descript.ion",
                            "\"\xD4\xEE\xF2\xEE 1.jpg\" \xCC\xE8\xF2\xE8\xED\xE3\r\n"
                            "2.JPG \xCF\xE0\xF0\xE0\xE4\r\n");
  }

  testing::TempDir dir_;
  std::string folder_;
};

TEST_F(PhotoCommandsTest, PhotosOfAFileInListOrder) {
  EXPECT_EQ(run(runPhotos, {dir_.path(), "12", "3. Т.1", "45"}), "{\"path\": \"" + folder_ +
                                                                     "2.JPG\", \"name\": \"2\"}\n" + "{\"path\": \"" +
                                                                     folder_ + "Фото 1.jpg\", \"name\": \"Фото 1\"}\n");
  EXPECT_EQ(run(runPhotos, {dir_.path(), "12", "3", "46"}), "");
}

TEST_F(PhotoCommandsTest, PhotoSearchScansWithoutPhotoDat) {
  EXPECT_EQ(run(runPhotoSearch, {dir_.path(), "митинг"}), "{\"path\": \"" + folder_ + "Фото 1.jpg\"}\n");
  EXPECT_EQ(run(runPhotoSearch, {dir_.path(), "митинг парад", "--mode", "any"}).size(),
            2 * std::string("{\"path\": \"\"}\n").size() + 2 * folder_.size() + std::string("2.JPGФото 1.jpg").size());
  EXPECT_EQ(run(runPhotoSearch, {dir_.path(), "митинг парад", "--mode", "phrase"}), "");
  std::ostringstream out;
  EXPECT_THROW(runPhotoSearch({dir_.path(), "x", "--mode", "exact"}, out), UsageError);
}

TEST_F(PhotoCommandsTest, PhotoInfoAsTheStatusBarShowsIt) {
  EXPECT_EQ(run(runPhotoInfo, {folder_ + "Фото 1.jpg"}),
            "{\"size\": \"118x59 (1x0,5 см.) 118 dpi\", \"file_size\": \"" +
                std::to_string(fs::file_size(fs::u8path(folder_ + "Фото 1.jpg"))) + " б\", \"tooltip\": \"" + folder_ +
                "Фото 1.jpg\\nМитинг\"}\n");
  EXPECT_EQ(run(runPhotoInfo, {folder_ + "2.JPG"}),
            "{\"size\": \"0x0 (0x0 см.) 300 dpi\", \"file_size\": \"13 б\", "
            "\"tooltip\": \"" +
                folder_ + "2.JPG\\nПарад\"}\n");
  std::ostringstream out;
  const struct {
    std::string file;
    std::string message;
  } missing[] = {{folder_ + "3.jpg", "File " + folder_ + "3.jpg could not be found"},
                 {dir_.path(), "File " + dir_.path() + " is not a regular file"}};
  for (const auto& c : missing) {
    try {
      runPhotoInfo({c.file}, out);
      ADD_FAILURE() << c.file << " reported as a picture";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace kestrin::cli
