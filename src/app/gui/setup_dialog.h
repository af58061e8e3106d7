// The settings dialog "Настройки": the options of the settings file in three
// columns and the base and photo folders. OK writes every option and applies
// it at once (the base is reopened only when its folder changed); Cancel
// forgets the edit; "Очистить" erases the saved queries at once.
#pragma once

#include <QDialog>

#include "app/setup_options.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrin::app {

class MainWindow;

class SetupDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SetupDialog(MainWindow& window);

  // The controls from the settings file (FormShow).
  void load();
  // What the controls show now.
  SetupOptions shown() const;

  QPushButton* okButton() const { return btOK_; }
  QPushButton* cancelButton() const { return btCancel_; }
  QPushButton* helpButton() const { return btHelp_; }
  QLabel* clearQueriesLink() const { return lbClearQuery_; }
  QLineEdit* baseFolderEdit() const { return edPathBase_; }
  QLineEdit* photoFolderEdit() const { return edPathPhoto_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void build();
  void showOptions(const SetupOptions& options);
  void applyAndClose();
  void cancel();
  void clearQueries();
  void browseFolder(QLineEdit* edit);
  void enableInfoWindowOptions();

  MainWindow& window_;
  QCheckBox* cbSaveQuery_;
  QLabel* lbClearQuery_;
  QCheckBox* cbExecQuery_;
  QCheckBox* cbExitOnEsc_;
  QCheckBox* cbSaveWindows_;
  QCheckBox* cbTabs_;
  QCheckBox* cbMenuXP_;
  QCheckBox* cbKolRec_;
  QCheckBox* cbColorTypes_;
  QRadioButton* rbFontLarge_;
  QRadioButton* rbFontSmall_;
  QRadioButton* rbSelectOpis_;
  QCheckBox* cbNalOpis_;
  QRadioButton* tbShowInfo_;
  QRadioButton* cbInfoInMain_;
  QRadioButton* cbInfoInInfo_;
  QCheckBox* cbInfoOnClick_;
  QCheckBox* cbInfoOnTop_;
  QRadioButton* rbLastBeep_;
  QRadioButton* rbLastFirst_;
  QRadioButton* rbLastNext_;
  QPushButton* btOK_;
  QPushButton* btCancel_;
  QPushButton* btHelp_;
  QLineEdit* edPathBase_;
  QLineEdit* edPathPhoto_;
};

}  // namespace kestrin::app
