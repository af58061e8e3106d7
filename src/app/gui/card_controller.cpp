#include "app/gui/card_controller.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <vector>

#include "app/card_window_geometry.h"
#include "app/frame/card_steps.h"
#include "app/frame/level_pages.h"
#include "app/gui/card_window.h"
#include "app/gui/command_bar.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "app/gui/qt_geometry.h"
#include "app/gui/search_strip.h"
#include "app/settings_keys.h"
#include "browse/card/caret_word.h"
#include "browse/gui/card_view.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "text/cp1251_literal.h"

namespace kestrin::app {

using archive::Level;
using browse::fromCp1251;
using namespace text::literals;

namespace {

browse::CardTables cardTables(Session& session) {
  BaseTables& t = session.tables;
  return {&t.fond, &t.opis, &t.delo, &t.doc, &t.rename, &t.top, &t.deloPhoto, &session.storagePlaces};
}

// Label hints break their lines with carriage returns.
QString hintText(std::string_view cp1251) {
  QString text = fromCp1251(cp1251);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

const char* labelName(browse::CardLabel label) {
  switch (label) {
    case browse::CardLabel::OpisFondNum:
      return "lbOpisFondNum";
    case browse::CardLabel::DeloFondNum:
      return "lbDeloFondNum";
    case browse::CardLabel::DeloOpisNum:
      return "lbDeloOpisNum";
  }
  return "";
}

}  // namespace

CardController::CardController(MainWindow& window)
    : window_(window), builder_(cardTables(window.session()), dbf::RegionalSettings{}), cardWindow_(new CardWindow) {
  buildCopyMenu();
  bindGrids();
  connect(cardWindow_.get(), &CardWindow::stepRequested, this, &CardController::step);
  connect(cardWindow_.get(), &CardWindow::closing, this, &CardController::saveWindowPlacement);
  connect(window_.pages().pageControl(), &QTabWidget::currentChanged, this, [this](int page) {
    if (const auto hints = cardStepHints(page)) {
      cardWindow_->setStepHints(fromCp1251(hints->previous), fromCp1251(hints->next));
    }
  });
}

CardController::~CardController() {
  // The text control may sit in the card window: it goes back to the main
  // window, which owns it, before the card window goes.
  QTextEdit* text = window_.infoText();
  if (text->window() == cardWindow_.get()) window_.infoPanel()->layout()->addWidget(text);
}

void CardController::buildCopyMenu() {
  QTextEdit* text = window_.infoText();
  ppmCopy_ = new QMenu(text);
  ppmCopy_->setObjectName(QStringLiteral("ppmCopy"));
  QAction* find = ppmCopy_->addAction(QStringLiteral("Найти!"), this, &CardController::findWord);
  find->setObjectName(QStringLiteral("pmmSearch"));
  ppmCopy_->setDefaultAction(find);
  QAction* copy = ppmCopy_->addAction(QStringLiteral("&Копировать как текст"), this, &CardController::copyAsText);
  copy->setObjectName(QStringLiteral("pmCopy"));
  copy->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_C));
  QAction* rich = ppmCopy_->addAction(QStringLiteral("Копировать"), this, &CardController::copyAsRichText);
  rich->setObjectName(QStringLiteral("pmCopyAsRTF"));
  QAction* all = ppmCopy_->addAction(QStringLiteral("В&ыделить все"), this, &CardController::selectAll);
  all->setObjectName(QStringLiteral("pmSelectAll"));
  all->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_A));
  // The shortcuts are shown in the menu; the text control's key filter runs them.
  for (QAction* action : ppmCopy_->actions()) action->setShortcutContext(Qt::WidgetShortcut);

  text->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(text, &QWidget::customContextMenuRequested, this,
          [this, text](const QPoint& at) { ppmCopy_->popup(text->viewport()->mapToGlobal(at)); });
  text->installEventFilter(this);
}

void CardController::bindGrids() {
  for (const Level level : kLevels) {
    browse::LevelGrid* grid = window_.pages().grid(level);
    connect(grid, &QAbstractItemView::clicked, this, [this, level] { onGridClicked(level); });
    grid->viewport()->installEventFilter(this);
  }
}

bool CardController::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_.infoText() &&
      (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool copy = key->matches(QKeySequence::Copy);
    if (!copy && !key->matches(QKeySequence::SelectAll)) return false;
    // Taken from the window's shortcuts, then run here rather than by the control.
    event->accept();
    if (event->type() == QEvent::ShortcutOverride) return true;
    copy ? copyAsText() : selectAll();
    return true;
  }
  const bool press = event->type() == QEvent::MouseButtonPress;
  const bool release = event->type() == QEvent::MouseButtonRelease;
  if (!press && !release) return false;
  for (const Level level : kLevels) {
    browse::LevelGrid* grid = window_.pages().grid(level);
    if (watched != grid->viewport()) continue;
    if (press && level == Level::Fonds) flags_.pressed();
    // Without a base the grids have no rows to click: a click anywhere on
    // one says what is missing.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (release && mouse->button() == Qt::LeftButton && !builder_.tablesOpen() &&
        !grid->indexAt(mouse->position().toPoint()).isValid()) {
      showRecordCard(level, false);
    }
  }
  return false;
}

void CardController::onGridClicked(Level level) {
  if (level == Level::Fonds && !flags_.clickBuildsCard()) return;
  showRecordCard(level, false);
}

void CardController::showRecordCard(Level level, bool showWindow) {
  if (!builder_.tablesOpen()) {
    // Every click says so, wherever the card lives: a card left from an
    // earlier base would mislead.
    render(browse::noBaseCard());
    showWindowAfterBuild(showWindow);
    return;
  }
  forgetParentsAfterReopen();
  if (level == Level::Fonds) flags_.cardBuilt();
  std::optional<browse::Card> card;
  try {
    card = builder_.build(level, searchQuery());
  } catch (const std::exception& error) {
    window_.reportError(QString::fromStdString(error.what()));
    return;
  }
  if (!card) return;  // a record without a number leaves the card as it was
  presentCard(*card);
  showWindowAfterBuild(showWindow);
}

void CardController::showCardText(const browse::Card& card) {
  render(card);
  if (!window_.frameSettings().infoInMain && !cardWindow_->isVisible()) showCardWindow(false);
}

void CardController::baseOpened() {
  forgetParentsAfterReopen();
  builder_.prepareParents();
}

void CardController::forgetParentsAfterReopen() {
  BaseTables& tables = window_.tables();
  const std::array<std::uint64_t, 4> now = {tables.fond.openGeneration(), tables.opis.openGeneration(),
                                            tables.delo.openGeneration(), tables.doc.openGeneration()};
  if (now == generations_) return;
  builder_.forgetParents();
  generations_ = now;
}

browse::CardQuery CardController::searchQuery() const {
  const SearchStrip& strip = *window_.searchStrip();
  browse::CardQuery query;
  query.text = browse::toCp1251(strip.searchBox()->currentText());
  if (strip.allWordsMode()->isChecked()) {
    query.mode = browse::HighlightMode::AllWords;
  } else if (strip.anyWordMode()->isChecked()) {
    query.mode = browse::HighlightMode::AnyWord;
  } else if (strip.numberMode()->isChecked()) {
    query.mode = browse::HighlightMode::Number;
  } else {
    query.mode = browse::HighlightMode::Phrase;
  }
  return query;
}

void CardController::render(const browse::Card& card) {
  browse::showCard(*window_.infoText(), card, window_.frameSettings().gridFontSize);
}

void CardController::presentCard(const browse::Card& card) {
  render(card);
  if (card.caption) window_.showStatus(fromCp1251(*card.caption));
  for (int i = 0; i < 2; ++i) window_.statusPanel(i)->setText(fromCp1251(card.status[static_cast<std::size_t>(i)]));
  if (card.statusHint) window_.statusBar()->setToolTip(hintText(*card.statusHint));
  for (const browse::LabelText& label : card.labels) {
    if (QLabel* bar = window_.commandBar()->label(labelName(label.label))) {
      bar->setText(fromCp1251(label.caption));
      bar->setToolTip(hintText(label.hint));
    }
  }
}

void CardController::showWindowAfterBuild(bool always) {
  if (window_.frameSettings().infoInMain || cardWindow_->isVisible()) return;
  const IniFile* settings = window_.session().settings.get();
  if (always) {
    showCardWindow(true);
  } else if (!settings || readSetting(*settings, keys::infoOnClick)) {
    showCardWindow(false);
  }
}

void CardController::showCardWindow(bool activate) {
  if (!cardWindow_->isVisible()) {
    const IniFile* settings = window_.session().settings.get();
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (settings && primary) {
      const Rect restored = restoredCardWindowBounds(*settings, {primary->size().width(), primary->size().height()});
      const Rect bounds = placedOnWorkAreas(restored, screenWorkAreas());
      cardWindow_->move(bounds.left, bounds.top);
      cardWindow_->resize(bounds.width, bounds.height);
    }
    // Shown by a click, the window leaves the keyboard with the grid.
    cardWindow_->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    cardWindow_->show();
  }
  if (activate) {
    cardWindow_->raise();
    cardWindow_->activateWindow();
  }
}

void CardController::saveWindowPlacement() {
  IniFile* settings = window_.session().settings.get();
  if (!settings || !readSetting(*settings, keys::saveWindows)) return;
  try {
    saveCardWindowBounds(*settings, {cardWindow_->x(), cardWindow_->y(), cardWindow_->width(), cardWindow_->height()});
  } catch (const std::exception&) {
    window_.showStatus(fromCp1251("Настройки не сохранены."_cp1251));
  }
}

void CardController::applySettings(const FrameSettings& frame) {
  QTextEdit* text = window_.infoText();
  const bool inPanel = text->parentWidget() == window_.infoPanel();
  if (frame.infoInMain && !inPanel) {
    window_.infoPanel()->layout()->addWidget(text);
    if (cardWindow_->isVisible()) cardWindow_->close();
  } else if (!frame.infoInMain && inPanel) {
    cardWindow_->takeText(text);
  }
  const IniFile& settings = window_.settings();
  if (!settingsApplied_) {
    cardWindow_->setStaysOnTop(readSetting(settings, keys::infoOnTopAtCreation));
    settingsApplied_ = true;
  } else if (!frame.infoOnTop) {
    cardWindow_->setStaysOnTop(false);
  } else if (cardWindow_->isVisible()) {
    cardWindow_->setStaysOnTop(true);
  }
}

void CardController::closeWindow() {
  if (cardWindow_->isVisible()) cardWindow_->close();
}

void CardController::step(bool forward) {
  const int page = window_.pages().activePage();
  const auto level = levelOfPage(page);
  if (!level) return;
  try {
    if (stepCardRecord(window_.tables().level(*level), page, forward, window_.frameSettings().lastRecordMode) ==
        StepOutcome::beep) {
      QApplication::beep();
    }
  } catch (const std::exception& error) {
    window_.reportError(QString::fromStdString(error.what()));
    return;
  }
  showRecordCard(*level, false);
}

void CardController::findWord() {
  const QTextEdit& text = *window_.infoText();
  const QTextCursor caret = text.textCursor();
  QString word;
  if (caret.hasSelection()) {
    word = caret.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char(' '));
  } else {
    word = fromCp1251(browse::cyrillicWordAt(browse::toCp1251(text.toPlainText()), caret.position()));
  }
  // The quick search takes the text from its box.
  QComboBox* box = window_.searchStrip()->searchBox();
  box->setEditText(word);
  window_.activateWindow();
  box->setFocus(Qt::OtherFocusReason);
}

void CardController::copyAsText() {
  const QTextEdit& text = *window_.infoText();
  const QTextCursor selection = text.textCursor();
  QApplication::clipboard()->setText(selection.hasSelection() ? QTextDocumentFragment(selection).toPlainText()
                                                              : text.toPlainText());
}

void CardController::copyAsRichText() {
  const QTextEdit& text = *window_.infoText();
  const QTextCursor selection = text.textCursor();
  if (!selection.hasSelection()) return;
  QApplication::clipboard()->setMimeData(
      browse::richTextMimeData(selection, text.palette().color(QPalette::WindowText)));
}

void CardController::selectAll() { window_.infoText()->selectAll(); }

}  // namespace kestrin::app
