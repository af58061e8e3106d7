// The photo catalogue: its line format, the three search modes, the folder
// scan, photo.dat written and read back, and paths written on Windows.
#include "photo/photo_catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "photo/catalogue_line.h"
#include "photo/photo_paths.h"
#include "support/cp1251_test_text.h"
#include "support/temp_dir.h"

namespace kestrin::photo {
namespace {

using testing::cp;

struct LineCase {
  const char* name;
  std::string path;
  std::string description;
  std::string line;
};

class CatalogueLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CatalogueLineTest, WritesAndReadsBackThePath) {
  const LineCase& c = GetParam();
  EXPECT_EQ(catalogueLine(c.path, c.description), c.line);
  EXPECT_EQ(pathOfLine(c.line), c.path);
}

INSTANTIATE_TEST_SUITE_P(Cases, CatalogueLineTest,
                         ::testing::Values(LineCase{"PlainPath", "/p/a.jpg", cp("Вид"), cp("/p/a.jpg Вид")},
                                           LineCase{"PathWithBlankQuoted", cp("/p/Ф.   1/a.jpg"), cp("Вид"),
                                                    cp("\"/p/Ф.   1/a.jpg\" Вид")},
                                           LineCase{"NoDescription", "/p/a.jpg", "", "/p/a.jpg"},
                                           LineCase{"QuotedWithoutDescription", "/p q/a.jpg", "", "\"/p q/a.jpg\""},
                                           LineCase{"DescriptionTrimmed", "/p/a.jpg", cp("Вид  "), cp("/p/a.jpg Вид")}),
                         [](const auto& param) { return std::string(param.param.name); });

// A catalogue of three lines loaded from a file.
PhotoCatalogue catalogueOf(const testing::TempDir& dir, const std::string& content, const std::string& folder) {
  testing::writeFileBytes(dir.file("photo.dat"), content);
  PhotoCatalogue catalogue;
  catalogue.loadFile(dir.file("photo.dat"), folder);
  return catalogue;
}

struct SearchCase {
  const char* name;
  std::string query;
  PhotoSearchMode mode;
  std::vector<std::string> paths;
};

class CatalogueSearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(CatalogueSearchTest, AcceptsTheLines) {
  testing::TempDir dir;
  const PhotoCatalogue catalogue = catalogueOf(dir,
                                               cp("/p/1.jpg Митинг на площади\r\n"
                                                  "\"/p/Ф.   2/2.jpg\" Парад, площадь\r\n"
                                                  "/p/3.jpg\r\n"),
                                               "/p/");
  const SearchCase& c = GetParam();
  EXPECT_EQ(catalogue.search(c.query, c.mode), c.paths);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CatalogueSearchTest,
    ::testing::Values(
        SearchCase{"PhraseAsIs", cp("на площади"), PhotoSearchMode::AsIs, {"/p/1.jpg"}},
        SearchCase{"PhraseIgnoresCase", cp("ПЛОЩАД"), PhotoSearchMode::AsIs, {"/p/1.jpg", cp("/p/Ф.   2/2.jpg")}},
        SearchCase{"PhraseMustBeWhole", cp("митинг площадь"), PhotoSearchMode::AsIs, {}},
        SearchCase{"AnyWord", cp("митинг парад "), PhotoSearchMode::AnyWord, {"/p/1.jpg", cp("/p/Ф.   2/2.jpg")}},
        SearchCase{"AllWordsBothSomewhere", cp("парад ф. "), PhotoSearchMode::AllWords, {cp("/p/Ф.   2/2.jpg")}},
        SearchCase{"AllWordsOneMissing", cp("митинг парад "), PhotoSearchMode::AllWords, {}},
        SearchCase{"PathMatches", "3.jpg ", PhotoSearchMode::AllWords, {"/p/3.jpg"}},
        SearchCase{"BlanksBetweenWordsIgnored", cp("  митинг   "), PhotoSearchMode::AllWords, {"/p/1.jpg"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(PhotoCatalogue, WindowsPathsMapOntoThePhotoFolder) {
  testing::TempDir dir;
  const PhotoCatalogue catalogue = catalogueOf(dir,
                                               cp("\"D:\\Photo\\Ф.   12\\Оп.   1\\Д.     5\\Фото 1.jpg\" Вид\r\n"
                                                  "\"d:\\photo\\Ф.   13\\Оп.   2\\Д.     7\\001.jpg\"\r\n"
                                                  "/already/here.jpg Тут\r\n"),
                                               "/home/u/Photo/");
  EXPECT_EQ(catalogue.lines(), (std::vector<std::string>{
                                   cp("\"/home/u/Photo/Ф.   12/Оп.   1/Д.     5/Фото 1.jpg\" Вид"),
                                   cp("\"/home/u/Photo/Ф.   13/Оп.   2/Д.     7/001.jpg\""),
                                   cp("/already/here.jpg Тут"),
                               }));
}

TEST(PhotoCatalogue, WindowsPathsWithoutFondLevelsKeepTheirPartBelowTheSharedFolder) {
  testing::TempDir dir;
  const PhotoCatalogue catalogue = catalogueOf(dir, "E:\\Scans\\a\\1.jpg x\r\nE:\\Scans\\b\\2.jpg\r\n", "/s/");
  EXPECT_EQ(catalogue.lines(), (std::vector<std::string>{"/s/a/1.jpg x", "/s/b/2.jpg"}));
}

struct DriveCase {
  const char* name;
  std::string path;
  std::string mapped;
};

class MapWindowsPathTest : public ::testing::TestWithParam<DriveCase> {};

TEST_P(MapWindowsPathTest, MapsBelowTheRoot) {
  EXPECT_EQ(mapWindowsPath(GetParam().path, "D:\\Photo\\", "/ph"), GetParam().mapped);
}

INSTANTIATE_TEST_SUITE_P(Cases, MapWindowsPathTest,
                         ::testing::Values(DriveCase{"Below", "D:\\Photo\\a\\b.jpg", "/ph/a/b.jpg"},
                                           DriveCase{"OtherLetterCase", "d:\\PHOTO\\b.jpg", "/ph/b.jpg"},
                                           DriveCase{"ForwardSlashes", "D:/Photo/a/b.jpg", "/ph/a/b.jpg"},
                                           DriveCase{"OutsideTheRoot", "C:\\Other\\b.jpg", "C:\\Other\\b.jpg"},
                                           DriveCase{"NoDrive", "/x/b.jpg", "/x/b.jpg"}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(PhotoCatalogue, ScanListsJpegsDepthFirstWithDescriptionsAndSavesCrLf) {
  testing::TempDir dir;
  namespace fs = std::filesystem;
  const std::string root = dir.path() + "/";
  fs::create_directories(fsPath(root + cp("Ф.   1/Оп.   1/Д.     1")));
  testing::writeFileBytes(dir.file("b.JPG"), "x");
  testing::writeFileBytes(dir.file("notes.txt"), "x");
  testing::writeFileBytes(dir.file("c.jpeg"), "x");
  const std::string inner = root + cp("Ф.   1/Оп.   1/Д.     1/");
  testing::writeFileBytes(fsPath(inner + cp("Фото 1.jpg")).string(), "x");
  testing::writeFileBytes(fsPath(inner + "descript.ion").string(), cp("\"Фото 1.jpg\" Школа\r\n"));

  PhotoCatalogue catalogue;
  catalogue.scan(root);
  const std::vector<std::string> expected{
      root + "b.JPG",
      "\"" + inner + cp("Фото 1.jpg\" Школа"),
  };
  EXPECT_EQ(catalogue.lines(), expected);

  const std::string target = photoDatTarget(root);
  EXPECT_EQ(target, root + "Photo.dat");
  catalogue.save(target);
  EXPECT_EQ(testing::readFileBytes(fsPath(target).string()), expected[0] + "\r\n" + expected[1] + "\r\n");
  EXPECT_EQ(photoDatFile(root), target);
  PhotoCatalogue reread;
  reread.loadFile(target, root);
  EXPECT_EQ(reread.lines(), expected);
}

TEST(PhotoCatalogue, MissingFileIsReportedByName) {
  PhotoCatalogue catalogue;
  try {
    catalogue.loadFile("/no/such/photo.dat", "/no/such/");
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Cannot read the photo catalogue /no/such/photo.dat");
  }
}

}  // namespace
}  // namespace kestrin::photo
