#include "photo/gui/photo_list.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>

#include "photo/gui/photo_clipboard.h"
#include "photo/gui/photo_shell.h"
#include "photo/photo_paths.h"
#include "text/cp1251_utf8.h"

namespace kestrin::photo {
namespace {

constexpr int kPathRole = Qt::UserRole + 1;

QString fromCp1251(std::string_view text) { return QString::fromStdString(text::cp1251ToUtf8(text)); }

}  // namespace

PhotoList::PhotoList(QListWidget* list, QObject* parent) : QObject(parent), list_(list), menu_(new QMenu(list)) {
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  menu_->setObjectName(QStringLiteral("pmPhoto"));
  const auto add = [this](const char* name, const QString& text, void (PhotoList::*command)()) {
    QAction* action = menu_->addAction(text, this, command);
    action->setObjectName(QLatin1String(name));
    commands_.push_back(action);
    return action;
  };
  menu_->setDefaultAction(add("pmmOpenFile", QStringLiteral("Открыть"), &PhotoList::openSelected));
  add("pmmOpenInShell", QStringLiteral("Открыть в Проводнике"), &PhotoList::showSelectedInFileManager);
  menu_->addSeparator();
  add("pmmCopyText", QStringLiteral("Копировать как текст"), &PhotoList::copySelectedAsText);
  add("pmmCopyFiles", QStringLiteral("Копировать файлы"), &PhotoList::copySelectedFiles);
  connect(list_, &QWidget::customContextMenuRequested, this, &PhotoList::popup);
  connect(list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit photoChosen(list_->row(item)); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { openSelected(); });
}

void PhotoList::setPaths(const std::vector<std::string>& paths) {
  list_->clear();
  for (const std::string& path : paths) {
    auto* item = new QListWidgetItem(fromCp1251(baseNameOf(path)));
    item->setData(kPathRole, fromCp1251(path));
    list_->addItem(item);
  }
}

int PhotoList::count() const { return list_->count(); }

std::string PhotoList::pathAt(int row) const {
  const QListWidgetItem* item = list_->item(row);
  return item ? text::utf8ToCp1251(item->data(kPathRole).toString().toStdString()) : std::string();
}

QStringList PhotoList::selectedPaths() const {
  QStringList paths;
  for (int row = 0; row < list_->count(); ++row) {
    if (list_->item(row)->isSelected()) paths.append(list_->item(row)->data(kPathRole).toString());
  }
  return paths;
}

void PhotoList::selectRow(int row) {
  if (row < 0 || row >= list_->count()) return;
  list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

int PhotoList::currentRow() const { return list_->currentRow(); }

int PhotoList::steppedRow(bool forward) const {
  const int rows = list_->count();
  if (rows == 0) return -1;
  const int row = std::max(0, list_->currentRow());
  return forward ? (row + 1) % rows : (row + rows - 1) % rows;
}

void PhotoList::openSelected() {
  for (const QString& path : selectedPaths()) openInDefaultProgram(path);
}

void PhotoList::showSelectedInFileManager() {
  const QStringList paths = selectedPaths();
  if (!paths.isEmpty()) showInFileManager(paths.first());
}

void PhotoList::copySelectedAsText() { QApplication::clipboard()->setText(pathsAsText(selectedPaths())); }

void PhotoList::copySelectedFiles() { QApplication::clipboard()->setMimeData(filesMimeData(selectedPaths())); }

void PhotoList::popup(const QPoint& at) {
  for (QAction* action : commands_) action->setEnabled(list_->count() > 0);
  menu_->popup(list_->viewport()->mapToGlobal(at));
}

}  // namespace kestrin::photo
