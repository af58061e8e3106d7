#include "app/gui/search_strip.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "app/window_geometry.h"

namespace kestrin::app {

namespace {

QLabel* link(const QString& text, QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text), parent);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  label->setCursor(Qt::PointingHandCursor);
  label->adjustSize();
  return label;
}

}  // namespace

SearchStrip::SearchStrip(QWidget* parent) : QWidget(parent) {
  setFixedHeight(kHeight);
  lbSearch_ = new QLabel(QStringLiteral("Поиск"), this);
  QFont bold = lbSearch_->font();
  bold.setBold(true);
  lbSearch_->setFont(bold);
  lbSearch_->adjustSize();
  lbSearch_->move(8, 2);

  edSearch_ = new QComboBox(this);
  edSearch_->setObjectName(QStringLiteral("edSearch"));
  edSearch_->setEditable(true);
  edSearch_->setInsertPolicy(QComboBox::NoInsert);
  edSearch_->setMaxCount(100);

  btSearch_ = new QPushButton(QStringLiteral("Найти!"), this);
  btSearch_->setObjectName(QStringLiteral("btSearch"));
  btSearch_->setDefault(true);
  // Two lines in the tooltip: the hint's "|" is a line break.
  btSearch_->setToolTip(QStringLiteral("Найти по заданному тексту или номеру|Держите Shift для ускорения поиска")
                            .replace(QLatin1Char('|'), QLatin1Char('\n')));
  btSearch_->resize(75, 25);
  pmSearch_ = new QMenu(btSearch_);
  pmSearch_->setObjectName(QStringLiteral("pmSearch"));
  // The same commands as the menu items of those names; they come with the quick search.
  for (const QString& text : {QStringLiteral("Найти!"), QStringLiteral("Ускоренный поиск"),
                              QStringLiteral("Расширенный поиск..."), QStringLiteral("Очистить")}) {
    pmSearch_->addAction(text)->setEnabled(false);
  }
  pmSearch_->setDefaultAction(pmSearch_->actions().front());
  pmmClear_ = pmSearch_->actions().back();
  pmmClear_->setObjectName(QStringLiteral("pmmClear"));
  btSearch_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(btSearch_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { pmSearch_->popup(btSearch_->mapToGlobal(at)); });

  lbClear_ = link(QStringLiteral("Очистить"), this);
  lbClear_->setObjectName(QStringLiteral("lbClear"));
  lbAdv_ = link(QStringLiteral("Расширенный"), this);
  lbAdv_->setObjectName(QStringLiteral("lbAdv"));
  lbAdv_->setToolTip(QStringLiteral("Расширенный поиск"));

  rbAll_ = new QRadioButton(QStringLiteral("Все слова"), this);
  rbAny_ = new QRadioButton(QStringLiteral("Одно из слов"), this);
  rbExact_ = new QRadioButton(QStringLiteral("Как есть"), this);
  rbNum_ = new QRadioButton(QStringLiteral("Номер"), this);
  rbNum_->setObjectName(QStringLiteral("rbNum"));
  rbExact_->setChecked(true);
  layOut(kMainWindowMinimumSize.width, kMainWindowMinimumSize.width);
}

void SearchStrip::setHistory(const QStringList& entries) {
  edSearch_->clear();
  edSearch_->addItems(entries);
  edSearch_->setCurrentIndex(-1);
  edSearch_->setEditText(QString());
}

QStringList SearchStrip::history() const {
  QStringList entries;
  for (int i = 0; i < edSearch_->count(); ++i) entries << edSearch_->itemText(i);
  return entries;
}

void SearchStrip::setSearchFontSize(int points) {
  QFont f = edSearch_->font();
  f.setPointSize(points);
  edSearch_->setFont(f);
  layOut(window()->width(), width());
}

void SearchStrip::layOut(int windowWidth, int clientWidth) {
  const int buttonLeft = searchButtonLeft(windowWidth, clientWidth, btSearch_->width());
  const int boxTop = 18;
  const int boxHeight = std::max(btSearch_->height() - 2, edSearch_->sizeHint().height());
  btSearch_->move(buttonLeft, boxTop + (boxHeight - btSearch_->height()) / 2);
  const int buttonRight = buttonLeft + btSearch_->width();
  lbClear_->move(buttonRight - lbClear_->width(), 1);
  lbAdv_->move(buttonRight - lbAdv_->width(), kHeight - lbAdv_->height() - 2);
  edSearch_->setGeometry(8, boxTop, std::max(20, buttonLeft - 8 - 4), boxHeight);

  int x = 8;
  const int rowTop = boxTop + boxHeight + 2;
  for (QRadioButton* mode : {rbAll_, rbAny_, rbExact_, rbNum_}) {
    mode->adjustSize();
    mode->move(x, rowTop);
    x += mode->width() + 6;
  }
}

}  // namespace kestrin::app
