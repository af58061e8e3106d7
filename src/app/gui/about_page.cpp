#include "app/gui/about_page.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QUrl>

namespace kestrin::app {

namespace {

// A link to a file or folder with the popup "Открыть" / "Копировать".
QLabel* pathLink(const QString& hint, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setToolTip(hint);
  label->setCursor(Qt::PointingHandCursor);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  label->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(label, &QLabel::linkActivated, label,
                   [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
  QObject::connect(label, &QWidget::customContextMenuRequested, label, [label](const QPoint& at) {
    const QString path = label->property("path").toString();
    QMenu menu(label);
    menu.addAction(QStringLiteral("Открыть"), label, [path] { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
    menu.addAction(QStringLiteral("Копировать"), label, [path] { QApplication::clipboard()->setText(path); });
    menu.exec(label->mapToGlobal(at));
  });
  return label;
}

void setPath(QLabel* link, const QString& path) {
  link->setProperty("path", path);
  link->setText(
      QStringLiteral("<a href=\"%1\">%2</a>").arg(path.toHtmlEscaped(), withUpperDriveLetter(path).toHtmlEscaped()));
}

}  // namespace

QString withUpperDriveLetter(const QString& path) {
  if (path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter()) {
    return path.at(0).toUpper() + path.mid(1);
  }
  return path;
}

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(16, 16, 16, 16);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(10);

  auto* descr = new QLabel(QStringLiteral("Быстрый просмотр и удобный поиск в Архивном Фонде."), this);
  descr->setObjectName(QStringLiteral("lbAppDescr"));
  QFont big = descr->font();
  big.setBold(true);
  descr->setFont(big);
  grid->addWidget(descr, 0, 0, 1, 2);

  grid->addWidget(new QLabel(QStringLiteral("Файл настроек:"), this), 1, 0);
  lbhIniFileName_ = pathLink(QStringLiteral("Открыть файл настроек"), this);
  lbhIniFileName_->setObjectName(QStringLiteral("lbhIniFileName"));
  grid->addWidget(lbhIniFileName_, 1, 1);

  grid->addWidget(new QLabel(QStringLiteral("Папка программы:"), this), 2, 0);
  lbhPath_ = pathLink(QStringLiteral("Открыть папку программы"), this);
  lbhPath_->setObjectName(QStringLiteral("lbhPath"));
  grid->addWidget(lbhPath_, 2, 1);

  btHelp_ = new QPushButton(QStringLiteral("Справка"), this);
  btHelp_->setObjectName(QStringLiteral("btHelp"));
  btHelp_->setEnabled(false);  // the help file is not part of the program
  grid->addWidget(btHelp_, 3, 0, Qt::AlignLeft);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(4, 1);
}

void AboutPage::fill(const QString& settingsFile, const QString& programFolder) {
  setPath(lbhIniFileName_, settingsFile);
  setPath(lbhPath_, programFolder);
}

}  // namespace kestrin::app
