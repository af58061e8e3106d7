// Where the main window opens and how it snaps: the placement saved by the
// last session made wholly visible on the screens there are now, and the
// resize that runs past a screen edge pulled back to it.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "app/window_geometry.h"
#include "support/case_names.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

using kestrin::testing::TempDir;
using kestrin::testing::writeFileBytes;

struct PlacementCase {
  const char* name;
  Rect saved;
  std::vector<Rect> workAreas;  // the primary screen's first
  Rect expected;
};

class RestoredPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(RestoredPlacementTest, WhollyOnAScreenThatExists) {
  const PlacementCase& c = GetParam();
  TempDir dir;
  writeFileBytes(dir.file("k.ini"), "[Main]\r\nLeft=" + std::to_string(c.saved.left) + "\r\nTop=" +
                                        std::to_string(c.saved.top) + "\r\nWidth=" + std::to_string(c.saved.width) +
                                        "\r\nHeight=" + std::to_string(c.saved.height) + "\r\n");
  const Placement p = restoredPlacement(IniFile(dir.file("k.ini")), {10, 10, 640, 512}, c.workAreas);
  EXPECT_FALSE(p.maximized);
  EXPECT_EQ(p.bounds, c.expected);
}

const Rect kLaptop{0, 0, 1600, 960};           // a task bar of 40 below
const Rect kRightScreen{1600, 0, 1920, 1080};  // a second screen to its right
const Rect kLeftScreen{-1280, 100, 1280, 1024};

INSTANTIATE_TEST_SUITE_P(
    Cases, RestoredPlacementTest,
    ::testing::Values(
        PlacementCase{"inside_stays", {100, 80, 700, 560}, {kLaptop}, {100, 80, 700, 560}},
        PlacementCase{"far_off_screen_comes_back", {3000, 2000, 700, 560}, {kLaptop}, {900, 400, 700, 560}},
        PlacementCase{"negative_moves_to_the_edge", {-30, -5, 700, 560}, {kLaptop}, {0, 0, 700, 560}},
        PlacementCase{"oversized_shrinks_to_the_work_area", {0, 0, 5000, 1200}, {kLaptop}, {0, 0, 1600, 960}},
        PlacementCase{"half_past_the_right_edge", {1200, 100, 700, 560}, {kLaptop}, {900, 100, 700, 560}},
        PlacementCase{
            "on_the_second_screen_stays", {2000, 300, 700, 560}, {kLaptop, kRightScreen}, {2000, 300, 700, 560}},
        PlacementCase{"across_two_screens_goes_to_the_larger_part",
                      {1500, 300, 700, 560},
                      {kLaptop, kRightScreen},
                      {1600, 300, 700, 560}},
        PlacementCase{"screen_on_the_left_with_negative_coordinates",
                      {-1000, 200, 700, 560},
                      {kLaptop, kLeftScreen},
                      {-1000, 200, 700, 560}},
        PlacementCase{"second_screen_unplugged", {2000, 300, 700, 560}, {kLaptop}, {900, 300, 700, 560}},
        PlacementCase{"larger_than_the_screen_it_lands_on",
                      {1700, 50, 2500, 1500},
                      {kLaptop, kRightScreen},
                      {1600, 0, 1920, 1080}}),
    kestrin::testing::byName);

TEST(RestoredPlacement, NoScreensKeepsTheSavedBounds) {
  TempDir dir;
  writeFileBytes(dir.file("k.ini"), "[Main]\r\nLeft=3000\r\nTop=2000\r\n");
  EXPECT_EQ(restoredPlacement(IniFile(dir.file("k.ini")), {10, 10, 640, 512}, {}).bounds, (Rect{3000, 2000, 640, 512}));
}

struct ResizeCase {
  const char* name;
  Rect previous;
  Rect proposed;
  Rect expected;
};

class ResizeSnapTest : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ResizeSnapTest, DraggedEdgesStopAtTheWorkArea) {
  const Rect workArea{0, 30, 1280, 740};  // a panel at the top
  EXPECT_EQ(snapResizeToWorkArea(GetParam().proposed, GetParam().previous, workArea), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResizeSnapTest,
    ::testing::Values(
        ResizeCase{"right_edge_past_the_screen", {100, 100, 600, 400}, {100, 100, 1300, 400}, {100, 100, 1180, 400}},
        ResizeCase{"right_edge_within_20", {100, 100, 600, 400}, {100, 100, 1165, 400}, {100, 100, 1180, 400}},
        ResizeCase{"right_edge_21_away_stays", {100, 100, 600, 400}, {100, 100, 1159, 400}, {100, 100, 1159, 400}},
        ResizeCase{"bottom_edge_past_the_screen", {100, 100, 600, 400}, {100, 100, 600, 900}, {100, 100, 600, 670}},
        ResizeCase{"left_edge_past_the_screen", {100, 100, 600, 400}, {-50, 100, 750, 400}, {0, 100, 700, 400}},
        ResizeCase{"top_edge_into_the_panel", {100, 100, 600, 400}, {100, 10, 600, 490}, {100, 30, 600, 470}},
        ResizeCase{
            "untouched_edges_stay_even_when_near", {10, 100, 600, 400}, {10, 100, 700, 400}, {10, 100, 700, 400}},
        ResizeCase{"shrinking_in_the_middle", {100, 100, 600, 400}, {100, 100, 500, 300}, {100, 100, 500, 300}}),
    kestrin::testing::byName);

TEST(InfoPanelHeight, TheGridKeepsAtLeastHalf) {
  const struct {
    int stored, splitter, expected;
  } cases[] = {{120, 500, 120}, {400, 503, 250}, {2000, 303, 150}, {-5, 500, 0}, {120, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(restoredInfoPanelHeight(c.stored, c.splitter, 3), c.expected) << c.stored << " in " << c.splitter;
  }
}

}  // namespace
}  // namespace kestrin::app
