#include "app/gui/pages_controller.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/folders.h"
#include "app/frame_settings.h"
#include "app/gui/about_page.h"
#include "app/gui/command_bar.h"
#include "app/gui/main_window.h"
#include "app/gui/record_count_status.h"
#include "app/gui/search_strip.h"
#include "browse/gui/cursor_table_model.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "browse/title_sort.h"
#include "dbf/cdx/cdx_corrupted.h"

namespace kestrin::app {

using archive::Level;
using browse::fromCp1251;

namespace {

// Component names of a level page's grid and hint label (documents have none).
struct LevelPageNames {
  const char* grid;
  const char* hint;
};

constexpr std::array<LevelPageNames, kLevels.size()> kLevelPageNames = {{
    {"dbgeFond", "lbFondHint"},
    {"dbgeOpis", "lbOpisHint"},
    {"dbgeDelo", "lbDeloHint"},
    {"dbgeDoc", nullptr},
}};

void setMarkers(browse::LevelGrid& grid, const std::vector<browse::SortMarker>& markers) {
  for (std::size_t i = 0; i < markers.size(); ++i) grid.setMarker(static_cast<int>(i), markers[i]);
}

}  // namespace

PagesController::PagesController(MainWindow& window, QWidget* parent)
    : window_(window),
      fondOrder_(window.tables().fond, &window.tables().damagedIndexes),
      deloOrder_(window.tables().delo, &window.tables().damagedIndexes) {
  pageControl_ = new QTabWidget(parent);
  pageControl_->setObjectName(QStringLiteral("PageControl"));
  pageControl_->tabBar()->setExpanding(false);
  pageControl_->setUsesScrollButtons(false);
  for (int page = 0; page < kPageCount; ++page) {
    QWidget* content = nullptr;
    if (const auto level = levelOfPage(page)) {
      content = buildLevelPage(*level);
    } else if (page == kPhotoPage) {
      photoList_ = new QListWidget();
      photoList_->setObjectName(QStringLiteral("lbxPhoto"));
      content = photoList_;
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

  connect(pageControl_, &QTabWidget::currentChanged, this, [this] {
    if (!settingPage_) pageChanged();
  });
  connect(pageControl_->tabBar(), &QTabBar::tabBarClicked, this, [this](int page) {
    if (page != pageControl_->currentIndex() && !busyCursor_) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
      busyCursor_ = true;
    }
  });
  for (const Level level : kLevels) {
    connect(grid(level), &browse::LevelGrid::titleClicked, this,
            [this, level](int column) { onTitleClicked(level, column); });
    connect(model(level), &browse::CursorTableModel::engineError, this, [this, level](const QString& message) {
      // The rows read so far stay on screen; the person learns which table stopped the list.
      const QString table = fromCp1251(window_.tables().level(level).tableName());
      window_.reportFailure(
          QStringLiteral("Таблица %1 прочитана не полностью: список показан до повреждённого места.").arg(table),
          message);
    });
    // Cells go on painting without the memo texts; the person is told once, without a box.
    connect(
        model(level), &browse::CursorTableModel::readFault, this,
        [this, level](const QString& message) {
          recordCount().stop();
          QLabel* panel = window_.statusPanel(1);
          panel->setText(fromCp1251(memoFaultText(window_.tables().level(level).tableName())));
          panel->setToolTip(message);
        },
        Qt::QueuedConnection);
  }
  hintTimer_.setInterval(hintCountdown_.length().tickMilliseconds);
  connect(&hintTimer_, &QTimer::timeout, this, &PagesController::hintTick);
}

PagesController::~PagesController() {
  // The grids outlive this object as widgets of the window: they let go of
  // their models before the models go.
  for (auto& page : levels_) page.grid->setModel(nullptr);
}

QWidget* PagesController::buildLevelPage(Level level) {
  const std::size_t i = static_cast<std::size_t>(level);
  LevelPage& levelPage = levels_[i];
  Session& session = window_.session();
  levelPage.model = std::make_unique<browse::CursorTableModel>(static_cast<int>(level), session.tables.level(level),
                                                               archive::archiveCursorOf(level), &session.storagePlaces);
  levelPage.grid = new browse::LevelGrid(levelPage.model.get());
  levelPage.grid->setObjectName(QString::fromLatin1(kLevelPageNames[i].grid));

  auto* page = new QWidget();
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  if (kLevelPageNames[i].hint) {
    QLabel* hint = new QLabel(page);
    hint->setObjectName(QString::fromLatin1(kLevelPageNames[i].hint));
    hint->setAutoFillBackground(true);
    hint->setWordWrap(true);
    hint->setMargin(3);
    QPalette p = hint->palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
    hint->setPalette(p);
    hint->hide();
    column->addWidget(hint);
    levelPage.hint = hint;
  }
  levelPage.problem = new QLabel(page);
  levelPage.problem->setObjectName(QStringLiteral("lbBaseProblem"));
  levelPage.problem->setWordWrap(true);
  levelPage.problem->setMargin(6);
  levelPage.problem->hide();
  column->addWidget(levelPage.problem);
  column->addWidget(levelPage.grid, 1);
  return page;
}

RecordCountStatus& PagesController::recordCount() {
  if (!recordCount_) recordCount_ = new RecordCountStatus(window_.statusPanel(1), this);
  return *recordCount_;
}

int PagesController::activePage() const { return pageControl_->currentIndex(); }

void PagesController::setPageQuietly(int page) {
  const QScopedValueRollback quiet(settingPage_, true);
  pageControl_->setCurrentIndex(page);
}

void PagesController::showPage(int page) {
  setPageQuietly(page);
  pageChanged();
}

void PagesController::pageChanged() {
  const int page = activePage();
  window_.searchStrip()->numberMode()->setEnabled(page >= kFondPage && page <= kDeloPage);
  hintCountdown_.cutShort();
  window_.commandBar()->showPage(page);
  window_.headerPanel()->setText(fromCp1251(pageInfo(page).header));

  BaseTables& tables = window_.tables();
  const auto level = levelOfPage(page);
  // Records another program appended since the list was made come in now.
  if (level) model(*level)->catchUp();
  if (page == kFondPage && tables.fond.active()) {
    const bool hasRecord = !tables.fond.isEmpty();
    const dbf::Bookmark bookmark = tables.fond.getBookmark();
    try {
      browse::reestablishFondOrder(fondOrder_, grid(Level::Fonds)->markers());
    } catch (const dbf::ECdxCorrupted& error) {
      window_.dropDamagedIndex(error);
    }
    if (hasRecord) tables.fond.gotoBookmark(bookmark);
  }
  showOrderMarkers();
  showBaseProblem();
  // A level whose table could not be opened says so instead of "no records".
  const OpenFailure* failure = level ? tables.tableFailure(tables.level(*level)) : nullptr;
  const bool closed = !level || !tables.level(*level).active();
  window_.statusPanel(1)->setToolTip(QString());
  if (failure) {
    recordCount().stop();
    window_.statusPanel(1)->setText(fromCp1251(openFailureText(*failure)));
  } else if (closed && !baseProblem_.isEmpty()) {
    recordCount().stop();
    window_.statusPanel(1)->setText(baseProblem_);
  } else {
    recordCount().show(level ? model(*level) : nullptr, window_.frameSettings().kolRec);
  }

  fitColumns();
  // The About page keeps its tab and hides the info panel until the next page
  // change; hiding the tab of the page shown would switch pages.
  if (page != kAboutPage) {
    pageControl_->setTabVisible(kAboutPage, false);
    if (window_.frameSettings().infoInMain) window_.infoPanel()->show();
  }
  focusActivePage();
  if (busyCursor_) {
    QApplication::restoreOverrideCursor();
    busyCursor_ = false;
  }
}

void PagesController::showOrderMarkers() {
  // A closed table keeps its grid's markers: they are the fond order to come
  // back to once the tables are open (reestablishFondOrder).
  BaseTables& tables = window_.tables();
  for (const Level level : kLevels) {
    const dbf::TableCursor& cursor = tables.level(level);
    if (!cursor.active() && !tables.tableFailure(cursor)) continue;
    const std::string tag = cursor.indexFiles().empty() ? std::string() : cursor.indexName();
    setMarkers(*grid(level), browse::markersOfOrder(static_cast<int>(level), tag, grid(level)->markers().size()));
  }
}

void PagesController::setBaseProblem(const QString& text) {
  baseProblem_ = text;
  showBaseProblem();
}

void PagesController::showBaseProblem() {
  for (const Level level : kLevels) {
    LevelPage& page = levels_[static_cast<std::size_t>(level)];
    page.problem->setText(baseProblem_);
    page.problem->setVisible(!baseProblem_.isEmpty() && !window_.tables().level(level).active());
  }
}

void PagesController::focusActivePage() {
  // The keys that move through a list must reach it after every page change,
  // whatever had the focus (a link of the command bar leaves it nowhere).
  const int page = activePage();
  if (const auto level = levelOfPage(page)) {
    grid(*level)->setFocus(Qt::OtherFocusReason);
  } else if (page == kPhotoPage) {
    photoList_->setFocus(Qt::OtherFocusReason);
  }
}

void PagesController::showAbout() {
  pageControl_->setTabVisible(kAboutPage, true);
  setPageQuietly(kAboutPage);
  pageChanged();
  window_.infoPanel()->hide();
  about_->fill(QString::fromStdString(window_.settingsLocation().settingsFile.string()),
               QString::fromStdString(withoutTrailingSeparator(window_.platform().programFolder())));
}

void PagesController::applySettings(const FrameSettings& frame) {
  for (const auto& page : levels_) {
    page.grid->setGridFontSize(frame.gridFontSize);
    page.grid->setColorTypes(frame.colorTypes);
  }
  QFont photoFont = photoList_->font();
  photoFont.setPointSize(frame.gridFontSize);
  photoList_->setFont(photoFont);
}

void PagesController::fitColumns() {
  for (const auto& page : levels_) page.grid->fitTitleColumn();
}

void PagesController::startHints() {
  hintCountdown_.start();
  hintTimer_.start();
}

void PagesController::hintTick() {
  const bool show = hintCountdown_.tick() == Countdown::Tick::counting;
  for (const auto& page : levels_) {
    if (page.hint) page.hint->setVisible(show);
  }
  if (!show) hintTimer_.stop();
}

void PagesController::onTitleClicked(Level level, int column) {
  try {
    sortByTitle(level, column);
  } catch (const dbf::ECdxCorrupted& error) {
    // The list goes back to record order; the damaged file is not offered again.
    if (window_.dropDamagedIndex(error).isEmpty()) throw;
    showOrderMarkers();
  }
}

void PagesController::sortByTitle(Level level, int column) {
  if (level == Level::Files) {
    browse::LevelGrid& files = *grid(Level::Files);
    std::vector<browse::SortMarker> markers = files.markers();
    browse::deloTitleClick(deloOrder_, column, markers);
    setMarkers(files, markers);
    showOrderMarkers();
    return;
  }
  // The titles of the inventory and document grids act on the fond list too.
  if (!window_.tables().fond.active()) return;
  browse::LevelGrid& fonds = *grid(Level::Fonds);
  std::vector<browse::SortMarker> markers = fonds.markers();
  browse::fondTitleClick(fondOrder_, column, markers);
  setMarkers(fonds, markers);
  showOrderMarkers();
}

}  // namespace kestrin::app
