// The About page: what the program is for, where its settings file and its
// folder are (as links that open them), and the help button.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace kestrin::app {

class AboutPage : public QWidget {
  Q_OBJECT

 public:
  explicit AboutPage(QWidget* parent = nullptr);
  // Fills the labels; called each time the page is opened.
  void fill(const QString& settingsFile, const QString& programFolder);

  QLabel* settingsFileLink() const { return lbhIniFileName_; }
  QLabel* programFolderLink() const { return lbhPath_; }
  QPushButton* helpButton() const { return btHelp_; }

 private:
  QLabel* lbhIniFileName_;
  QLabel* lbhPath_;
  QPushButton* btHelp_;
};

// A drive letter at the start of a path shown upper-cased ("c:\x" as "C:\x").
QString withUpperDriveLetter(const QString& path);

}  // namespace kestrin::app
