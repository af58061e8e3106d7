// The level grids' columns at the grid font: the design widths scaled so that
// the texts a column was designed for show whole at the normal and the large
// font, the limits of restored widths scaled alike, and a text still too wide
// for its column given whole as the cell's tooltip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <filesystem>

#include "app/fake_platform.h"
#include "app/frame/level_pages.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "app/gui/startup_controller.h"
#include "browse/grid_columns.h"
#include "browse/gui/level_grid.h"
#include "demo/demo_base.h"
#include "support/case_names.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

namespace fs = std::filesystem;
using archive::Level;
using kestrin::testing::writeFileBytes;

struct FontCase {
  const char* name;
  const char* fontLarge;
  int points;
};

class ColumnScalingTest : public ::testing::TestWithParam<FontCase> {
 protected:
  void SetUp() override {
    fs::create_directories(root_.path() + "/program");
    fs::create_directories(root_.path() + "/demo");
    platform_.program = root_.path() + "/program/";
    platform_.appData = root_.path() + "/config";
    platform_.bare = root_.path() + "/";
    demo::writeDemoLevelTables(root_.path() + "/demo", {});
  }

  std::unique_ptr<MainWindow> start(const std::string& columns = "") {
    writeFileBytes(platform_.program + "Kestrin.ini",
                   std::string("[Main]\r\nFontLarge=") + GetParam().fontLarge + "\r\nWidth=1000\r\n" + columns);
    auto window = std::make_unique<MainWindow>(platform_);
    StartupController(*window).run(root_.path() + "/demo");
    return window;
  }

  kestrin::testing::TempDir root_;
  fakes::FakePlatform platform_;
};

// How many characters a column of `designWidth` pixels holds at the design
// font (6 pixels a character, 2 pixels of margin each side).
int designedCharacters(int designWidth) { return (designWidth - 4) / static_cast<int>(browse::kDesignCharWidth); }

TEST_P(ColumnScalingTest, DesignedTextsOfTypesAndDatesShowWhole) {
  auto w = start();
  ASSERT_EQ(w->frameSettings().gridFontSize, GetParam().points);
  int checked = 0;
  for (const Level level : kLevels) {
    w->pages().showPage(static_cast<int>(level));
    browse::LevelGrid* grid = w->pages().grid(level);
    QAbstractItemModel* model = grid->model();
    while (model->canFetchMore({})) model->fetchMore({});
    const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 1;
    const auto columns = browse::gridColumns(static_cast<int>(level));
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const std::string_view field = columns[c].field;
      if (field != "Tip" && field != "Dates" && field != "Date") continue;
      const int column = static_cast<int>(c);
      const int room = grid->columnWidth(column) - margins;
      for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, column);
        const QString text = index.data().toString();
        // Fonds and inventories show years and type abbreviations only; the
        // files' and documents' exact dates may run longer than designed.
        const bool designed =
            level == Level::Fonds || level == Level::Inventories || text.size() <= designedCharacters(columns[c].width);
        QFont font = grid->font();
        font.setBold(index.data(browse::CursorTableModel::BoldRole).toBool());
        const int width = QFontMetrics(font).horizontalAdvance(text);
        if (designed) {
          ++checked;
          EXPECT_LE(width, room) << static_cast<int>(level) << " " << text.toStdString();
          EXPECT_TRUE(grid->cutCellText(index).isEmpty()) << text.toStdString();
        } else if (width > room) {
          EXPECT_EQ(grid->cutCellText(index), text);
        }
      }
    }
  }
  EXPECT_GT(checked, 1000);
}

TEST_P(ColumnScalingTest, StoredWidthsRestoredWithinTheScaledLimitsAndSavedUnscaled) {
  auto w = start("[FondColumns]\r\n5=200\r\n4=3\r\n6=50\r\n");
  browse::LevelGrid* fonds = w->pages().grid(Level::Fonds);
  const browse::ColumnScale& scale = fonds->columnScale();
  EXPECT_GT(scale.factor(), 1.0);  // the system's sans serif is wider than the design font
  EXPECT_EQ(fonds->columnWidth(5), scale.toScreen(70));
  EXPECT_EQ(fonds->columnWidth(4), scale.toScreen(10));
  EXPECT_EQ(fonds->columnWidth(6), scale.toScreen(50));
  EXPECT_EQ(fonds->columnWidth(2), scale.toScreen(22));
  w->close();
  const IniFile saved(platform_.program + "Kestrin.ini");
  EXPECT_EQ(saved.readInteger("FondColumns", "5", -1), 70);
  EXPECT_EQ(saved.readInteger("FondColumns", "4", -1), 10);
  EXPECT_EQ(saved.readInteger("FondColumns", "6", -1), 50);
  EXPECT_EQ(saved.readInteger("FondColumns", "2", -1), 22);
}

TEST_P(ColumnScalingTest, ACutCellShowsItsTextAsATooltip) {
  auto w = start("[FondColumns]\r\n5=10\r\n");  // "Даты" as narrow as it may be
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  browse::LevelGrid* fonds = w->pages().grid(Level::Fonds);
  const QModelIndex dates = fonds->model()->index(0, 5);
  ASSERT_FALSE(dates.data().toString().isEmpty());
  const QPoint at = fonds->visualRect(dates).center();
  QHelpEvent help(QEvent::ToolTip, at, fonds->viewport()->mapToGlobal(at));
  QApplication::sendEvent(fonds->viewport(), &help);
  EXPECT_EQ(QToolTip::text(), dates.data().toString());

  const QModelIndex number = fonds->model()->index(0, 0);  // shows whole
  const QPoint numberAt = fonds->visualRect(number).center();
  QHelpEvent none(QEvent::ToolTip, numberAt, fonds->viewport()->mapToGlobal(numberAt));
  QApplication::sendEvent(fonds->viewport(), &none);
  EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 1000));
}

INSTANTIATE_TEST_SUITE_P(Fonts, ColumnScalingTest,
                         ::testing::Values(FontCase{"normal", "0", MainWindow::kWindowFontPoints},
                                           FontCase{"large", "1", MainWindow::kWindowFontPoints + 2}),
                         kestrin::testing::byName);

}  // namespace
}  // namespace kestrin::app
