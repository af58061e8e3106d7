// The commands of "Файл", "Правка" and "Справка" on the offscreen platform:
// the settings dialog's load, OK and Cancel over settings files, saving the
// list of the active page, the edit commands on the search box, and the help
// window with its pages, links and search.
#include "app/gui/menu_commands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "app/fake_platform.h"
#include "app/frame/level_pages.h"
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
#include "app/gui/startup_controller.h"
#include "app/help_pages.h"
#include "browse/gui/level_grid.h"
#include "browse/test_level_tables.h"
#include "support/temp_dir.h"
#include "text/cp1251_utf8.h"

namespace kestrin::app {
namespace {

namespace fs = std::filesystem;
using browse::testing::TestRow;
using kestrin::testing::readFileBytes;
using kestrin::testing::TempDir;
using kestrin::testing::writeFileBytes;

class MenuCommandsTest : public ::testing::Test {
 protected:
  MenuCommandsTest() {
    fs::create_directories(root_.path() + "/program");
    platform_.program = root_.path() + "/program/";
    platform_.appData = root_.path() + "/config";
    platform_.bare = root_.path() + "/";
  }

  std::string iniPath() const { return platform_.program + "Kestrin.ini"; }

  std::string base(const std::string& name) {
    const std::string folder = root_.path() + "/" + name;
    fs::create_directories(folder);
    std::vector<TestRow> fonds;
    for (int i = 1; i <= 3; ++i) {
      fonds.push_back({{{"KOD", std::to_string(i)},
                        {"FKOD", std::to_string(i)},
                        {"FNAME", "Фонд\t" + std::to_string(i)},
                        {"A100", static_cast<long long>(i == 2 ? 2 : 1)}}});
    }
    browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Fond, fonds);
    browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Opis, {});
    browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Delo, {});
    browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Doc, {});
    return folder;
  }

  std::unique_ptr<MainWindow> start(std::optional<std::string> folder) {
    auto window = std::make_unique<MainWindow>(platform_);
    StartupController(*window).run(folder);
    return window;
  }

  template <typename T>
  static T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  TempDir root_;
  fakes::FakePlatform platform_;
};

// --- the settings dialog ---

TEST_F(MenuCommandsTest, WithoutSettingsFileTheDialogShowsItsDefaultsAndOkAppliesThem) {
  const std::string folder = base("base");
  writeFileBytes(iniPath(), "[Main]\r\nPathBase=" + folder + "\r\n");
  auto w = start(std::nullopt);
  EXPECT_FALSE(w->frameSettings().tabs);
  EXPECT_EQ(w->frameSettings().gridFontSize, MainWindow::kWindowFontPoints + 2);
  SetupDialog& dialog = w->commands().setupDialog();
  dialog.load();
  EXPECT_TRUE(child<QCheckBox>(&dialog, "cbTabs")->isChecked());
  EXPECT_TRUE(child<QCheckBox>(&dialog, "cbExecQuery")->isChecked());
  EXPECT_TRUE(child<QRadioButton>(&dialog, "rbFontSmall")->isChecked());
  EXPECT_TRUE(child<QRadioButton>(&dialog, "rbLastFirst")->isChecked());
  EXPECT_EQ(dialog.baseFolderEdit()->text().toStdString(), folder);  // without the separator

  const auto generation = w->tables().fond.openGeneration();
  dialog.okButton()->click();
  EXPECT_TRUE(w->frameSettings().tabs);
  EXPECT_EQ(w->frameSettings().gridFontSize, MainWindow::kWindowFontPoints);
  EXPECT_EQ(w->frameSettings().lastRecordMode, LastRecordMode::wrap);
  EXPECT_EQ(w->tables().fond.openGeneration(), generation);  // the same folder: nothing reopened
  const std::string ini = readFileBytes(iniPath());
  EXPECT_NE(ini.find("Tabs=1"), std::string::npos) << ini;
  EXPECT_NE(ini.find("FontSmall=1"), std::string::npos) << ini;
}

struct FolderCase {
  const char* name;
  std::string (*edited)(const std::string& folder, const std::string& other);
  bool reopened;
};

class SetupFolderTest : public MenuCommandsTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(SetupFolderTest, ReopensOnlyForAnotherFolder) {
  const FolderCase& c = GetParam();
  const std::string folder = base("base");
  const std::string other = base("other");
  auto w = start(folder);
  SetupDialog& dialog = w->commands().setupDialog();
  dialog.load();
  const auto generation = w->tables().fond.openGeneration();
  dialog.baseFolderEdit()->setText(QString::fromStdString(c.edited(folder, other)));
  dialog.okButton()->click();
  EXPECT_EQ(w->tables().fond.openGeneration() != generation, c.reopened);
  // The command line still wins for this run; the new folder is written.
  EXPECT_EQ(w->baseFolder(), folder + "/");
  if (c.reopened) {
    EXPECT_NE(readFileBytes(w->settingsLocation().settingsFile.string()).find("PathBase=" + other + "/"),
              std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetupFolderTest,
    ::testing::Values(
        FolderCase{"with_separator", [](const std::string& f, const std::string&) { return f + "/"; }, false},
        FolderCase{"without_separator", [](const std::string& f, const std::string&) { return f; }, false},
        FolderCase{"another_folder", [](const std::string&, const std::string& o) { return o; }, true}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(MenuCommandsTest, NewBaseFolderIsOpenedWithoutCommandLine) {
  const std::string folder = base("base");
  const std::string other = base("other");
  writeFileBytes(iniPath(), "[Main]\r\nPathBase=" + folder + "\r\n");
  auto w = start(std::nullopt);
  SetupDialog& dialog = w->commands().setupDialog();
  dialog.load();
  dialog.baseFolderEdit()->setText(QString::fromStdString(other));
  dialog.okButton()->click();
  EXPECT_EQ(w->baseFolder(), other + "/");
  EXPECT_EQ(w->tables().fond.tablePath().rfind(other + "/", 0), 0u) << w->tables().fond.tablePath();
  EXPECT_TRUE(w->tables().fond.active());
}

TEST_F(MenuCommandsTest, ClearThenCancelLeavesTheQueriesErasedAndTheEditForgotten) {
  const std::string folder = base("base");
  writeFileBytes(iniPath(), "[Main]\r\nPathBase=" + folder +
                                "\r\nKolRec=1\r\n[Query]\r\n0=" + text::utf8ToCp1251("завод") + "\r\n");
  auto w = start(std::nullopt);
  ASSERT_EQ(w->searchStrip()->history(), QStringList{QStringLiteral("завод")});
  SetupDialog& dialog = w->commands().setupDialog();
  dialog.load();
  child<QCheckBox>(&dialog, "cbKolRec")->setChecked(false);
  emit dialog.clearQueriesLink()->linkActivated(QStringLiteral("#"));
  dialog.cancelButton()->click();
  EXPECT_TRUE(w->searchStrip()->history().isEmpty());
  EXPECT_EQ(readFileBytes(iniPath()).find("[Query]"), std::string::npos);
  EXPECT_TRUE(child<QCheckBox>(&dialog, "cbKolRec")->isChecked());  // reloaded from the file
  EXPECT_NE(readFileBytes(iniPath()).find("KolRec=1"), std::string::npos);
}

TEST_F(MenuCommandsTest, InfoInMainDisablesTheInfoWindowOptions) {
  auto w = start(base("base"));
  SetupDialog& dialog = w->commands().setupDialog();
  dialog.load();
  child<QRadioButton>(&dialog, "cbInfoInInfo")->setChecked(true);
  EXPECT_TRUE(child<QCheckBox>(&dialog, "cbInfoOnClick")->isEnabled());
  child<QRadioButton>(&dialog, "cbInfoInMain")->setChecked(true);
  EXPECT_FALSE(child<QCheckBox>(&dialog, "cbInfoOnClick")->isEnabled());
  EXPECT_FALSE(child<QCheckBox>(&dialog, "cbInfoOnTop")->isEnabled());
}

// --- saving the list ---

TEST_F(MenuCommandsTest, SaveAsWritesTheActivePagesListWhereThePersonChose) {
  auto w = start(base("base"));
  ListSaver& saver = w->commands().listSaver();
  const std::string target = root_.file("list.csv");
  QString proposed;
  saver.setAskFile([&](const QString& name, QString* filter) {
    proposed = name;
    *filter = QStringLiteral("CSV (UTF-8) (*.csv)");
    return QString::fromStdString(target);
  });
  w->menu().mmSaveAs->trigger();
  EXPECT_TRUE(proposed.endsWith(QStringLiteral("/Фонды.txt"))) << proposed.toStdString();
  EXPECT_EQ(
      readFileBytes(target),
      "\xEF\xBB\xBF№,Заголовок,Кол-во оп.,Тип,Даты,Кол-во дел\r\n1,\"Фонд\t1\",0,,б/д,0\r\n3,\"Фонд\t3\",0,,б/д,0\r\n");
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Отчёт сохранён."));
}

struct ProposedCase {
  int page;
  const char* name;
};

class ProposedNameTest : public MenuCommandsTest, public ::testing::WithParamInterface<ProposedCase> {};

TEST_P(ProposedNameTest, PerPage) {
  auto w = start(base("base"));
  ListSaver& saver = w->commands().listSaver();
  QString asked;
  saver.setAskFile([&asked](const QString& proposed, QString*) {
    asked = proposed;
    return QString();
  });
  // The name proposed last stays on a page without a list.
  w->pages().showPage(kOpisPage);
  saver.saveAs();
  if (GetParam().page == kAboutPage) {
    w->pages().showAbout();
  } else {
    w->pages().showPage(GetParam().page);
  }
  saver.saveAs();
  EXPECT_TRUE(asked.endsWith(QLatin1Char('/') + QString::fromUtf8(GetParam().name))) << asked.toStdString();
  EXPECT_EQ(saver.proposedName(), QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Pages, ProposedNameTest,
                         ::testing::Values(ProposedCase{kFondPage, "Фонды.txt"}, ProposedCase{kOpisPage, "Описи.txt"},
                                           ProposedCase{kDeloPage, "Дела.txt"}, ProposedCase{kDocPage, "Документы.txt"},
                                           ProposedCase{kAboutPage, "Описи.txt"}));

TEST_F(MenuCommandsTest, FileFormatFollowsTheChosenType) {
  EXPECT_EQ(listFormatFor(QStringLiteral("CSV (UTF-8) (*.csv)"), QStringLiteral("a.txt")), browse::ListFormat::csv);
  EXPECT_EQ(listFormatFor(QStringLiteral("Текстовые файлы (*.txt)"), QStringLiteral("a.csv")),
            browse::ListFormat::text);
  EXPECT_EQ(listFormatFor(QStringLiteral("Все файлы (*)"), QStringLiteral("a.CSV")), browse::ListFormat::csv);
  EXPECT_EQ(listFormatFor(QStringLiteral("Все файлы (*)"), QStringLiteral("a")), browse::ListFormat::text);
}

TEST_F(MenuCommandsTest, SaveIntoAMissingFolderSaysSoAndLeavesNoFile) {
  auto w = start(base("base"));
  const std::string target = root_.file("missing/Фонды.txt");
  EXPECT_FALSE(w->commands().listSaver().save(QString::fromStdString(target), browse::ListFormat::text));
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Невозможно создать файл."));
  EXPECT_FALSE(fs::exists(root_.file("missing")));
}

// --- the edit commands ---

struct EditCase {
  const char* name;
  EditCommand command;
  int selectFrom;  // -1: nothing selected
  int selectLength;
  const char* clipboardBefore;
  const char* textAfter;
  const char* clipboardAfter;
  const char* selectedAfter;
};

class EditCommandTest : public MenuCommandsTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(EditCommandTest, OnTheSearchBox) {
  const EditCase& c = GetParam();
  auto w = start(base("base"));
  QComboBox* box = w->searchStrip()->searchBox();
  box->addItem(QStringLiteral("прежний"));
  box->setEditText(QStringLiteral("завод стекольный"));
  if (c.selectFrom >= 0) box->lineEdit()->setSelection(c.selectFrom, c.selectLength);
  QApplication::clipboard()->setText(QString::fromUtf8(c.clipboardBefore));
  runEditCommand(box, c.command);
  EXPECT_EQ(box->currentText(), QString::fromUtf8(c.textAfter));
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(c.clipboardAfter));
  EXPECT_EQ(box->lineEdit()->selectedText(), QString::fromUtf8(c.selectedAfter));
  EXPECT_EQ(box->count(), 1);  // the history stays
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditCommandTest,
    ::testing::Values(
        EditCase{"cut_part_empties_all", EditCommand::cut, 6, 10, "", "", "стекольный", ""},
        EditCase{"cut_nothing_selected_takes_all", EditCommand::cut, -1, 0, "", "", "завод стекольный", ""},
        EditCase{"copy_nothing_selected_takes_all", EditCommand::copy, -1, 0, "", "завод стекольный",
                 "завод стекольный", "завод стекольный"},
        EditCase{"copy_part", EditCommand::copy, 0, 5, "", "завод стекольный", "завод", "завод"},
        EditCase{"paste_replaces_all", EditCommand::paste, 0, 5, "фабрика", "фабрика", "фабрика", ""},
        EditCase{"clear", EditCommand::clear, -1, 0, "x", "", "x", ""},
        EditCase{"select_all", EditCommand::selectAll, -1, 0, "x", "завод стекольный", "x", "завод стекольный"},
        EditCase{"select_all_keeps_part", EditCommand::selectAll, 0, 5, "x", "завод стекольный", "x", "завод"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(MenuCommandsTest, EditMenuDoesNothingOutsideTheSearchBox) {
  auto w = start(base("base"));
  w->show();
  QApplication::setActiveWindow(w.get());
  w->searchStrip()->searchBox()->setEditText(QStringLiteral("завод"));
  QApplication::clipboard()->setText(QStringLiteral("прежнее"));
  w->pages().grid(archive::Level::Fonds)->setFocus();
  QTest::keyClick(w->pages().grid(archive::Level::Fonds), Qt::Key_C, Qt::ControlModifier);
  w->menu().mmCut->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("прежнее"));
  EXPECT_EQ(w->searchStrip()->searchBox()->currentText(), QStringLiteral("завод"));
}

TEST_F(MenuCommandsTest, KeysOfTheSearchBoxFollowTheMenusRules) {
  auto w = start(base("base"));
  w->show();
  QApplication::setActiveWindow(w.get());
  QLineEdit* edit = w->searchStrip()->searchBox()->lineEdit();
  edit->setFocus();
  edit->setText(QStringLiteral("завод стекольный"));
  edit->deselect();
  QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("завод стекольный"));
  edit->setSelection(0, 5);
  QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("завод"));
  EXPECT_EQ(edit->text(), QString());
}

// --- the help ---

TEST(HelpPages, EveryContextOpensAPageThatExists) {
  const QStringList pages = helpPageNames();
  for (const HelpContext context : {HelpContext::MainWindow, HelpContext::Settings, HelpContext::Card,
                                    HelpContext::Picture, HelpContext::AdvancedSearch}) {
    const std::string_view page = helpPageOf(context);
    EXPECT_TRUE(pages.contains(QString::fromLatin1(page.data(), static_cast<int>(page.size())))) << page;
  }
  EXPECT_TRUE(pages.contains(QString::fromLatin1(kHelpContentsPage.data())));
  EXPECT_TRUE(pages.contains(QString::fromLatin1(kHelpNewsPage.data())));
}

TEST(HelpPages, EveryLinkResolvesAndEveryPageHasATitle) {
  const QStringList pages = helpPageNames();
  ASSERT_GE(pages.size(), 10);
  static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
  for (const QString& page : pages) {
    EXPECT_FALSE(helpPageTitle(page).isEmpty()) << page.toStdString();
    QFile file(QString::fromLatin1(kHelpRoot) + page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (auto it = link.globalMatch(html); it.hasNext();) {
      const QString target = it.next().captured(1).section(QLatin1Char('#'), 0, 0);
      EXPECT_TRUE(pages.contains(target)) << page.toStdString() << " -> " << target.toStdString();
    }
  }
}

TEST(HelpPages, SearchFindsThePagesHoldingEveryWord) {
  const QStringList found = helpPagesHolding(QStringLiteral("УСКОРЕННЫЙ shift"));
  EXPECT_TRUE(found.contains(QStringLiteral("search.html")));
  EXPECT_FALSE(found.contains(QStringLiteral("pictures.html")));
  EXPECT_TRUE(helpPagesHolding(QStringLiteral("нетакогослова")).isEmpty());
}

struct HelpCase {
  const char* name;
  HelpContext context;
  const char* page;
};

class HelpWindowTest : public MenuCommandsTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpWindowTest, OpensAtThePageOfTheContext) {
  auto w = start(base("base"));
  w->showHelp(GetParam().context);
  HelpWindow& help = w->commands().helpWindow();
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.currentPage(), QString::fromLatin1(GetParam().page));
  EXPECT_FALSE(help.browser()->toPlainText().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Contexts, HelpWindowTest,
                         ::testing::Values(HelpCase{"main", HelpContext::MainWindow, "main.html"},
                                           HelpCase{"settings", HelpContext::Settings, "settings.html"},
                                           HelpCase{"card", HelpContext::Card, "card.html"},
                                           HelpCase{"picture", HelpContext::Picture, "pictures.html"},
                                           HelpCase{"advanced", HelpContext::AdvancedSearch, "advanced.html"}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(MenuCommandsTest, HelpMenuAndButtonsAreEnabledAndOpenTheirPages) {
  auto w = start(base("base"));
  EXPECT_TRUE(w->menu().mmTopic->isEnabled());
  w->menu().mmNews->trigger();
  EXPECT_EQ(w->commands().helpWindow().currentPage(), QStringLiteral("news.html"));
  QPushButton* cardHelp = child<QPushButton>(w->cards().cardWindow(), "btHelp");
  ASSERT_TRUE(cardHelp->isEnabled());
  cardHelp->click();
  EXPECT_EQ(w->commands().helpWindow().currentPage(), QStringLiteral("card.html"));
  w->commands().setupDialog().helpButton()->click();
  EXPECT_EQ(w->commands().helpWindow().currentPage(), QStringLiteral("settings.html"));
  w->menu().mmTopic->trigger();
  EXPECT_EQ(w->commands().helpWindow().currentPage(), QStringLiteral("main.html"));
  w->menu().mmNews->trigger();
  w->pages().aboutPage()->helpButton()->click();
  EXPECT_EQ(w->commands().helpWindow().currentPage(), QStringLiteral("main.html"));
}

TEST_F(MenuCommandsTest, HelpSearchShowsTheFirstPageFound) {
  auto w = start(base("base"));
  HelpWindow& help = w->commands().helpWindow();
  help.searchBox()->setText(QStringLiteral("Обзор"));
  QTest::keyClick(help.searchBox(), Qt::Key_Return);
  EXPECT_EQ(help.currentPage(), QStringLiteral("settings.html"));
  EXPECT_EQ(help.pageList()->count(), 1);
  EXPECT_TRUE(help.browser()->textCursor().hasSelection());
}

}  // namespace
}  // namespace kestrin::app
