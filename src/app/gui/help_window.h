// The built-in help: Russian HTML pages compiled into the program, shown in
// a text browser with the contents (or the pages a search found) beside it.
#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace kestrin::app {

// The resource folder of the help pages.
inline constexpr const char* kHelpRoot = ":/help/";

// The file names of every help page, sorted.
QStringList helpPageNames();
// The title (<title>) of a help page; empty when there is no such page.
QString helpPageTitle(const QString& page);
// The pages whose text holds `words` (all of them, letter case ignored), in
// the order of the contents.
QStringList helpPagesHolding(const QString& words);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows `page` (a file name of the help) and brings the window up.
  void showPage(const QString& page);
  QString currentPage() const;

  QTextBrowser* browser() const { return browser_; }
  QLineEdit* searchBox() const { return search_; }
  QListWidget* pageList() const { return pages_; }

 private:
  void listPages(const QStringList& pages);
  void search();

  QLineEdit* search_;
  QListWidget* pages_;
  QTextBrowser* browser_;
};

}  // namespace kestrin::app
