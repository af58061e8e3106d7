#include "archive/format/file_info.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/case_names.h"
#include "support/cp1251_test_text.h"
#include "support/temp_dir.h"

namespace kestrin::archive {
namespace {

using testing::utf8;

struct SizeCase {
  long long bytes;
  const char* expected;
};

class SizeTextTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeTextTest, ChoosesUnitAndOneDecimal) { EXPECT_EQ(utf8(sizeText(GetParam().bytes)), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, SizeTextTest,
                         ::testing::Values(SizeCase{-1, "-1 б"}, SizeCase{0, "0 б"}, SizeCase{1024, "1024 б"},
                                           SizeCase{1025, "1 Кб"}, SizeCase{1536, "1,5 Кб"},
                                           SizeCase{1048576, "1024 Кб"}, SizeCase{1048577, "1 Мб"},
                                           SizeCase{2621440, "2,5 Мб"}, SizeCase{10 * 1048576LL, "10 Мб"}),
                         kestrin::testing::labelled([](const SizeCase& c) { return std::to_string(c.bytes); }));

class FileInfoTest : public ::testing::Test {
 protected:
  std::filesystem::path writeFile(const char* name, std::size_t bytes) {
    const auto path = folder_ / name;
    std::ofstream(path, std::ios::binary) << std::string(bytes, 'x');
    return path;
  }

  kestrin::testing::TempDir dir_;
  const std::filesystem::path folder_{dir_.path()};
};

TEST_F(FileInfoTest, SizeOfFilesFoldersAndMissingFiles) {
  EXPECT_EQ(utf8(fileSizeText(writeFile("a.jpg", 1536))), "1,5 Кб");
  EXPECT_EQ(utf8(fileSizeText(writeFile("b.jpg", 1536), dbf::RegionalSettings{'.', "dd.MM.yyyy"})), "1.5 Кб");
  EXPECT_EQ(utf8(fileSizeText(folder_)), "-1 б");
  EXPECT_EQ(utf8(fileSizeText(folder_ / "missing.jpg")), "-1 б");
}

TEST_F(FileInfoTest, DateOfExistingAndMissingFiles) {
  const auto before = std::chrono::system_clock::now() - std::chrono::minutes(1);
  const auto date = fileDate(writeFile("a.jpg", 10));
  ASSERT_TRUE(date.has_value());
  EXPECT_GT(*date, before);
  EXPECT_FALSE(fileDate(folder_ / "missing.jpg").has_value());
}

}  // namespace
}  // namespace kestrin::archive
