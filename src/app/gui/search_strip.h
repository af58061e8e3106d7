// The search strip under the menu: the search box with its history, the
// "Найти!" button, the "Очистить" and "Расширенный" links and the mode
// buttons. Searching itself belongs to the quick search; this is the strip's
// look and its layout, which keeps the smallest window's proportions.
#pragma once

#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QMenu;

namespace kestrin::app {

class SearchStrip : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 63;

  explicit SearchStrip(QWidget* parent = nullptr);

  QComboBox* searchBox() const { return edSearch_; }
  QPushButton* searchButton() const { return btSearch_; }
  QLabel* clearLink() const { return lbClear_; }
  QLabel* advancedLink() const { return lbAdv_; }
  QRadioButton* allWordsMode() const { return rbAll_; }
  QRadioButton* anyWordMode() const { return rbAny_; }
  QRadioButton* asIsMode() const { return rbExact_; }
  QRadioButton* numberMode() const { return rbNum_; }
  QMenu* searchMenu() const { return pmSearch_; }
  // The search button's popup item "Очистить" (show all).
  QAction* clearAction() const { return pmmClear_; }

  void setHistory(const QStringList& entries);
  QStringList history() const;
  void setSearchFontSize(int points);

  // Places the button, the links and the box for a window `windowWidth`
  // wide whose strip is `clientWidth` wide.
  void layOut(int windowWidth, int clientWidth);

 private:
  QLabel* lbSearch_;
  QComboBox* edSearch_;
  QPushButton* btSearch_;
  QLabel* lbClear_;
  QLabel* lbAdv_;
  QRadioButton* rbAll_;
  QRadioButton* rbAny_;
  QRadioButton* rbExact_;
  QRadioButton* rbNum_;
  QMenu* pmSearch_;
  QAction* pmmClear_;
};

}  // namespace kestrin::app
