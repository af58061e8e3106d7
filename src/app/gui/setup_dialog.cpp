#include "app/gui/setup_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/gui/main_window.h"
#include "app/gui/search_strip.h"
#include "app/gui/startup_controller.h"
#include "app/settings_keys.h"
#include "text/cp1251_utf8.h"

namespace kestrin::app {

namespace {

template <typename Button>
Button* control(QWidget* parent, const char* name, const QString& text, const QString& hint = {}) {
  auto* button = new Button(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  return button;
}

QGroupBox* group(const QString& title, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  new QVBoxLayout(box);
  return box;
}

void addIndented(QGroupBox* box, QWidget* widget) {
  auto* row = new QHBoxLayout();
  row->addSpacing(18);
  row->addWidget(widget);
  static_cast<QVBoxLayout*>(box->layout())->addLayout(row);
}

}  // namespace

SetupDialog::SetupDialog(MainWindow& window)
    : QDialog(&window, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      window_(window) {
  setObjectName(QStringLiteral("fmSetup"));
  setWindowTitle(QStringLiteral("Настройки"));
  // Modal for the main window only: the help window stays usable beside it.
  setWindowModality(Qt::WindowModal);
  build();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void SetupDialog::build() {
  auto* rows = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout();
  rows->addLayout(columns);

  auto* left = new QVBoxLayout();
  cbSaveQuery_ = control<QCheckBox>(this, "cbSaveQuery", QStringLiteral("Сохранять запросы"),
                                    QStringLiteral("Сохранять поисковые запросы\\Чтобы очистить список ранее "
                                                   "сохраненных запросов, нажмите кнопку Очистить"));
  lbClearQuery_ = new QLabel(QStringLiteral("<a href=\"#\">Очистить</a>"), this);
  lbClearQuery_->setObjectName(QStringLiteral("lbClearQuery"));
  lbClearQuery_->setToolTip(QStringLiteral("Очистить сохраненные запросы"));
  lbClearQuery_->setIndent(20);
  cbExecQuery_ = control<QCheckBox>(this, "cbExecQuery", QStringLiteral("Исполнять при выборе"));
  cbExecQuery_->setChecked(true);  // shown while the file has no ExecQuery
  cbExitOnEsc_ = control<QCheckBox>(
      this, "cbExitOnEsc", QStringLiteral("Выход на Esc"),
      QStringLiteral("Выход из программы по нажатию кнопки Escape\\Выйти из программы можно также на Ctrl+Q"));
  cbSaveWindows_ = control<QCheckBox>(this, "cbSaveWindows", QStringLiteral("Сохранять положение окон"),
                                      QStringLiteral("Сохранять положение и размеры окон"));
  cbTabs_ = control<QCheckBox>(this, "cbTabs", QStringLiteral("Закладки разделов"),
                               QStringLiteral("Разделы можно менять, щёлкая по вкладкам"));
  cbMenuXP_ = control<QCheckBox>(this, "cbMenuXP", QStringLiteral("Меню слева"));
  cbKolRec_ = control<QCheckBox>(this, "cbKolRec", QStringLiteral("Количество записей"),
                                 QStringLiteral("Показывать количество записей"));
  cbColorTypes_ = control<QCheckBox>(this, "cbColorTypes", QStringLiteral("Раскраска по типам"),
                                     QStringLiteral("Показывать различные типы фондов, описей различным цветом"));
  for (QWidget* w : std::initializer_list<QWidget*>{cbSaveQuery_, lbClearQuery_, cbExecQuery_, cbExitOnEsc_,
                                                    cbSaveWindows_, cbTabs_, cbMenuXP_, cbKolRec_, cbColorTypes_}) {
    left->addWidget(w);
  }
  QGroupBox* font = group(QStringLiteral("Размер шрифта"), this);
  rbFontLarge_ =
      control<QRadioButton>(font, "rbFontLarge", QStringLiteral("Крупный"), QStringLiteral("Крупный размер шрифта"));
  rbFontSmall_ = control<QRadioButton>(font, "rbFontSmall", QStringLiteral("Обычный"),
                                       QStringLiteral("Обычный размер шрифта (системный)"));
  font->layout()->addWidget(rbFontLarge_);
  font->layout()->addWidget(rbFontSmall_);
  left->addWidget(font);
  left->addStretch(1);
  columns->addLayout(left);

  auto* middle = new QVBoxLayout();
  QGroupBox* doubleClick = group(QStringLiteral("Двойной щелчок"), this);
  rbSelectOpis_ =
      control<QRadioButton>(doubleClick, "rbSelectOpis", QStringLiteral("Выбрать описи "),
                            QStringLiteral("По двойному щелчку мыши выбрать описи фонда, дела описи, документы дела"));
  cbNalOpis_ = control<QCheckBox>(doubleClick, "cbNalOpis", QStringLiteral("Только при наличии"),
                                  QStringLiteral("Выбирать описи фонда (дел описи) только при их наличии"));
  tbShowInfo_ = control<QRadioButton>(
      doubleClick, "tbShowInfo", QStringLiteral("Показать информацию"),
      QStringLiteral("По двойному щелчку мыши показать информацию о выбренном фонде (описи, деле)"));
  doubleClick->layout()->addWidget(rbSelectOpis_);
  addIndented(doubleClick, cbNalOpis_);
  doubleClick->layout()->addWidget(tbShowInfo_);
  middle->addWidget(doubleClick);

  QGroupBox* info = group(QStringLiteral("Окно информации"), this);
  cbInfoInMain_ = control<QRadioButton>(info, "cbInfoInMain", QStringLiteral("В главном окне"),
                                        QStringLiteral("Показать подробную информацию в главном окне ниже списков"));
  cbInfoInInfo_ = control<QRadioButton>(info, "cbInfoInInfo", QStringLiteral("В отдельном"),
                                        QStringLiteral("Показать окно информации в отдельном окне"));
  cbInfoOnClick_ = control<QCheckBox>(info, "cbInfoOnClick", QStringLiteral("Показать по щелчку"),
                                      QStringLiteral("Показать окно информации по одиночному щелчку мыши"));
  cbInfoOnTop_ = control<QCheckBox>(info, "cbInfoOnTop", QStringLiteral("Поверх всех окон"),
                                    QStringLiteral("Показывать окно информации поверх всех окон"));
  info->layout()->addWidget(cbInfoInMain_);
  info->layout()->addWidget(cbInfoInInfo_);
  addIndented(info, cbInfoOnClick_);
  addIndented(info, cbInfoOnTop_);
  middle->addWidget(info);

  QGroupBox* last = group(QStringLiteral("На последней записи"), this);
  rbLastBeep_ = control<QRadioButton>(last, "rbLastBeep", QStringLiteral("Звуковой сигнал"),
                                      QStringLiteral("После последней записи выдавать звуковой сигнал"));
  rbLastFirst_ = control<QRadioButton>(last, "rbLastFirst", QStringLiteral("Перейти к первой"),
                                       QStringLiteral("После последней записи переходить к первой"));
  rbLastNext_ =
      control<QRadioButton>(last, "rbLastNext", QStringLiteral("Перейти к след. родит."),
                            QStringLiteral("После последней записи переходить к следующей родительской записи"));
  for (QRadioButton* b : {rbLastBeep_, rbLastFirst_, rbLastNext_}) last->layout()->addWidget(b);
  middle->addWidget(last);
  middle->addStretch(1);
  columns->addLayout(middle);

  auto* right = new QVBoxLayout();
  btOK_ = control<QPushButton>(this, "btOK", QStringLiteral("OK"), QStringLiteral("Применить и сохранить настройки"));
  btOK_->setDefault(true);
  btCancel_ = control<QPushButton>(this, "btCancel", QStringLiteral("Отмена"),
                                   QStringLiteral("Не применять и не сохранять настройки"));
  btHelp_ =
      control<QPushButton>(this, "btHelp", QStringLiteral("Справка"), QStringLiteral("Справка по настройке программы"));
  for (QPushButton* b : {btOK_, btCancel_, btHelp_}) right->addWidget(b);
  right->addStretch(1);
  columns->addLayout(right);

  auto* folders = new QGridLayout();
  auto folderRow = [&](int row, const QString& caption, const QString& hint, const char* editName,
                       const char* buttonName, const QString& buttonHint) {
    auto* label = new QLabel(caption, this);
    label->setToolTip(hint);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(editName));
    edit->setToolTip(hint);
    auto* browse = control<QPushButton>(this, buttonName, QStringLiteral("Обзор..."), buttonHint);
    folders->addWidget(label, row, 0);
    folders->addWidget(edit, row, 1);
    folders->addWidget(browse, row, 2);
    connect(browse, &QPushButton::clicked, this, [this, edit] { browseFolder(edit); });
    return edit;
  };
  edPathBase_ = folderRow(0, QStringLiteral("Папка баз:"), QStringLiteral("Путь к папке с базами Архивного Фонда"),
                          "edPathBase", "btPathBaseBrowse", QStringLiteral("Изменить путь к папке с базами"));
  edPathPhoto_ = folderRow(1, QStringLiteral("Папка картинок (фонд пользования):"),
                           QStringLiteral("Путь к папке картинок (фонд пользования)"), "edPathPhoto", "btPathPicPhoto",
                           QStringLiteral("Изменить путь к папке с картинками"));
  folders->setColumnMinimumWidth(1, 320);
  rows->addLayout(folders);

  connect(btOK_, &QPushButton::clicked, this, &SetupDialog::applyAndClose);
  connect(btCancel_, &QPushButton::clicked, this, &SetupDialog::cancel);
  connect(btHelp_, &QPushButton::clicked, this, [this] { window_.showHelp(HelpContext::Settings); });
  connect(lbClearQuery_, &QLabel::linkActivated, this, &SetupDialog::clearQueries);
  connect(cbInfoInMain_, &QRadioButton::toggled, this, &SetupDialog::enableInfoWindowOptions);
}

void SetupDialog::showEvent(QShowEvent* event) {
  load();
  QDialog::showEvent(event);
}

void SetupDialog::load() {
  const Session& session = window_.session();
  showOptions(loadSetupOptions(window_.settings(), {cbExecQuery_->isChecked(), window_.frameSettings().nalOpis,
                                                    session.baseFolder, session.photoFolder}));
}

void SetupDialog::showOptions(const SetupOptions& o) {
  cbSaveQuery_->setChecked(o.saveQuery);
  cbExecQuery_->setChecked(o.execQuery);
  cbExitOnEsc_->setChecked(o.exitOnEsc);
  cbSaveWindows_->setChecked(o.saveWindows);
  cbTabs_->setChecked(o.tabs);
  cbMenuXP_->setChecked(o.menuXp);
  cbKolRec_->setChecked(o.kolRec);
  cbColorTypes_->setChecked(o.colorTypes);
  (o.fontLarge ? rbFontLarge_ : rbFontSmall_)->setChecked(true);
  (o.selectOpis ? rbSelectOpis_ : tbShowInfo_)->setChecked(true);
  cbNalOpis_->setChecked(o.nalOpis);
  (o.infoInMain ? cbInfoInMain_ : cbInfoInInfo_)->setChecked(true);
  cbInfoOnClick_->setChecked(o.infoOnClick);
  cbInfoOnTop_->setChecked(o.infoOnTop);
  using Last = SetupOptions::Last;
  (o.last == Last::beep ? rbLastBeep_ : o.last == Last::next ? rbLastNext_ : rbLastFirst_)->setChecked(true);
  edPathBase_->setText(QString::fromStdString(o.baseFolder));
  edPathPhoto_->setText(QString::fromStdString(o.photoFolder));
  enableInfoWindowOptions();
}

SetupOptions SetupDialog::shown() const {
  SetupOptions o;
  o.saveQuery = cbSaveQuery_->isChecked();
  o.execQuery = cbExecQuery_->isChecked();
  o.exitOnEsc = cbExitOnEsc_->isChecked();
  o.saveWindows = cbSaveWindows_->isChecked();
  o.tabs = cbTabs_->isChecked();
  o.menuXp = cbMenuXP_->isChecked();
  o.kolRec = cbKolRec_->isChecked();
  o.colorTypes = cbColorTypes_->isChecked();
  o.fontLarge = rbFontLarge_->isChecked();
  o.selectOpis = rbSelectOpis_->isChecked();
  o.nalOpis = cbNalOpis_->isChecked();
  o.infoInMain = cbInfoInMain_->isChecked();
  o.infoOnClick = cbInfoOnClick_->isChecked();
  o.infoOnTop = cbInfoOnTop_->isChecked();
  using Last = SetupOptions::Last;
  o.last = rbLastBeep_->isChecked() ? Last::beep : rbLastNext_->isChecked() ? Last::next : Last::first;
  o.baseFolder = edPathBase_->text().toStdString();
  o.photoFolder = edPathPhoto_->text().toStdString();
  return o;
}

void SetupDialog::enableInfoWindowOptions() {
  const bool apart = cbInfoInInfo_->isChecked();
  cbInfoOnClick_->setEnabled(apart);
  cbInfoOnTop_->setEnabled(apart);
}

void SetupDialog::applyAndClose() {
  const SetupOptions o = shown();
  Session& session = window_.session();
  IniFile& settings = window_.settings();
  if (!writeSetupOptions(settings, o)) window_.showStatus(QStringLiteral("Настройки не сохраняются."));
  session.execQuery = o.execQuery;

  if (const auto folder = changedFolder(session.baseFolder, o.baseFolder)) {
    session.baseFolder = *folder;
    try {
      writeSetting(settings, keys::pathBase, text::utf8ToCp1251(*folder));
    } catch (const std::exception&) {
      window_.showStatus(QStringLiteral("Настройки не сохраняются."));
    }
    StartupController(window_).reopenBase();
  }
  if (const auto folder = changedFolder(session.photoFolder, o.photoFolder)) {
    session.photoFolder = *folder;
    try {
      writeSetting(settings, keys::pathPhoto, text::utf8ToCp1251(*folder));
    } catch (const std::exception&) {
      window_.showStatus(QStringLiteral("Настройки не сохраняются."));
    }
  }
  window_.loadSettings();
  accept();
}

void SetupDialog::cancel() {
  reject();
  load();  // nothing of the edit survives
}

void SetupDialog::clearQueries() {
  SearchStrip* strip = window_.searchStrip();
  strip->searchBox()->setEditText(QString());
  strip->setHistory({});
  try {
    window_.settings().eraseSection(keys::kQuery);
  } catch (const std::exception&) {
    window_.showStatus(QStringLiteral("Настройки не сохраняются."));
  }
}

void SetupDialog::browseFolder(QLineEdit* edit) {
  const QString chosen = QFileDialog::getExistingDirectory(&window_, QStringLiteral("Выбор папки"), edit->text());
  if (!chosen.trimmed().isEmpty()) edit->setText(chosen.trimmed());
  raise();
  activateWindow();
}

}  // namespace kestrin::app
