#include "app/gui/menu_commands.h"

#include <QAction>
#include <QPushButton>
#include <QShortcut>

#include "app/gui/about_page.h"
#include "app/gui/card_controller.h"
#include "app/gui/card_window.h"
#include "app/gui/edit_commands.h"
#include "app/gui/help_window.h"
#include "app/gui/list_saver.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "app/gui/search_strip.h"
#include "app/gui/setup_dialog.h"
#include "app/help_pages.h"

namespace kestrin::app {

MenuCommands::MenuCommands(MainWindow& window)
    : QObject(&window), window_(window), saver_(std::make_unique<ListSaver>(window)) {
  const MainMenu& menu = window.menu();
  edits_ = new EditCommands(menu, window.searchStrip()->searchBox(), this);
  for (QAction* action : {menu.mmSaveAs, menu.mmSetup, menu.mmTopic, menu.mmNews}) action->setEnabled(true);
  connect(menu.mmSaveAs, &QAction::triggered, this, [this] { saver_->saveAs(); });
  connect(menu.mmSetup, &QAction::triggered, this, [this] { setupDialog().exec(); });
  connect(menu.mmTopic, &QAction::triggered, this, [this] { showHelp(HelpContext::MainWindow); });
  connect(menu.mmNews, &QAction::triggered, this, [this] {
    helpWindow().showPage(QString::fromLatin1(kHelpNewsPage.data(), static_cast<int>(kHelpNewsPage.size())));
  });

  QPushButton* aboutHelp = window.pages().aboutPage()->helpButton();
  aboutHelp->setEnabled(true);
  connect(aboutHelp, &QPushButton::clicked, this, [this] { showHelp(HelpContext::MainWindow); });

  CardWindow* card = window.cards().cardWindow();
  connect(card->helpButton(), &QPushButton::clicked, this, [this] { showHelp(HelpContext::Card); });
  addHelpKey(card, HelpContext::Card);
}

MenuCommands::~MenuCommands() = default;

void MenuCommands::addHelpKey(QWidget* target, HelpContext context) {
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), target);
  key->setContext(Qt::WindowShortcut);
  connect(key, &QShortcut::activated, this, [this, context] { showHelp(context); });
}

SetupDialog& MenuCommands::setupDialog() {
  if (!setup_) {
    setup_ = new SetupDialog(window_);
    addHelpKey(setup_, HelpContext::Settings);
  }
  return *setup_;
}

HelpWindow& MenuCommands::helpWindow() {
  if (!help_) {
    help_ = std::make_unique<HelpWindow>();
    help_->setAttribute(Qt::WA_QuitOnClose, false);
  }
  return *help_;
}

void MenuCommands::showHelp(HelpContext context) {
  const std::string_view page = helpPageOf(context);
  helpWindow().showPage(QString::fromLatin1(page.data(), static_cast<int>(page.size())));
}

}  // namespace kestrin::app
