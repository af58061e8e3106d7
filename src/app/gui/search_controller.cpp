#include "app/gui/search_controller.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "app/frame/level_pages.h"
#include "app/gui/main_window.h"
#include "app/gui/navigation_controller.h"
#include "app/gui/pages_controller.h"
#include "app/gui/search_strip.h"
#include "browse/card/card_builder.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "dbf/base/errors.h"
#include "search/quick/fond_search_prefill.h"
#include "search/quick/level_search.h"
#include "search/quick/quick_search.h"
#include "search/quick/search_log.h"
#include "search/quick/search_report.h"

namespace kestrin::app {

using archive::Level;
using browse::fromCp1251;
using browse::toCp1251;
using search::ModeButtons;
using search::SearchMode;

namespace {

// A scan shorter than this shows no progress.
constexpr qint64 kProgressAfterMs = 333;
constexpr int kExecQueryTicks = 3;

class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// The progress callback on every cursor a search may scan, for its duration.
class ScanProgressScope {
 public:
  ScanProgressScope(BaseTables& tables, const dbf::TableCursor::ScanProgress& progress) : tables_(tables) {
    for (dbf::TableCursor* cursor : cursors()) cursor->setScanProgress(progress);
  }
  ~ScanProgressScope() {
    for (dbf::TableCursor* cursor : cursors()) cursor->setScanProgress(nullptr);
  }
  ScanProgressScope(const ScanProgressScope&) = delete;
  ScanProgressScope& operator=(const ScanProgressScope&) = delete;

 private:
  std::array<dbf::TableCursor*, 5> cursors() {
    return {&tables_.fond, &tables_.opis, &tables_.delo, &tables_.doc, &tables_.rename};
  }
  BaseTables& tables_;
};

bool isUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

QString withLineBreaks(const std::string& advice) {
  QString text = fromCp1251(advice);
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace

SearchController::SearchController(MainWindow& window) : QObject(&window), window_(window) {
  execQuery_.setInterval(100);
  connect(&execQuery_, &QTimer::timeout, this, &SearchController::onExecQueryTick);
  bindControls();
}

void SearchController::bindControls() {
  SearchStrip& strip = *window_.searchStrip();
  strip.allWordsMode()->setToolTip(QStringLiteral("Показать записи, в которых есть все введённые слова (И)"));
  strip.anyWordMode()->setToolTip(
      QStringLiteral("Показать записи, в которых есть хотя бы одно из введенных слов (ИЛИ)"));
  strip.asIsMode()->setToolTip(QStringLiteral("Показать записи, в которых введенные слова встречаются как фраза"));
  strip.numberMode()->setToolTip(QStringLiteral("Поиск по номеру фонда, описи, дела"));

  QComboBox* box = strip.searchBox();
  // Only the person's edits and picks re-select the modes: the texts the
  // search itself puts into the box leave them as they are.
  connect(box->lineEdit(), &QLineEdit::textEdited, this, &SearchController::onBoxEdited);
  connect(box, &QComboBox::activated, this, [this] {
    onBoxEdited();
    onHistoryPicked();
  });
  // Keys reach the box itself in a window (its line edit is a focus proxy's
  // child) and the line edit when sent to it directly.
  enterBox_ = box;
  enterEdit_ = box->lineEdit();
  box->installEventFilter(this);
  box->lineEdit()->installEventFilter(this);
  connect(strip.searchButton(), &QPushButton::clicked, this, [this] { search(false); });

  const MainMenu& menu = window_.menu();
  menu.mmSearch->setEnabled(true);
  connect(menu.mmSearch, &QAction::triggered, this, [this] { search(false); });
  menu.mmSearchFast->setEnabled(true);
  connect(menu.mmSearchFast, &QAction::triggered, this, [this] { search(true); });
  const QList<QAction*> popup = strip.searchMenu()->actions();
  popup[0]->setObjectName(QStringLiteral("pmmSearch"));
  popup[0]->setEnabled(true);
  connect(popup[0], &QAction::triggered, this, [this] { search(false); });
  popup[1]->setObjectName(QStringLiteral("pmmSearchFast"));
  popup[1]->setEnabled(true);
  connect(popup[1], &QAction::triggered, this, [this] { search(true); });

  const GridMenus& grids = window_.navigation().menus();
  connect(grids.pmmFondSearch, &QAction::triggered, this, [this] { searchInFond(Level::Fonds); });
  connect(grids.pmmOpisSearch, &QAction::triggered, this, [this] { searchInFond(Level::Inventories); });
  connect(grids.pmmDeloSearch, &QAction::triggered, this, [this] { searchInFond(Level::Files); });
}

ModeButtons SearchController::buttons() const {
  const SearchStrip& strip = *window_.searchStrip();
  ModeButtons b;
  if (strip.allWordsMode()->isChecked()) {
    b.checked = SearchMode::AllWords;
  } else if (strip.anyWordMode()->isChecked()) {
    b.checked = SearchMode::AnyWord;
  } else if (strip.numberMode()->isChecked()) {
    b.checked = SearchMode::Number;
  } else {
    b.checked = SearchMode::Phrase;
  }
  b.allWordsEnabled = strip.allWordsMode()->isEnabled();
  b.anyWordEnabled = strip.anyWordMode()->isEnabled();
  b.numberEnabled = strip.numberMode()->isEnabled();
  b.twoWords = strip.allWordsMode()->text() == fromCp1251(search::allWordsCaption({.twoWords = true}));
  return b;
}

void SearchController::applyButtons(const ModeButtons& b) {
  SearchStrip& strip = *window_.searchStrip();
  strip.allWordsMode()->setEnabled(b.allWordsEnabled);
  strip.anyWordMode()->setEnabled(b.anyWordEnabled);
  strip.numberMode()->setEnabled(b.numberEnabled);
  QRadioButton* checked = strip.asIsMode();
  if (b.checked == SearchMode::AllWords) checked = strip.allWordsMode();
  if (b.checked == SearchMode::AnyWord) checked = strip.anyWordMode();
  if (b.checked == SearchMode::Number) checked = strip.numberMode();
  checked->setChecked(true);
  strip.allWordsMode()->setText(fromCp1251(search::allWordsCaption(b)));
  strip.allWordsMode()->adjustSize();
}

void SearchController::onBoxEdited() {
  applyButtons(search::afterBoxEdit(buttons(), toCp1251(window_.searchStrip()->searchBox()->currentText())));
}

void SearchController::onHistoryPicked() {
  if (!window_.execQuery()) return;
  execQueryTag_ = kExecQueryTicks;
  execQuery_.start();
}

void SearchController::onExecQueryTick() {
  if (execQueryTag_ > 0) {
    --execQueryTag_;
    return;
  }
  execQuery_.stop();
  search(false);
}

bool SearchController::eventFilter(QObject* watched, QEvent* event) {
  if (scanning_ && isUserInput(event->type())) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) stopRequested_ = true;
    }
    event->ignore();
    return true;
  }
  // The window is not asked here: the box also sees events while the window
  // is being destroyed.
  if (event->type() == QEvent::KeyPress && (watched == enterBox_ || watched == enterEdit_)) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      search(key->modifiers().testFlag(Qt::ShiftModifier));
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void SearchController::setBoxQuietly(const std::vector<std::string>& history, const std::string& text) {
  QComboBox* box = window_.searchStrip()->searchBox();
  const QSignalBlocker quiet(box);
  box->clear();
  for (const std::string& entry : history) box->addItem(fromCp1251(entry));
  box->setCurrentIndex(history.empty() ? -1 : 0);
  box->setEditText(fromCp1251(text));
}

void SearchController::writeLog(int page, const std::string& boxText) {
  const QLocale locale;
  const QString when = QDateTime::currentDateTime().toString(locale.dateFormat(QLocale::ShortFormat) +
                                                             QStringLiteral(" ") + QStringLiteral("H:mm:ss"));
  // A log that cannot be written does not stop the search.
  search::appendSearchLog(window_.platform().searchLogFile(),
                          search::searchLogLine(toCp1251(when), page, buttons(), boxText));
}

void SearchController::search(bool fastRequested) {
  // The window repaints during a search; a search started meanwhile waits its turn.
  if (running_) return;
  running_ = true;
  struct Done {
    bool& running;
    ~Done() { running = false; }
  } done{running_};
  BaseTables& tables = window_.tables();
  PagesController& pages = window_.pages();
  if (!tables.fond.active() || !tables.opis.active() || !tables.delo.active() || !tables.doc.active()) {
    window_.showCardText(browse::noBaseCard());
    return;
  }
  QComboBox* box = window_.searchStrip()->searchBox();
  box->setFocus();
  const std::string boxText = toCp1251(box->currentText());
  const int page = pages.activePage();
  if (search::isBlankQuery(boxText) || (!isLevelPage(page) && page != kPhotoPage)) {
    window_.setCaption(fromCp1251(search::searchPrompt()));
    return;
  }
  writeLog(page, boxText);

  std::vector<std::string> history;
  for (int i = 0; i < box->count(); ++i) history.push_back(toCp1251(box->itemText(i)));
  ModeButtons modes = buttons();
  const search::PreparedQuery prepared = search::prepareQuery(boxText, modes.checked, std::move(history));
  setBoxQuietly(prepared.history, prepared.query);
  if (search::isNothingToSearch(boxText, prepared)) {
    window_.setCaption(fromCp1251(search::searchPrompt()));
    return;
  }

  const QString searching = QStringLiteral("Поиск...");
  window_.setCaption(searching);
  window_.statusPanel(1)->setText(searching);
  QCoreApplication::processEvents();
  const bool fast = fastRequested || QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
  if (page == kDocPage && modes.checked == SearchMode::Number) {
    // Documents have no number search: the text is searched as a phrase.
    modes = search::buttonsForLevel(modes, Level::Documents);
    window_.searchStrip()->asIsMode()->setChecked(true);
  }

  bool fondNotFound = false;
  int count = 0;
  try {
    const BusyCursor busy;
    count = runOnPage(page, modes, prepared.query, prepared.caseInsensitive, fast, fondNotFound);
  } catch (const dbf::EScanCancelled&) {
    const QString stopped = QStringLiteral("Поиск остановлен.");
    window_.showStatus(stopped);
    window_.statusPanel(1)->setText(stopped);
    return;
  } catch (const std::exception& error) {
    window_.setCaption(QStringLiteral("Поиск не выполнен: ") + QString::fromStdString(error.what()));
    window_.reportError(QString::fromStdString(error.what()));
    return;
  }
  report(page, count, modes, prepared.caseInsensitive, fondNotFound);
}

int SearchController::runOnPage(int page, const ModeButtons& modes, const std::string& query, bool caseInsensitive,
                                bool fast, bool& fondNotFound) {
  if (page == kPhotoPage) {
    if (!photoSearch_) return 0;
    if (modes.checked == SearchMode::AllWords) return photoSearch_(query + " ", 2, fast);
    if (modes.checked == SearchMode::AnyWord) return photoSearch_(query + " ", 1, fast);
    return photoSearch_(query, 0, fast);
  }
  BaseTables& tables = window_.tables();
  const Level level = *levelOfPage(page);
  search::SearchCursors cursors{tables.fond, tables.opis, tables.delo, tables.doc, &tables.rename};
  const search::LevelSearch request{level,           modes.checked, fast, window_.menu().mmNal->isChecked(),
                                    caseInsensitive, query};
  const auto caption = [this](std::string_view text) {
    window_.setCaption(fromCp1251(text));
    // A fond that is not there stays told while the search goes on.
    if (text == search::fondNotFoundText()) window_.statusPanel(1)->setText(fromCp1251(text));
  };
  // The grids keep what they showed while the scan runs and events are served.
  QWidget* pageArea = window_.pages().pageControl();
  pageArea->setUpdatesEnabled(false);
  scanning_ = true;
  stopRequested_ = false;
  scanClock_.start();
  qApp->installEventFilter(this);
  struct EndScan {
    SearchController& self;
    QWidget* area;
    ~EndScan() {
      qApp->removeEventFilter(&self);
      self.scanning_ = false;
      area->setUpdatesEnabled(true);
    }
  } endScan{*this, pageArea};
  const ScanProgressScope progress(tables,
                                   [this](std::int64_t done, std::int64_t total) { return scanProgress(done, total); });
  const search::LevelSearchResult result = search::runLevelSearch(cursors, request, caption);
  fondNotFound = result.fondNotFound;
  if (level == Level::Fonds) {
    browse::LevelGrid* grid = window_.pages().grid(Level::Fonds);
    grid->setMarker(0, browse::SortMarker::none);
    grid->setMarker(1, browse::SortMarker::none);
  }
  return result.count;
}

bool SearchController::scanProgress(std::int64_t done, std::int64_t total) {
  if (scanClock_.elapsed() >= kProgressAfterMs && total > 0) {
    const int percent = static_cast<int>(done * 100 / total);
    window_.statusPanel(1)->setText(QStringLiteral("Поиск... %1% (Esc — остановить)").arg(percent));
  }
  QCoreApplication::processEvents();
  return !stopRequested_;
}

void SearchController::report(int page, int count, const ModeButtons& modes, bool caseInsensitive, bool fondNotFound) {
  QComboBox* box = window_.searchStrip()->searchBox();
  search::ReportInput input;
  input.count = count;
  input.buttons = modes;
  input.caseSensitive = !caseInsensitive;
  input.boxText = toCp1251(box->currentText());
  input.countRecords = window_.frameSettings().kolRec;
  const search::SearchReport result = search::reportResult(input);
  window_.showStatus(fromCp1251(result.status));
  PagesController& pages = window_.pages();
  if (!result.advice.empty()) {
    for (const Level level : {Level::Fonds, Level::Inventories, Level::Files}) {
      if (QLabel* hint = pages.hintLabel(level)) hint->setText(withLineBreaks(result.advice));
    }
    pages.startHints();
  }
  if (count > 0) {
    if (const auto level = levelOfPage(page)) {
      browse::LevelGrid* grid = pages.grid(*level);
      grid->followCursor();
      if (grid->isEnabled() && grid->isVisible()) grid->setFocus();
      window_.showRecordCard(*level, false);
    } else if (QListWidget* photos = pages.photoList(); photos && photos->isEnabled()) {
      if (photos->count() > 0) photos->setCurrentRow(0);
      photos->setFocus();
    }
  }
  QString countText = fromCp1251(result.countText);
  if (fondNotFound) countText = fromCp1251(search::fondNotFoundText()) + QStringLiteral(" ") + countText;
  window_.statusPanel(1)->setText(countText);
}

void SearchController::searchInFond(Level level) {
  BaseTables& tables = window_.tables();
  search::SearchCursors cursors{tables.fond, tables.opis, tables.delo, tables.doc, &tables.rename};
  std::optional<std::string> number;
  try {
    const BusyCursor busy;
    number = search::currentFondNumber(cursors, level);
  } catch (const std::exception& error) {
    window_.reportError(QString::fromStdString(error.what()));
    return;
  }
  if (!number) return;
  QComboBox* box = window_.searchStrip()->searchBox();
  const search::PrefilledBox filled =
      search::prefillFondSearch(toCp1251(box->currentText()), box->lineEdit()->cursorPosition(), *number);
  box->setEditText(fromCp1251(filled.text));
  box->lineEdit()->setCursorPosition(filled.caret);
  box->setFocus();
}

}  // namespace kestrin::app
