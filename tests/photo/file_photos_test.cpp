// The photos of a file: "*.jpg" in any letter case, folders that match
// listed in their turn, and no second listing of the same subfolder.
#include "photo/file_photos.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "photo/photo_paths.h"
#include "support/cp1251_test_text.h"
#include "support/temp_dir.h"

namespace kestrin::photo {
namespace {

using testing::cp;

TEST(FilePhotos, ListsJpegsOfTheSubfolderOnceUntilItChanges) {
  testing::TempDir dir;
  const std::string root = dir.path() + "/";
  const std::string folder = root + cp("Ф.   12/Оп.   1/Д.     5/");
  std::filesystem::create_directories(fsPath(folder + "more.jpg/"));
  for (const std::string name : {"b.JPG", "a.jpg", "c.Jpg", "d.jpeg", "descript.ion", "more.jpg/e.jpg"}) {
    testing::writeFileBytes(fsPath(folder + name).string(), "x");
  }
  FilePhotos photos;
  const FileNumbers numbers{"12", "1", "5"};
  const auto first = photos.list(root, numbers);
  ASSERT_TRUE(first);
  EXPECT_EQ(*first, (std::vector<std::string>{folder + "a.jpg", folder + "b.JPG", folder + "c.Jpg",
                                              folder + "more.jpg/e.jpg"}));
  EXPECT_EQ(photos.list(root, numbers), std::nullopt);
  // The volume does not change the subfolder.
  EXPECT_EQ(photos.list(root, {"12", cp("1. Т.2"), "5"}), std::nullopt);

  const auto other = photos.list(root, {"12", "1", "6"});
  ASSERT_TRUE(other);
  EXPECT_TRUE(other->empty());
  EXPECT_TRUE(photos.list(root, numbers));
  photos.forget();
  EXPECT_TRUE(photos.list(root, numbers));
}

TEST(FilePhotos, MissingPhotoFolderListsNothing) {
  FilePhotos photos;
  const auto paths = photos.list("/no/such/folder/", {"1", "1", "1"});
  ASSERT_TRUE(paths);
  EXPECT_TRUE(paths->empty());
}

}  // namespace
}  // namespace kestrin::photo
