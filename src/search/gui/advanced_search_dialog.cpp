#include "search/gui/advanced_search_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "browse/gui/qt_text.h"
#include "search/advanced/dialog_lists.h"
#include "search/advanced/years.h"

namespace kestrin::search {

using archive::Level;
using browse::fromCp1251;
using browse::toCp1251;

namespace {

template <class W>
W* named(W* widget, const char* name, const QString& hint = {}) {
  widget->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) widget->setToolTip(hint);
  return widget;
}

QComboBox* dropDownList(const char* name, const QString& hint, const std::vector<std::string>& items) {
  auto* box = named(new QComboBox, name, hint);
  for (const std::string& item : items) box->addItem(fromCp1251(item));
  box->setCurrentIndex(0);
  return box;
}

QSpinBox* yearBox(const char* name, int value) {
  auto* box = named(new QSpinBox, name);
  box->setRange(0, latestYear());
  box->setGroupSeparatorShown(false);
  box->setWrapping(false);
  box->setValue(value);
  return box;
}

bool isBlank(const QString& text) { return text.trimmed().isEmpty(); }

}  // namespace

AdvancedSearchDialog::AdvancedSearchDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fmSearch"));
  setWindowTitle(QStringLiteral("Расширенный поиск"));
  setModal(true);
  setWindowFlag(Qt::WindowStaysOnTopHint);
  buildControls();
  connectControls();
}

void AdvancedSearchDialog::buildControls() {
  cbText_ = named(new QCheckBox(QStringLiteral("Текст:")), "cbText");
  edSearch_ = named(new QComboBox, "edSearch");
  edSearch_->setEditable(true);
  edSearch_->setInsertPolicy(QComboBox::NoInsert);
  rbAnd_ = named(new QRadioButton(QStringLiteral("Все слова")), "rbAnd");
  rbOr_ = named(new QRadioButton(QStringLiteral("Одно из слов")), "rbOr");
  rbAsIs_ = named(new QRadioButton(QStringLiteral("Как есть")), "rbAsIs");
  rbAsIs_->setChecked(true);
  cbTextReg_ = named(new QCheckBox(QStringLiteral("Учитывать регистр")), "cbTextReg");
  cbName_ = named(new QCheckBox(QStringLiteral("Название")), "cbName", QStringLiteral("Полное, сокращённое названия"));
  cbPred_ =
      named(new QCheckBox(QStringLiteral("Предисловие")), "cbPred", QStringLiteral("Историческая справка, аннотация"));
  cbRename_ =
      named(new QCheckBox(QStringLiteral("Переименования")), "cbRename", QStringLiteral("Переименования фондов"));
  cbUk_ = named(new QCheckBox(QStringLiteral("Ключевые слова")), "cbUk",
                QStringLiteral("Указатели: именной, географический, тематический"));
  cbRubr_ = named(new QCheckBox(QStringLiteral("Рубрикатор описи")), "cbRubr");
  cbDocText_ = named(new QCheckBox(QStringLiteral("Текст документа")), "cbDocText",
                     QStringLiteral("Примечание и полный текст документа"));
  for (QCheckBox* box : {cbName_, cbPred_, cbRename_, cbUk_, cbRubr_, cbDocText_}) box->setChecked(true);

  lbKat_ = named(new QLabel(QStringLiteral("Категория (ценность)")), "lbKat");
  cbKat_ = dropDownList("cbKat", QStringLiteral("Выберите категорию документации\nНапример, 1"),
                        categoryItems(Level::Fonds));
  lbType_ = named(new QLabel(QStringLiteral("Тип")), "lbType");
  cbType_ = dropDownList("cbType", QStringLiteral("Выберите тип документации\nНапример, упр."), typeItems());
  lbMove_ = named(new QLabel(QStringLiteral("Движение")), "lbMove");
  cbMove_ = dropDownList("cbMove", QStringLiteral("Выберите вид движения документов\nНапример, наличие"), moveItems());
  cbYears_ = named(new QCheckBox(QStringLiteral("Годы:")), "cbYears");
  edYearN_ = yearBox("edYearN", 1990);
  edYearK_ = yearBox("edYearK", 2000);
  cbCpec_ = named(new QCheckBox(QStringLiteral("Специальный фильтр:")), "cbCpec",
                  QStringLiteral("Задайте вручную нужный фильтр"));
  edCpec_ = named(new QComboBox, "edCpec", QStringLiteral("Задайте вручную нужный фильтр"));
  edCpec_->setEditable(true);
  lbError_ = named(new QLabel, "lbError");
  lbError_->setWordWrap(true);
  lbError_->setStyleSheet(QStringLiteral("color: #C00000"));
  lbError_->hide();
  lbClear_ =
      named(new QLabel(QStringLiteral("<a href=\"#\">Очистить</a>")), "lbClear", QStringLiteral("Очистить фильтр"));
  lbClear_->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  btSearch_ = named(new QPushButton(QStringLiteral("Найти!")), "btSearch",
                    QStringLiteral("Отфильтровать записи и закрыть диалог"));
  QFont bold = btSearch_->font();
  bold.setBold(true);
  btSearch_->setFont(bold);
  btSearch_->setDefault(true);
  btCancel_ = named(new QPushButton(QStringLiteral("Отмена")), "btCancel",
                    QStringLiteral("Закрыть диалог без изменения фильтрации"));
  btHelp_ =
      named(new QPushButton(QStringLiteral("Справка")), "btHelp", QStringLiteral("Справка по расширенному поиску"));

  auto* text = new QGridLayout;
  text->addWidget(cbText_, 0, 0);
  text->addWidget(edSearch_, 0, 1, 1, 3);
  text->addWidget(rbAnd_, 1, 1);
  text->addWidget(rbOr_, 1, 2);
  text->addWidget(rbAsIs_, 1, 3);
  text->addWidget(cbTextReg_, 2, 1, 1, 3);
  auto* where = new QGroupBox(QStringLiteral("Где искать"));
  auto* whereGrid = new QGridLayout(where);
  whereGrid->addWidget(cbName_, 0, 0);
  whereGrid->addWidget(cbPred_, 1, 0);
  whereGrid->addWidget(cbDocText_, 2, 0);
  whereGrid->addWidget(cbRename_, 0, 1);
  whereGrid->addWidget(cbUk_, 1, 1);
  whereGrid->addWidget(cbRubr_, 2, 1);
  text->addWidget(where, 3, 0, 1, 4);

  auto* lists = new QGridLayout;
  lists->addWidget(lbMove_, 0, 0);
  lists->addWidget(cbMove_, 0, 1);
  lists->addWidget(lbType_, 1, 0);
  lists->addWidget(cbType_, 1, 1);
  lists->addWidget(lbKat_, 2, 0);
  lists->addWidget(cbKat_, 2, 1);
  auto* years = new QHBoxLayout;
  years->addWidget(edYearN_);
  years->addWidget(new QLabel(QStringLiteral("–")));
  years->addWidget(edYearK_);
  lists->addWidget(cbYears_, 3, 0);
  lists->addLayout(years, 3, 1);
  lists->addWidget(cbCpec_, 4, 0);
  lists->addWidget(edCpec_, 4, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(lbClear_);
  buttons->addStretch();
  buttons->addWidget(btSearch_);
  buttons->addWidget(btCancel_);
  buttons->addWidget(btHelp_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(text);
  layout->addLayout(lists);
  layout->addWidget(lbError_);
  layout->addLayout(buttons);
  colourEdit(edSearch_, false);
  colourEdit(edYearN_, false);
  colourEdit(edYearK_, false);
}

void AdvancedSearchDialog::connectControls() {
  connect(btSearch_, &QPushButton::clicked, this, [this] {
    lbError_->hide();
    btSearch_->setFocus();
    emit searchClicked();
  });
  connect(btCancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(btHelp_, &QPushButton::clicked, this, &AdvancedSearchDialog::helpClicked);
  connect(lbClear_, &QLabel::linkActivated, this, [this] { clearConditions(heldOnly_); });
  connect(cbText_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) edSearch_->setFocus();
    colourEdit(edSearch_, on);
  });
  connect(cbYears_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) edYearN_->setFocus();
    colourEdit(edYearN_, on);
    colourEdit(edYearK_, on);
  });
  connect(edSearch_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (edSearch_->hasFocus() && !isBlank(text)) cbText_->setChecked(true);
  });
  connect(edCpec_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (edCpec_->hasFocus() && !isBlank(text)) cbCpec_->setChecked(true);
  });
  for (QSpinBox* box : {edYearN_, edYearK_}) {
    connect(box, &QSpinBox::valueChanged, this, [this] {
      if (edYearN_->hasFocus() || edYearK_->hasFocus()) cbYears_->setChecked(true);
    });
    connect(box, &QSpinBox::editingFinished, this, [this, box] { completeYearOf(box); });
  }
  // KeyPreview: the arrows with Alt change the level wherever the focus is.
  qApp->installEventFilter(this);
}

AdvancedSearchDialog::~AdvancedSearchDialog() { qApp->removeEventFilter(this); }

bool AdvancedSearchDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != this) return QDialog::eventFilter(watched, event);
  const auto& key = static_cast<const QKeyEvent&>(*event);
  const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
  if (mods == Qt::AltModifier && (key.key() == Qt::Key_Left || key.key() == Qt::Key_Right)) {
    emit levelStepRequested(key.key() == Qt::Key_Left ? -1 : 1);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void AdvancedSearchDialog::colourEdit(QWidget* edit, bool enabled) {
  // A box whose condition is off looks like a button face, as disabled.
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, enabled ? QPalette().color(QPalette::Base) : QPalette().color(QPalette::Button));
  edit->setPalette(palette);
}

void AdvancedSearchDialog::completeYearOf(QSpinBox* box) {
  const std::string completed = completeYear(std::to_string(box->value()));
  if (const auto year = yearOf(completed)) box->setValue(*year);
}

void AdvancedSearchDialog::buildForLevel(Level level, bool heldOnly) {
  const DialogLook look = dialogLook(level);
  const int n = static_cast<int>(level);
  setWindowTitle(fromCp1251(look.caption));
  cbRubr_->setText(fromCp1251(look.rubricCaption));
  for (QWidget* w : std::initializer_list<QWidget*>{cbMove_, lbMove_}) w->setEnabled(look.moveEnabled);
  cbPred_->setEnabled(look.predEnabled);
  cbUk_->setEnabled(look.keywordsEnabled);
  cbRename_->setEnabled(look.renameEnabled);
  cbType_->setEnabled(look.typeEnabled);
  lbType_->setEnabled(look.typeEnabled);
  cbRubr_->setEnabled(look.rubricEnabled);
  cbDocText_->setEnabled(look.docTextEnabled);
  cbKat_->setEnabled(look.categoryEnabled);
  lbKat_->setText(fromCp1251(look.categoryLabel));
  cbPred_->setText(fromCp1251(look.predCaption).replace(QLatin1Char('\r'), QLatin1Char('\n')));
  if (!look.predHint.empty()) cbPred_->setToolTip(fromCp1251(look.predHint));
  cbDocText_->setText(fromCp1251(look.docTextCaption));
  if (!look.docTextHint.empty()) cbDocText_->setToolTip(fromCp1251(look.docTextHint));
  if (n != lastLevel_) {
    cbKat_->clear();
    for (const std::string& item : categoryItems(level)) cbKat_->addItem(fromCp1251(item));
    cbKat_->setCurrentIndex(0);
  }
  if (heldOnly && n <= 1) cbMove_->setCurrentIndex(1);
  heldOnly_ = heldOnly;
  lastLevel_ = n;
  lbError_->hide();
}

AdvancedForm AdvancedSearchDialog::form() const {
  AdvancedForm form;
  form.useText = cbText_->isChecked();
  form.text = toCp1251(edSearch_->currentText());
  form.mode = rbAnd_->isChecked() ? TextMode::AllWords : rbOr_->isChecked() ? TextMode::AnyWord : TextMode::Phrase;
  form.caseSensitive = cbTextReg_->isChecked();
  form.name = cbName_->isChecked();
  form.pred = cbPred_->isChecked();
  form.rename = cbRename_->isChecked();
  form.keywords = cbUk_->isChecked();
  form.rubric = cbRubr_->isChecked();
  form.docText = cbDocText_->isChecked();
  form.move = cbMove_->currentIndex();
  form.type = cbType_->currentIndex();
  form.category = cbKat_->currentIndex();
  form.useYears = cbYears_->isChecked();
  form.yearFrom = std::to_string(edYearN_->value());
  form.yearTo = std::to_string(edYearK_->value());
  form.useSpecial = cbCpec_->isChecked();
  form.special = toCp1251(edCpec_->currentText());
  return form;
}

void AdvancedSearchDialog::clearConditions(bool heldOnly) {
  for (QCheckBox* box : {cbText_, cbTextReg_, cbYears_, cbCpec_}) box->setChecked(false);
  for (QComboBox* list : {cbMove_, cbType_, cbKat_}) list->setCurrentIndex(0);
  if (heldOnly && lastLevel_ <= 1) cbMove_->setCurrentIndex(1);
}

void AdvancedSearchDialog::showSearchError(const QString& message) {
  lbError_->setText(message);
  lbError_->show();
  if (!cbCpec_->isChecked()) return;
  edCpec_->setFocus();
  edCpec_->lineEdit()->selectAll();
}

QString AdvancedSearchDialog::searchError() const { return lbError_->isVisible() ? lbError_->text() : QString(); }

}  // namespace kestrin::search
