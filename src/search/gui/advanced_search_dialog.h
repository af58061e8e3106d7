// The dialog "Расширенный поиск": the controls of the advanced search, their
// captions and enabling for the level shown, and the small rules that tie
// them together (a typed text checks its box, a two-digit year gets its
// century, "Очистить"). Made once and kept, so every control keeps its state
// between openings. Searching itself is the caller's: "Найти!" asks for it.
#pragma once

#include <QDialog>

#include "archive/columns/level_columns.h"
#include "search/advanced/advanced_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kestrin::search {

class AdvancedSearchDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AdvancedSearchDialog(QWidget* parent = nullptr);
  ~AdvancedSearchDialog() override;

  // FormShow without the search box: captions, enabling and hints for
  // `level`; the category list is refilled when the level differs from the
  // last one built. With `heldOnly` ("Только в наличии") fonds and
  // inventories select the movement "наличие".
  void buildForLevel(archive::Level level, bool heldOnly);
  int lastLevel() const { return lastLevel_; }

  // The controls' states.
  AdvancedForm form() const;
  // "Очистить": text, case, years and special filter off, the lists at
  // "(все)"; movement "наличие" when `heldOnly` and the level is fonds or
  // inventories.
  void clearConditions(bool heldOnly);

  // The message of a search that failed, shown in the dialog; the special
  // filter's text, when that is on, is selected for correction. Cleared at
  // the next search or showing.
  void showSearchError(const QString& message);
  QString searchError() const;

  QComboBox* searchBox() const { return edSearch_; }
  QComboBox* specialBox() const { return edCpec_; }

 signals:
  void searchClicked();
  void helpClicked();
  // Alt+Left (-1) or Alt+Right (+1): the main window's level should change.
  void levelStepRequested(int step);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void connectControls();
  void colourEdit(QWidget* edit, bool enabled);
  void completeYearOf(QSpinBox* box);

  int lastLevel_ = -1;
  bool heldOnly_ = false;  // "Только в наличии" when the dialog was last built
  QCheckBox* cbText_;
  QComboBox* edSearch_;
  QRadioButton* rbAnd_;
  QRadioButton* rbOr_;
  QRadioButton* rbAsIs_;
  QCheckBox* cbTextReg_;
  QCheckBox* cbName_;
  QCheckBox* cbPred_;
  QCheckBox* cbRename_;
  QCheckBox* cbUk_;
  QCheckBox* cbRubr_;
  QCheckBox* cbDocText_;
  QLabel* lbKat_;
  QComboBox* cbKat_;
  QLabel* lbType_;
  QComboBox* cbType_;
  QLabel* lbMove_;
  QComboBox* cbMove_;
  QCheckBox* cbYears_;
  QSpinBox* edYearN_;
  QSpinBox* edYearK_;
  QCheckBox* cbCpec_;
  QComboBox* edCpec_;
  QLabel* lbClear_;
  QLabel* lbError_;
  QPushButton* btSearch_;
  QPushButton* btCancel_;
  QPushButton* btHelp_;
};

}  // namespace kestrin::search
