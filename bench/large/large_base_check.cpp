// The program on the demo archive of 1,000,000 files, timed: start-up, page
// changes and scrolling the file list. Runs only when KESTRIN_LARGE_BASE names
// a folder; the archive is written into its demo/ the first time (as
// kestrin-cli make-demo DIR --files 1000000 would).
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <cstdio>
#include <filesystem>

#include "app/fake_platform.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "app/gui/startup_controller.h"
#include "browse/gui/level_grid.h"
#include "demo/demo_base.h"
#include "demo/demo_options.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

double ms(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

TEST(LargeBase, StartAndBrowseAMillionFiles) {
  const char* base = std::getenv("KESTRIN_LARGE_BASE");
  if (!base) GTEST_SKIP() << "set KESTRIN_LARGE_BASE to a folder to time the program on 1,000,000 files";
  const std::string demo = std::string(base) + "/demo";
  if (!std::filesystem::exists(demo + "/DBF/FOND.DBF")) {
    std::fprintf(stderr, "writing a demo archive of 1,000,000 files into %s ...\n", demo.c_str());
    demo::writeDemoArchive(demo, demo::demoOptionsForFiles(1000000));
  }
  const std::string folder = demo + "/DBF";
  kestrin::testing::TempDir program;
  fakes::FakePlatform platform;
  platform.program = program.path() + "/";

  QElapsedTimer t;
  t.start();
  MainWindow w(platform);
  StartupController(w).run(std::string(folder));
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QApplication::processEvents();
  std::printf("start-up to the painted fond list: %.0f ms (%s)\n", ms(t), qPrintable(w.statusPanel(1)->text()));

  for (int page : {1, 2, 3, 2, 0}) {
    t.start();
    w.pages().showPage(page);
    QApplication::processEvents();
    std::printf("page %d: %.0f ms (%s)\n", page, ms(t), qPrintable(w.statusPanel(1)->text()));
  }

  w.pages().showPage(2);
  browse::LevelGrid* files = w.pages().grid(archive::Level::Files);
  double worst = 0;
  t.start();
  for (int i = 0; i < 100; ++i) {
    QElapsedTimer step;
    step.start();
    files->verticalScrollBar()->setValue(files->verticalScrollBar()->maximum());
    QApplication::processEvents();
    worst = std::max(worst, ms(step));
  }
  std::printf("file list, 100 x scroll bar to the end: %.0f ms in all, worst %.1f ms, %d rows fetched\n", ms(t), worst,
              files->model()->rowCount());
  t.start();
  QTest::keyClick(files, Qt::Key_Up);  // on the first record: wraps to the last
  QApplication::processEvents();
  std::printf("Up on the first file, to the last: %.0f ms, row %d\n", ms(t), files->currentIndex().row());
  w.close();
}

}  // namespace
}  // namespace kestrin::app
