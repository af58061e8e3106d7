#include "app/gui/help_window.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/help_pages.h"

namespace kestrin::app {

namespace {

QString pageText(const QString& page) {
  QFile file(QString::fromLatin1(kHelpRoot) + page);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// The pages in the order the contents page names them, then any others.
QStringList contentsOrder() {
  QStringList order{QString::fromLatin1(kHelpContentsPage.data(), kHelpContentsPage.size())};
  static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
  for (auto it = link.globalMatch(pageText(order.front())); it.hasNext();) {
    const QString page = it.next().captured(1);
    if (!order.contains(page)) order << page;
  }
  for (const QString& page : helpPageNames()) {
    if (!order.contains(page)) order << page;
  }
  return order;
}

}  // namespace

QStringList helpPageNames() {
  return QDir(QString::fromLatin1(kHelpRoot)).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QString helpPageTitle(const QString& page) {
  static const QRegularExpression title(QStringLiteral("<title>(.*)</title>"));
  return title.match(pageText(page)).captured(1);
}

QStringList helpPagesHolding(const QString& words) {
  const QStringList wanted = words.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  QStringList found;
  if (wanted.isEmpty()) return found;
  for (const QString& page : contentsOrder()) {
    QTextDocument document;
    document.setHtml(pageText(page));
    const QString text = document.toPlainText();
    const bool holdsAll = std::all_of(wanted.begin(), wanted.end(), [&text](const QString& word) {
      return text.contains(word, Qt::CaseInsensitive);
    });
    if (holdsAll) found << page;
  }
  return found;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("fmHelp"));
  setWindowTitle(QStringLiteral("Справка Kestrin"));
  resize(820, 560);

  auto* side = new QWidget(this);
  auto* sideRows = new QVBoxLayout(side);
  sideRows->setContentsMargins(0, 0, 0, 0);
  sideRows->addWidget(new QLabel(QStringLiteral("Поиск по справке:"), side));
  search_ = new QLineEdit(side);
  search_->setObjectName(QStringLiteral("edHelpSearch"));
  search_->setClearButtonEnabled(true);
  search_->setPlaceholderText(QStringLiteral("слово и Enter"));
  sideRows->addWidget(search_);
  pages_ = new QListWidget(side);
  pages_->setObjectName(QStringLiteral("lbxHelpPages"));
  sideRows->addWidget(pages_, 1);

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("reHelp"));
  browser_->setSearchPaths({QString::fromLatin1(kHelpRoot)});
  browser_->setOpenExternalLinks(true);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(side);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 600});
  auto* rows = new QHBoxLayout(this);
  rows->setContentsMargins(4, 4, 4, 4);
  rows->addWidget(splitter);

  listPages(contentsOrder());
  connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::search);
  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (text.trimmed().isEmpty()) listPages(contentsOrder());
  });
  connect(pages_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
  connect(pages_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
}

void HelpWindow::listPages(const QStringList& pages) {
  pages_->clear();
  for (const QString& page : pages) {
    auto* item = new QListWidgetItem(helpPageTitle(page), pages_);
    item->setData(Qt::UserRole, page);
  }
}

void HelpWindow::search() {
  const QString words = search_->text().simplified();
  if (words.isEmpty()) return;
  const QStringList found = helpPagesHolding(words);
  listPages(found);
  if (found.isEmpty()) {
    pages_->addItem(QStringLiteral("Ничего не найдено."));
    return;
  }
  showPage(found.front());
  browser_->find(words.section(QLatin1Char(' '), 0, 0));  // the first place it is mentioned
}

void HelpWindow::showPage(const QString& page) {
  browser_->setSource(QUrl(page));
  show();
  raise();
  activateWindow();
}

QString HelpWindow::currentPage() const { return browser_->source().toString(); }

}  // namespace kestrin::app
