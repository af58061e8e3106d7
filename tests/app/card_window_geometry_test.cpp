// The card window's placement: section `Info` with its limits, and the
// window kept wholly on a screen that exists.
#include "app/card_window_geometry.h"

#include <gtest/gtest.h>

#include "support/case_names.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

using kestrin::testing::labelled;
using kestrin::testing::TempDir;
using kestrin::testing::writeFileBytes;

struct RestoreCase {
  const char* label;
  const char* keys;
  Rect expected;
};

class CardWindowRestoreTest : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(CardWindowRestoreTest, Bounds) {
  TempDir dir;
  writeFileBytes(dir.file("k.ini"), std::string("[Info]\r\n") + GetParam().keys);
  EXPECT_EQ(restoredCardWindowBounds(IniFile(dir.file("k.ini")), {1280, 1024}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CardWindowRestoreTest,
    ::testing::Values(RestoreCase{"design bounds", "", Rect{200, 150, 440, 340}},
                      RestoreCase{"saved", "Top=10\r\nLeft=20\r\nWidth=500\r\nHeight=400\r\n", Rect{20, 10, 500, 400}},
                      RestoreCase{"wider than the screen", "Width=1281\r\n", Rect{200, 150, 1260, 340}},
                      RestoreCase{"as wide as the screen", "Width=1280\r\n", Rect{200, 150, 1280, 340}},
                      RestoreCase{"taller than the screen", "Height=2000\r\n", Rect{200, 150, 440, 1004}},
                      RestoreCase{"negative corner", "Top=-5\r\nLeft=-300\r\n", Rect{0, 0, 440, 340}}),
    labelled([](const RestoreCase& c) { return std::string(c.label); }));

TEST(CardWindowPlacementTest, SavedBoundsReadBack) {
  TempDir dir;
  IniFile ini(dir.file("k.ini"));
  saveCardWindowBounds(ini, {30, 40, 500, 350});
  EXPECT_EQ(restoredCardWindowBounds(IniFile(dir.file("k.ini")), {1280, 1024}), (Rect{30, 40, 500, 350}));
}

struct ScreenCase {
  const char* label;
  Rect bounds;
  Rect expected;
};

class CardWindowScreensTest : public ::testing::TestWithParam<ScreenCase> {};

// Two screens side by side, the right one lower and with a task bar on top.
const Rect kScreens[] = {{0, 0, 1280, 1000}, {1280, 100, 1024, 700}};

TEST_P(CardWindowScreensTest, WhollyOnAScreen) {
  EXPECT_EQ(placedOnWorkAreas(GetParam().bounds, kScreens), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, CardWindowScreensTest,
    ::testing::Values(ScreenCase{"inside the first", {100, 100, 400, 300}, {100, 100, 400, 300}},
                      ScreenCase{"inside the second", {1500, 200, 400, 300}, {1500, 200, 400, 300}},
                      ScreenCase{"across both, mostly right", {1200, 200, 400, 300}, {1280, 200, 400, 300}},
                      ScreenCase{"across both, mostly left", {1000, 200, 400, 300}, {880, 200, 400, 300}},
                      ScreenCase{"below the second", {1400, 780, 400, 300}, {1400, 500, 400, 300}},
                      ScreenCase{"on no screen", {5000, 3000, 400, 300}, {880, 700, 400, 300}},
                      ScreenCase{"larger than its screen", {1300, 100, 2000, 900}, {1280, 100, 1024, 700}}),
    labelled([](const ScreenCase& c) { return std::string(c.label); }));

TEST(CardWindowScreensTest, NoScreensLeaveTheBounds) {
  EXPECT_EQ(placedOnWorkAreas({-50, -50, 400, 300}, {}), (Rect{-50, -50, 400, 300}));
}

}  // namespace
}  // namespace kestrin::app
