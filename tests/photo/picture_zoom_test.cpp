// Zooming around the pointer and the limits of panning.
#include "photo/picture_zoom.h"

#include <gtest/gtest.h>

namespace kestrin::photo {
namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr int kAreaWidth = 800;
constexpr int kAreaHeight = 600;

struct PointCase {
  double x;
  double y;
  double zoom;
};

class ZoomAroundTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(ZoomAroundTest, ThePointUnderThePointerStays) {
  const PointCase& c = GetParam();
  const ZoomView fitted{fitZoom(kWidth, kHeight, kAreaWidth, kAreaHeight), 0, 0};
  const ZoomView half = zoomedAround(fitted, 0.5, 400, 300, kWidth, kHeight, kAreaWidth, kAreaHeight);
  const double beforeX = half.left + c.x / half.zoom;
  const double beforeY = half.top + c.y / half.zoom;
  const ZoomView zoomed = zoomedAround(half, c.zoom, c.x, c.y, kWidth, kHeight, kAreaWidth, kAreaHeight);
  EXPECT_DOUBLE_EQ(zoomed.zoom, c.zoom);
  EXPECT_NEAR(zoomed.left + c.x / zoomed.zoom, beforeX, 1e-9);
  EXPECT_NEAR(zoomed.top + c.y / zoomed.zoom, beforeY, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, ZoomAroundTest,
                         ::testing::Values(PointCase{400, 300, 1.0}, PointCase{100, 500, 2.0}, PointCase{700, 50, 4.0},
                                           PointCase{250, 250, 0.75}));

TEST(PictureZoom, ZoomStaysBetweenFitAndFourHundredPercent) {
  const double fit = fitZoom(kWidth, kHeight, kAreaWidth, kAreaHeight);
  EXPECT_DOUBLE_EQ(fit, 0.2);
  const ZoomView start{1.0, 1000, 1000};
  EXPECT_DOUBLE_EQ(zoomedAround(start, 10, 0, 0, kWidth, kHeight, kAreaWidth, kAreaHeight).zoom, kMaxZoom);
  const ZoomView out = zoomedAround(start, 0.01, 400, 300, kWidth, kHeight, kAreaWidth, kAreaHeight);
  EXPECT_DOUBLE_EQ(out.zoom, fit);
  EXPECT_DOUBLE_EQ(out.left, 0);
  EXPECT_DOUBLE_EQ(out.top, 0);
}

struct PanCase {
  const char* name;
  ZoomView view;
  double left;
  double top;
};

class PanLimitTest : public ::testing::TestWithParam<PanCase> {};

TEST_P(PanLimitTest, KeepsThePictureInTheArea) {
  const ZoomView v = clampedPan(GetParam().view, kWidth, kHeight, kAreaWidth, kAreaHeight);
  EXPECT_DOUBLE_EQ(v.left, GetParam().left);
  EXPECT_DOUBLE_EQ(v.top, GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(Cases, PanLimitTest,
                         ::testing::Values(PanCase{"Inside", {1.0, 100, 200}, 100, 200},
                                           PanCase{"BeforeTheStart", {1.0, -50, -1}, 0, 0},
                                           PanCase{"PastTheEnd", {1.0, 5000, 5000}, 3200, 2400},
                                           PanCase{"PastTheEndAtTwice", {2.0, 5000, 5000}, 3600, 2700},
                                           PanCase{"FittedStartsAtZero", {0.2, 100, 100}, 0, 0}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace kestrin::photo
