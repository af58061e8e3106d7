// "Сохранить как...": the list of the active level page to a text file
// (Windows-1251, TAB-separated) or to CSV in UTF-8, with a progress dialog
// that keeps the window painting and can stop a long save.
#pragma once

#include <QString>
#include <functional>

#include "browse/export/list_format.h"

namespace kestrin::app {

class MainWindow;

// The file type choices of the save dialog.
QString listFileFilters();
// The form a choice and a file name stand for: CSV when the CSV type is
// chosen, or "all files" with a name ending in ".csv"; text otherwise.
browse::ListFormat listFormatFor(const QString& chosenFilter, const QString& fileName);

class ListSaver {
 public:
  // Asks for the file: the proposed path and the chosen filter in, the chosen
  // path out (empty when cancelled), the chosen filter set.
  using AskFile = std::function<QString(const QString& proposed, QString* filter)>;

  explicit ListSaver(MainWindow& window);

  // The menu command: proposes the page's name, asks, saves.
  void saveAs();
  // Saves the active page's list to `path`; true when the file was written.
  bool save(const QString& path, browse::ListFormat format);

  // The name proposed now ("Фонды.txt" ...).
  const QString& proposedName() const { return proposedName_; }
  void setAskFile(AskFile ask) { askFile_ = std::move(ask); }

 private:
  MainWindow& window_;
  QString proposedName_ = QStringLiteral("Фонды.txt");
  QString folder_;  // where the person saved last
  AskFile askFile_;
};

}  // namespace kestrin::app
