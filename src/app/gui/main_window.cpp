#include "app/gui/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/gui/about_page.h"
#include "app/gui/command_bar.h"
#include "app/gui/search_strip.h"
#include "app/gui/status_caption.h"
#include "app/startup_checks.h"
#include "app/window_geometry.h"
#include "archive/columns/level_columns.h"
#include "browse/gui/cursor_table_model.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "app/frame/level_pages.h"

namespace kestrin::app {

using browse::fromCp1251;

MainWindow::MainWindow(const Platform& platform, std::optional<std::string> commandLineFolder, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
  setObjectName(QStringLiteral("fmMain"));
  setWindowTitle(fromCp1251(programCaption()));
  setMinimumSize(kMainWindowMinimumSize.width, kMainWindowMinimumSize.height);
  // The window's own font is the system's family at 8 points; the grids take
  // theirs from it. The menus keep the system's menu font.
  QFont windowFont = font();
  windowFont.setPointSize(kWindowFontPoints);
  setFont(windowFont);
  caption_ = new StatusCaption(this);
  buildFrame();
  connectFrame();
  runStartup(commandLineFolder);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  // The grids' models watch the cursors; let them go before the cursors do.
  for (auto* grid : grids_) grid->setModel(nullptr);
  for (auto* model : models_) delete model;
}

QString MainWindow::applicationTitle() const { return caption_->applicationTitle(); }

void MainWindow::showStatus(const QString& text) { caption_->showStatus(text); }

void MainWindow::buildFrame() {
  menu_ = buildMainMenu(menuBar());
  menuBar()->setFont(QApplication::font(menuBar()));

  auto* central = new QWidget(this);
  auto* rows = new QVBoxLayout(central);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(0);
  searchStrip_ = new SearchStrip(central);
  searchStrip_->setObjectName(QStringLiteral("pnSearch"));
  rows->addWidget(searchStrip_);

  auto* body = new QHBoxLayout();
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(0);
  commandBar_ = new CommandBar(central);
  body->addWidget(commandBar_);

  pnMain_ = new QWidget(central);
  pnMain_->setObjectName(QStringLiteral("pnMain"));
  auto* mainArea = new QVBoxLayout(pnMain_);
  mainArea->setContentsMargins(0, 0, 0, 0);
  mainArea->setSpacing(0);

  pnTop_ = new QLabel(pnMain_);
  pnTop_->setObjectName(QStringLiteral("pnTop"));
  pnTop_->setFixedHeight(25);
  pnTop_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pnTop_->setAutoFillBackground(true);
  pnTop_->setIndent(6);
  QPalette headerPalette = pnTop_->palette();
  headerPalette.setColor(QPalette::Window, headerPalette.color(QPalette::Highlight));
  headerPalette.setColor(QPalette::WindowText, headerPalette.color(QPalette::HighlightedText));
  pnTop_->setPalette(headerPalette);
  QFont headerFont = pnTop_->font();
  headerFont.setBold(true);
  headerFont.setPointSize(9);
  pnTop_->setFont(headerFont);
  mainArea->addWidget(pnTop_);

  splitter_ = new QSplitter(Qt::Vertical, pnMain_);
  splitter_->setObjectName(QStringLiteral("Splitter1"));
  splitter_->setHandleWidth(3);
  splitter_->setChildrenCollapsible(false);
  pageControl_ = new QTabWidget(splitter_);
  pageControl_->setObjectName(QStringLiteral("PageControl"));
  pageControl_->tabBar()->setExpanding(false);
  pageControl_->setUsesScrollButtons(false);
  for (int page = 0; page < kPageCount; ++page) {
    QWidget* content = nullptr;
    if (isLevelPage(page)) {
      content = buildLevelPage(page);
    } else if (page == kPhotoPage) {
      lbxPhoto_ = new QListWidget();
      lbxPhoto_->setObjectName(QStringLiteral("lbxPhoto"));
      content = lbxPhoto_;
    } else if (page == kAboutPage) {
      about_ = new AboutPage();
      about_->setObjectName(QStringLiteral("tsAbout"));
      content = about_;
    } else {
      content = new QWidget();
    }
    pageControl_->addTab(content, fromCp1251(pageInfo(page).caption));
  }
  pageControl_->setTabVisible(kUnusedPage, false);
  pageControl_->setTabVisible(kAboutPage, false);
  splitter_->addWidget(pageControl_);

  pnInfo_ = new QWidget(splitter_);
  pnInfo_->setObjectName(QStringLiteral("pnInfo"));
  auto* infoLayout = new QVBoxLayout(pnInfo_);
  infoLayout->setContentsMargins(0, 0, 0, 0);
  reInfo_ = new QTextEdit(pnInfo_);
  reInfo_->setObjectName(QStringLiteral("reInfo"));
  reInfo_->setReadOnly(true);
  infoLayout->addWidget(reInfo_);
  splitter_->addWidget(pnInfo_);
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 0);
  mainArea->addWidget(splitter_, 1);

  body->addWidget(pnMain_, 1);
  rows->addLayout(body, 1);
  setCentralWidget(central);

  for (std::size_t i = 0; i < status_.size(); ++i) {
    status_[i] = new QLabel(this);
    status_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
  }
  status_[0]->setFixedWidth(CommandBar::kWidth);
  statusBar()->addWidget(status_[0]);
  statusBar()->addWidget(status_[1], 1);
  statusBar()->setSizeGripEnabled(true);
}

QWidget* MainWindow::buildLevelPage(int level) {
  const std::size_t i = static_cast<std::size_t>(level);
  models_[i] = new browse::CursorTableModel(
      level, *tables_.level(level), archive::archiveCursorOf(static_cast<archive::Level>(level)), &storagePlaces_);
  grids_[i] = new browse::LevelGrid(models_[i]);
  static const char* const kGridNames[] = {"dbgeFond", "dbgeOpis", "dbgeDelo", "dbgeDoc"};
  grids_[i]->setObjectName(QString::fromLatin1(kGridNames[i]));

  auto* page = new QWidget();
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  if (level < static_cast<int>(hints_.size())) {
    static const char* const kHintNames[] = {"lbFondHint", "lbOpisHint", "lbDeloHint"};
    hints_[i] = new QLabel(page);
    hints_[i]->setObjectName(QString::fromLatin1(kHintNames[i]));
    hints_[i]->setAutoFillBackground(true);
    hints_[i]->setWordWrap(true);
    hints_[i]->setMargin(3);
    QPalette p = hints_[i]->palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
    hints_[i]->setPalette(p);
    hints_[i]->hide();
    column->addWidget(hints_[i]);
  }
  column->addWidget(grids_[i], 1);
  return page;
}

void MainWindow::connectFrame() {
  qApp->installEventFilter(this);
  connect(menu_.mmExit, &QAction::triggered, this, &QWidget::close);
  connect(menu_.mmAbout, &QAction::triggered, this, &MainWindow::showAbout);
  connect(pageControl_, &QTabWidget::currentChanged, this, [this] {
    if (!settingPage_) pageControlChange();
  });
  connect(pageControl_->tabBar(), &QTabBar::tabBarClicked, this, [this](int page) {
    if (page != pageControl_->currentIndex() && !busyCursor_) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
      busyCursor_ = true;
    }
  });
  connect(commandBar_, &CommandBar::commandClicked, this, [this](BarCommand command, int page) {
    if (command == BarCommand::showPage) showPage(page);
  });
  for (int level = 0; level < 4; ++level) {
    browse::LevelGrid* g = grids_[static_cast<std::size_t>(level)];
    connect(g, &browse::LevelGrid::titleClicked, this, [this, level](int column) { onTitleClicked(level, column); });
    connect(models_[static_cast<std::size_t>(level)], &browse::CursorTableModel::engineError, this,
            &MainWindow::reportError);
  }
  hintTimer_.setInterval(hintCountdown_.length().tickMilliseconds);
  connect(&hintTimer_, &QTimer::timeout, this, &MainWindow::hintTick);
  connect(searchStrip_->searchBox(), &QComboBox::editTextChanged, this, [this] { hintCountdown_.cutShort(); });
}

void MainWindow::reportError(const QString& message) {
  // The standard error box; the program goes on.
  auto* box = new QMessageBox(QMessageBox::Critical, fromCp1251(programCaption()), message, QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace kestrin::app
