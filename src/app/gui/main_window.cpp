#include "app/gui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QThread>
#include <QVBoxLayout>

#include "app/column_widths.h"
#include "app/frame/level_pages.h"
#include "app/gui/advanced_search_controller.h"
#include "app/gui/card_controller.h"
#include "app/gui/command_bar.h"
#include "app/gui/menu_commands.h"
#include "app/gui/navigation_controller.h"
#include "app/gui/pages_controller.h"
#include "app/gui/photo_controller.h"
#include "app/gui/qt_geometry.h"
#include "app/gui/search_controller.h"
#include "app/gui/search_strip.h"
#include "app/gui/status_caption.h"
#include "app/gui/window_keys.h"
#include "app/query_history.h"
#include "app/settings_keys.h"
#include "app/startup_checks.h"
#include "app/window_geometry.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "text/cp1251_literal.h"

namespace kestrin::app {

using browse::fromCp1251;
using namespace text::literals;

MainWindow::MainWindow(const Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform) {
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
}

MainWindow::~MainWindow() = default;

QString MainWindow::applicationTitle() const { return caption_->applicationTitle(); }

void MainWindow::showStatus(const QString& text) { caption_->showStatus(text); }

void MainWindow::setCaption(const QString& text) { caption_->setCaption(text); }

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
  pages_ = std::make_unique<PagesController>(*this, splitter_);
  splitter_->addWidget(pages_->pageControl());

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

void MainWindow::connectFrame() {
  keys_ = std::make_unique<WindowKeys>(*this);
  navigation_ = new NavigationController(*this);
  search_ = new SearchController(*this);
  cards_ = std::make_unique<CardController>(*this);
  advancedSearch_ = new AdvancedSearchController(*this);
  commands_ = new MenuCommands(*this);
  photos_ = std::make_unique<PhotoController>(*this);
  cards_->setPhotoLister([this](const browse::FilePhotoKey& key) { return photos_->listFilePhotos(key); });
  search_->setPhotoSearch(
      [this](const std::string& query, int mode, bool fast) { return photos_->fillFromQuery(query, mode, fast); });
  connect(menu_.mmExit, &QAction::triggered, this, &QWidget::close);
  connect(menu_.mmAbout, &QAction::triggered, this, [this] { pages_->showAbout(); });
  connect(commandBar_, &CommandBar::commandClicked, this, [this](BarCommand command, int page) {
    if (command == BarCommand::showPage) pages_->showPage(page);
  });
  connect(searchStrip_->searchBox(), &QComboBox::editTextChanged, this, [this] { pages_->cutHintsShort(); });
}

void MainWindow::reportError(const QString& message) {
  auto* box = new QMessageBox(QMessageBox::Critical, fromCp1251(programCaption()), message, QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

void MainWindow::reportFailure(const QString& text, const QString& detail) {
  status_[1]->setText(text);  // until the next page change counts again
  auto* box = new QMessageBox(QMessageBox::Critical, fromCp1251(programCaption()), text, QMessageBox::Ok, this);
  box->setInformativeText(detail);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

QString MainWindow::dropDamagedIndex(const std::exception& error) {
  const DroppedIndex dropped = app::dropDamagedIndex(session_.tables, error.what());
  if (dropped.file.empty()) return {};
  if (dropped.firstTime) {
    const OpenFailure failure{dropped.file, true, error.what()};
    reportFailure(fromCp1251(openFailureText(failure)), QString::fromStdString(failure.message));
  }
  return QString::fromStdString(dropped.file);
}

void MainWindow::showRecordCard(archive::Level level, bool showWindow) { cards_->showRecordCard(level, showWindow); }

void MainWindow::showCardText(const browse::Card& card) { cards_->showCardText(card); }

void MainWindow::noteFondDrillDown() { cards_->noteFondDrillDown(); }

void MainWindow::showHelp(HelpContext context) { commands_->showHelp(context); }

void MainWindow::loadSettings() {
  frame_ = loadFrameSettings(*session_.settings, font().pointSize(), frame_.lastRecordMode);
  pnInfo_->setVisible(frame_.infoInMain);
  cards_->applySettings(frame_);
  infoHeightPending_ = true;
  if (isVisible()) applyInfoPanelHeight();

  pages_->applySettings(frame_);
  searchStrip_->setSearchFontSize(frame_.gridFontSize);

  pnTop_->setVisible(!frame_.tabs);
  pages_->pageControl()->tabBar()->setVisible(frame_.tabs);
  pages_->pageControl()->setDocumentMode(!frame_.tabs);
  commandBar_->setVisible(frame_.menuXp);
  layOutFrame();
}

void MainWindow::applyInfoPanelHeight() {
  // The splitter shares out what it has; it knows that once the window is laid out.
  infoHeightPending_ = false;
  const int info = restoredInfoPanelHeight(frame_.infoPanelHeight, splitter_->height(), splitter_->handleWidth());
  const int pages = splitter_->height() - splitter_->handleWidth() - info;
  splitter_->setSizes({std::max(0, pages), info});
}

void MainWindow::layOutFrame() {
  searchStrip_->layOut(width(), searchStrip_->width());
  pages_->fitColumns();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!infoHeightPending_) return;
  layout()->activate();
  centralWidget()->layout()->activate();
  pnMain_->layout()->activate();
  applyInfoPanelHeight();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layOutFrame();
  snapper_.windowChanged();
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  snapper_.windowChanged();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    caption_->setApplicationTitle(fromCp1251(programTitle()));
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  cards_->closeWindow();
  photos_->closeWindow();
  saveOnClose();
  QMainWindow::closeEvent(event);
}

void MainWindow::saveOnClose() {
  // A window closed before its start-up ran has no settings file to write.
  if (!session_.settings) return;
  IniFile& settings = *session_.settings;
  try {
    if (readSetting(settings, keys::saveQuery)) {
      std::vector<std::string> history;
      for (const QString& entry : searchStrip_->history()) history.push_back(browse::toCp1251(entry));
      saveQueryHistory(settings, history);
    }
    for (const archive::Level level : kLevels) {
      saveColumnWidths(settings, static_cast<int>(level), pages_->grid(level)->designWidths());
    }
    const bool maximized = isMaximized();
    const QRect bounds = maximized ? normalGeometry() : QRect(x(), y(), width(), height());
    saveWindowPlacement(settings, toRect(bounds), maximized, pnInfo_->height());
  } catch (const std::exception&) {
    showStatus(fromCp1251("Настройки не сохранены."_cp1251));
    QApplication::processEvents();
    QThread::sleep(1);
  }
}

}  // namespace kestrin::app
