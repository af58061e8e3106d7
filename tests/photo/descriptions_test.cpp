// Descriptions from descript.ion: the list's lookup (letter case ignored,
// quoted names) and the tooltip's (letter case counts).
#include "photo/descriptions.h"

#include <gtest/gtest.h>

#include "support/cp1251_test_text.h"
#include "support/temp_dir.h"

namespace kestrin::photo {
namespace {

using testing::cp;

struct LookupCase {
  const char* name;
  std::string file;
  std::string photo;
  std::string list;     // descriptionIn
  std::string tooltip;  // tooltipDescriptionIn
};

class DescriptionLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(DescriptionLookupTest, FindsTheLine) {
  const LookupCase& c = GetParam();
  EXPECT_EQ(descriptionIn(c.file, c.photo), c.list);
  EXPECT_EQ(tooltipDescriptionIn(c.file, c.photo), c.tooltip);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DescriptionLookupTest,
    ::testing::Values(
        LookupCase{"PlainName", cp("001.jpg Митинг\r\n002.jpg Парад\r\n"), "002.jpg", cp("Парад"), cp("Парад")},
        LookupCase{"LetterCaseIgnoredByTheListOnly", cp("IMG_0001.JPG Вид\r\n"), "img_0001.jpg", cp("Вид"), ""},
        LookupCase{"CyrillicCaseIgnored", cp("ФОТО.jpg Вид\r\n"), cp("фото.jpg"), cp("Вид"), ""},
        LookupCase{"QuotedNameWithBlank", cp("\"Фото 1.jpg\" Здание школы\r\n"), cp("Фото 1.jpg"), cp("Здание школы"),
                   cp("Здание школы")},
        LookupCase{"UnquotedNameWithBlankNotFound", cp("Фото 1.jpg Здание\r\n"), cp("Фото 1.jpg"), "", cp("Здание")},
        LookupCase{"FirstMatchWins", cp("a.jpg первое\r\nA.JPG второе\r\na.jpg третье\r\n"), "a.jpg", cp("первое"),
                   cp("первое")},
        LookupCase{"PrefixOfAnotherName", cp("1.jpg.bak нет\r\n1.jpg да\r\n"), "1.jpg", cp("да"), cp("да")},
        LookupCase{"LineEndsInLfAlone", cp("a.jpg один\nb.jpg два\n"), "b.jpg", cp("два"), cp("два")},
        LookupCase{"LastLineWithoutEnd", cp("a.jpg один\r\nb.jpg два"), "b.jpg", cp("два"), cp("два")},
        LookupCase{"DescriptionKeepsInnerBlanks", cp("a.jpg  два  пробела \r\n"), "a.jpg", cp(" два  пробела "),
                   cp(" два  пробела ")},
        LookupCase{"NotListed", cp("a.jpg один\r\n"), "b.jpg", "", ""}, LookupCase{"EmptyFile", "", "a.jpg", "", ""}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(DescriptionOf, ReadsTheFolderFileAndCachesItPerFolder) {
  testing::TempDir dir;
  testing::writeFileBytes(dir.file("DESCRIPT.ION"), cp("a.jpg первое\r\n"));
  const std::string folder = dir.path() + "/";
  EXPECT_EQ(descriptionOf(folder + "a.jpg"), cp("первое"));
  EXPECT_EQ(descriptionOf(folder + "b.jpg"), "");
  EXPECT_EQ(descriptionOf(dir.path() + "/missing/a.jpg"), "");

  DescriptionCache cache;
  EXPECT_EQ(cache.descriptionOf(folder + "a.jpg"), cp("первое"));
  // Read once: a change after the first lookup is not seen by the same scan.
  testing::writeFileBytes(dir.file("DESCRIPT.ION"), cp("a.jpg второе\r\n"));
  EXPECT_EQ(cache.descriptionOf(folder + "a.jpg"), cp("первое"));
  EXPECT_EQ(descriptionOf(folder + "a.jpg"), cp("второе"));
}

}  // namespace
}  // namespace kestrin::photo
