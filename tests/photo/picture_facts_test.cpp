// The status bar's facts: JFIF densities and their normalisation, the size
// panel with centimetres, the zoom, and the tooltip.
#include "photo/picture_facts.h"

#include <gtest/gtest.h>

#include "photo/jfif_density.h"
#include "support/cp1251_test_text.h"
#include "support/temp_dir.h"

namespace kestrin::photo {
namespace {

using testing::cp;

// A JPEG start with a JFIF APP0 segment at `offset` (after filler bytes).
std::string jfifHead(int unit, int horizontal, int vertical, std::size_t offset = 6) {
  std::string head = "\xFF\xD8\xFF\xE0";
  head.resize(offset, '\0');
  head += "JFIF";
  head += '\0';
  head += "\x01\x02";
  head += static_cast<char>(unit);
  head += static_cast<char>(horizontal >> 8);
  head += static_cast<char>(horizontal & 0xFF);
  head += static_cast<char>(vertical >> 8);
  head += static_cast<char>(vertical & 0xFF);
  head += std::string(40, '\0');
  return head;
}

struct DensityCase {
  const char* name;
  std::string head;
  JfifDensity read;
  JfifDensity shown;
};

class JfifDensityTest : public ::testing::TestWithParam<DensityCase> {};

TEST_P(JfifDensityTest, ReadsAndNormalises) {
  const DensityCase& c = GetParam();
  const JfifDensity read = jfifDensityIn(c.head);
  EXPECT_EQ(read, c.read);
  EXPECT_EQ(normalisedDensity(read), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JfifDensityTest,
    ::testing::Values(DensityCase{"Unit0At72", jfifHead(0, 72, 72), {0, 72, 72}, {1, 300, 300}},
                      DensityCase{"Dpi72", jfifHead(1, 72, 72), {1, 72, 72}, {1, 300, 300}},
                      DensityCase{"Dpi96", jfifHead(1, 96, 96), {1, 96, 96}, {1, 300, 300}},
                      DensityCase{"Dpi75Kept", jfifHead(1, 75, 600), {1, 75, 600}, {1, 75, 600}},
                      DensityCase{"Dpi0", jfifHead(1, 0, 300), {1, 0, 300}, {1, 300, 300}},
                      DensityCase{"DotsPerCm", jfifHead(2, 118, 118), {2, 118, 118}, {2, 118, 118}},
                      DensityCase{"UnknownUnit", jfifHead(7, 200, 200), {7, 200, 200}, {1, 200, 200}},
                      DensityCase{"NoJfif", std::string("\xFF\xD8\xFF\xE1 Exif", 10), {}, {}},
                      DensityCase{"JfifBeyond50Bytes", jfifHead(1, 600, 600, 47), {}, {}},
                      DensityCase{"HeaderCutShort", jfifHead(1, 600, 600).substr(0, 15), {}, {}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(JfifDensity, ReadFromAFileAndDefaultsWhenMissing) {
  testing::TempDir dir;
  testing::writeFileBytes(dir.file("a.jpg"), jfifHead(1, 400, 300));
  EXPECT_EQ(readJfifDensity(dir.file("a.jpg")), (JfifDensity{1, 400, 300}));
  EXPECT_EQ(readJfifDensity(dir.file("missing.jpg")), JfifDensity{});
}

struct SizeCase {
  const char* name;
  int width;
  int height;
  JfifDensity density;
  std::string text;
};

class SizePanelTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizePanelTest, WritesCentimetresAndDpi) {
  const SizeCase& c = GetParam();
  EXPECT_EQ(sizePanelText(c.width, c.height, c.density), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SizePanelTest,
    ::testing::Values(SizeCase{"A4At300", 2480, 3508, {1, 300, 300}, cp("2480x3508 (21x29,7 см.) 300 dpi")},
                      SizeCase{"DotsPerCm", 1180, 590, {2, 118, 118}, cp("1180x590 (10x5 см.) 118 dpi")},
                      SizeCase{"OtherVerticalDensity", 600, 600, {1, 300, 150}, cp("600x600 (5,1x10,2 см.) 300 dpi")},
                      SizeCase{"NoPicture", 0, 0, {1, 300, 300}, cp("0x0 (0x0 см.) 300 dpi")}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(PictureFacts, ZoomIsIntegerDivisionAndNdWithoutPicture) {
  EXPECT_EQ(fitZoomPercent(2000, 1000, 999, 700), 49);
  EXPECT_EQ(fitZoomPercent(100, 100, 150, 400), 150);
  EXPECT_EQ(fitZoomPercent(0, 0, 150, 400), std::nullopt);
  EXPECT_EQ(zoomPanelText(49), "49%");
  EXPECT_EQ(zoomPanelText(std::nullopt), cp("н/д"));
}

TEST(PictureFacts, TooltipAddsTheCaseSensitiveDescription) {
  testing::TempDir dir;
  testing::writeFileBytes(dir.file("descript.ion"), cp("A.jpg Большая\r\na.jpg Малая\r\n"));
  EXPECT_EQ(tooltipText(dir.file("a.jpg")), dir.file("a.jpg") + "\n" + cp("Малая"));
  EXPECT_EQ(tooltipText(dir.file("b.jpg")), dir.file("b.jpg"));
}

TEST(PictureFacts, FileDateOfAMissingFileIsNd) { EXPECT_EQ(fileDatePanelText("/no/such/file.jpg"), cp("н/д")); }

}  // namespace
}  // namespace kestrin::photo
