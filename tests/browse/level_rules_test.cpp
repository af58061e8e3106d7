// Rules of the level grids without a display: row drawing, title sorting,
// column fitting and the record steps of Up and Down.
#include <gtest/gtest.h>

#include "browse/grid_columns.h"
#include "browse/level_steps.h"
#include "browse/row_style.h"
#include "browse/test_level_tables.h"
#include "browse/title_sort.h"
#include "support/temp_dir.h"
#include "text/cp1251_utf8.h"

namespace kestrin::browse {
namespace {

using text::cp1251ToUtf8;

struct StyleCase {
  const char* name;
  int level;
  CellState state;
  RowFacts row;
  bool colorTypes;
  CellStyle expected;
};

class RowStyleTest : public ::testing::TestWithParam<StyleCase> {};

TEST_P(RowStyleTest, Cell) {
  const StyleCase& c = GetParam();
  EXPECT_EQ(cellStyle(c.level, c.state, c.row, c.colorTypes), c.expected);
}

constexpr CellState kPlain{};
constexpr CellState kSelected{true, false, false};
constexpr CellState kFocused{false, true, false};
constexpr CellState kFixed{false, false, true};
using T = TextColour;
using B = Background;

INSTANTIATE_TEST_SUITE_P(
    Cases, RowStyleTest,
    ::testing::Values(StyleCase{"even_plain", 0, kPlain, {2, 0, false}, true, {T::ordinary, B::grid, false}},
                      StyleCase{"odd_striped", 0, kPlain, {3, 0, false}, true, {T::ordinary, B::tooltip, false}},
                      StyleCase{"type2_blue", 0, kPlain, {2, 2, false}, true, {T::blue, B::grid, false}},
                      StyleCase{"type4_green", 1, kPlain, {5, 4, false}, true, {T::green, B::tooltip, false}},
                      StyleCase{"colours_off", 2, kPlain, {2, 2, false}, false, {T::ordinary, B::grid, false}},
                      StyleCase{"other_type", 2, kPlain, {2, 3, false}, true, {T::ordinary, B::grid, false}},
                      StyleCase{"selected", 0, kSelected, {3, 2, false}, true, {T::onHighlight, B::grid, false}},
                      StyleCase{"focused", 1, kFocused, {3, 4, false}, true, {T::onHighlight, B::grid, false}},
                      StyleCase{"fixed_unstriped", 0, kFixed, {3, 0, false}, true, {T::ordinary, B::grid, false}},
                      StyleCase{"file_bold", 2, kPlain, {4, 0, true}, true, {T::ordinary, B::grid, true}},
                      StyleCase{"fond_never_bold", 0, kPlain, {4, 0, true}, true, {T::ordinary, B::grid, false}},
                      StyleCase{"document_no_colour", 3, kPlain, {3, 2, false}, true, {T::ordinary, B::tooltip, false}},
                      StyleCase{"document_selected", 3, kSelected, {3, 2, false}, true, {T::ordinary, B::grid, false}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(RowStyle, TypeAndBoldFields) {
  EXPECT_EQ(typeCodeField(0), "A4");
  EXPECT_EQ(typeCodeField(1), "G1");
  EXPECT_EQ(typeCodeField(2), "L13");
  EXPECT_EQ(typeCodeField(3), "");
  EXPECT_EQ(boldField(2), "L21");
  EXPECT_EQ(boldField(0), "");
}

// An index order kept in memory.
struct FakeOrder : IndexOrder {
  std::vector<std::string> files;
  std::string tag = "<unset>";
  int records = 5;
  bool cdxThere = true;
  bool hasIndexFiles() const override { return !files.empty(); }
  void clearIndexFiles() override { files.clear(); }
  void addIndexFile(const std::string& name) override { files.push_back(name); }
  void setIndexName(const std::string& name) override { tag = name; }
  int recordCount() override { return records; }
  bool indexFileExists(const std::string&) const override { return cdxThere; }
};

using M = SortMarker;

TEST(TitleSort, FondTitlesChooseTagAndMarkTheOrderTheyGive) {
  FakeOrder fonds;
  std::vector<M> markers = {M::ascending, M::none, M::none};
  fondTitleClick(fonds, 1, markers);
  EXPECT_EQ(fonds.files, std::vector<std::string>{"fond.cdx"});
  EXPECT_EQ(fonds.tag, "NAME");
  EXPECT_EQ(markers, (std::vector<M>{M::none, M::ascending, M::none}));  // the list is no longer by number
  fondTitleClick(fonds, 0, markers);
  EXPECT_EQ(fonds.files.size(), 1u);
  EXPECT_EQ(fonds.tag, "FKOD");
  EXPECT_EQ(markers, (std::vector<M>{M::ascending, M::none, M::none}));
  fondTitleClick(fonds, 2, markers);
  EXPECT_EQ(fonds.tag, "FKOD");
  EXPECT_EQ(markers, (std::vector<M>{M::ascending, M::none, M::none}));
}

TEST(TitleSort, MarkersShowTheOrderTheListHas) {
  const struct {
    int level;
    const char* tag;
    std::vector<M> markers;
  } cases[] = {{0, "FKOD", {M::ascending, M::none, M::none}}, {0, "NAME", {M::none, M::ascending, M::none}},
               {0, "", {M::none, M::none, M::none}},          {1, "", {M::none, M::none, M::none}},
               {2, "DELO", {M::ascending, M::none, M::none}}, {2, "", {M::none, M::none, M::none}},
               {3, "", {M::none, M::none, M::none}},          {3, "DELO", {M::none, M::none, M::none}}};
  for (const auto& c : cases) EXPECT_EQ(markersOfOrder(c.level, c.tag, 3), c.markers) << c.level << c.tag;
}

TEST(TitleSort, NothingToSortOrNoIndexFile) {
  FakeOrder one;
  one.records = 1;
  std::vector<M> markers = {M::ascending, M::none};
  fondTitleClick(one, 0, markers);
  EXPECT_TRUE(one.files.empty());
  EXPECT_EQ(one.tag, "<unset>");
  EXPECT_EQ(markers[0], M::ascending);

  FakeOrder noCdx;
  noCdx.cdxThere = false;
  fondTitleClick(noCdx, 1, markers);
  EXPECT_TRUE(noCdx.files.empty());
  EXPECT_EQ(markers[1], M::none);
}

TEST(TitleSort, FileTitles) {
  FakeOrder files;
  std::vector<M> markers = {M::none, M::none, M::none};
  deloTitleClick(files, 0, markers);
  EXPECT_EQ(files.files, std::vector<std::string>{"delo.cdx"});
  EXPECT_EQ(files.tag, "DELO");
  EXPECT_EQ(markers[0], M::ascending);
  markers[1] = M::descending;
  deloTitleClick(files, 1, markers);
  EXPECT_EQ(files.tag, "");
  EXPECT_EQ(markers, (std::vector<M>{M::none, M::none, M::none}));
}

TEST(TitleSort, FondOrderFromMarkersOnEnteringThePage) {
  const struct {
    std::vector<M> markers;
    const char* tag;
  } cases[] = {{{M::ascending, M::none}, "FKOD"},
               {{M::none, M::ascending}, "NAME"},
               {{M::ascending, M::ascending}, "NAME"},
               {{M::descending, M::descending}, "<unset>"}};
  for (const auto& c : cases) {
    FakeOrder fonds;
    fonds.files = {"old.cdx"};
    reestablishFondOrder(fonds, c.markers);
    EXPECT_EQ(fonds.files, std::vector<std::string>{"fond.cdx"});
    EXPECT_EQ(fonds.tag, c.tag);
  }
  FakeOrder noCdx;
  noCdx.cdxThere = false;
  noCdx.files = {"old.cdx"};
  reestablishFondOrder(noCdx, {M::ascending});
  EXPECT_TRUE(noCdx.files.empty());
}

TEST(ColumnScale, TextAreaScalesAndMarginsBecomeTheGrids) {
  const ColumnScale same(kDesignCharWidth, kDesignCellMargins);
  EXPECT_EQ(same.toScreen(60), 60);
  const ColumnScale wider(kDesignCharWidth * 1.5, 7);  // a font half as wide again, wider cell margins
  EXPECT_DOUBLE_EQ(wider.factor(), 1.5);
  EXPECT_EQ(wider.toScreen(60), (60 - 4) * 3 / 2 + 7);
  EXPECT_EQ(wider.toScreen(10), 16);
  EXPECT_EQ(wider.toScreen(70), 106);
  EXPECT_EQ(wider.toDesign(106), 70);
  EXPECT_EQ(wider.toDesign(120), 79);  // a width the user dragged: the nearest design pixel
  for (double factor : {1.0, 1.17, 1.225, 1.45, 2.0}) {
    const ColumnScale scale(kDesignCharWidth * factor, 7);
    for (int design = 4; design <= 400; ++design) ASSERT_EQ(scale.toDesign(scale.toScreen(design)), design) << factor;
  }
  EXPECT_DOUBLE_EQ(ColumnScale(0, 7).factor(), 1.0);  // no measure: the design size
  EXPECT_EQ(charWidthSample().size(), 26u + 26u + 10u + 64u);
}

TEST(GridColumns, TitlesWidthsAndFitting) {
  const auto fonds = gridColumns(0);
  ASSERT_EQ(fonds.size(), 7u);
  EXPECT_EQ(cp1251ToUtf8(fonds[0].title), "№");
  EXPECT_EQ(cp1251ToUtf8(fonds[1].hint), "Сокращенное название фонда");
  EXPECT_EQ(fonds[0].initialMarker, SortMarker::ascending);
  EXPECT_EQ(fonds[3].alignment, Alignment::centre);
  EXPECT_EQ(gridColumns(1).size(), 5u);
  EXPECT_EQ(gridColumns(2)[1].width, 301);
  EXPECT_EQ(gridColumns(3)[1].initialMarker, SortMarker::ascending);
  EXPECT_TRUE(gridColumns(3)[2].hint.empty());
  for (int level = 0; level < 4; ++level) {
    EXPECT_EQ(cp1251ToUtf8(gridColumns(level)[1].title), "Заголовок");
    for (const auto& column : gridColumns(level))
      EXPECT_EQ(column.titleButton, &column - gridColumns(level).data() < 2);
  }
  // A user who widens "Даты" by 30 pixels sees the title column shrink by 30.
  std::vector<int> widths = {40, 300, 22, 22, 32, 60, 52};
  const int before = fittedTitleColumnWidth(700, widths, 17);
  EXPECT_EQ(before, 700 - (40 + 22 + 22 + 32 + 60 + 52) - 17 - 21);
  widths[5] += 30;
  widths[1] = 12345;  // the title column's own width does not count
  EXPECT_EQ(fittedTitleColumnWidth(700, widths, 17), before - 30);
}

TEST(LevelSteps, StepsWrapAround) {
  kestrin::testing::TempDir dir;
  testing::writeLevelTable(dir.path(), archive::ArchiveCursor::Delo, testing::numberedFiles(4, 3));  // 3 deleted
  dbf::TableCursor files;
  testing::openLevel(files, archive::ArchiveCursor::Delo, dir.path());
  std::vector<int> seen;
  for (int i = 0; i < 5; ++i) {
    stepWithWrap(files, true);
    seen.push_back(files.recNo());
  }
  EXPECT_EQ(seen, (std::vector<int>{2, 4, 1, 2, 4}));
  seen.clear();
  files.first();
  for (int i = 0; i < 4; ++i) {
    stepWithWrap(files, false);
    seen.push_back(files.recNo());
  }
  EXPECT_EQ(seen, (std::vector<int>{4, 2, 1, 4}));

  dbf::TableCursor closed;
  stepWithWrap(closed, true);  // nothing to do, no error
}

}  // namespace
}  // namespace kestrin::browse
