// The photo page's list: one row per photo showing the file name without
// folder and extension, the full path (Windows-1251 in the core, a QString
// here) kept with the row; several rows selectable; a popup menu with
// "Открыть" (also the double click), "Открыть в Проводнике", "Копировать как
// текст" and "Копировать файлы", enabled when the list has rows.
#pragma once

#include <QObject>
#include <QStringList>
#include <string>
#include <vector>

class QAction;
class QListWidget;
class QMenu;

namespace kestrin::photo {

class PhotoList : public QObject {
  Q_OBJECT

 public:
  // Binds `list`, which must outlive this object.
  explicit PhotoList(QListWidget* list, QObject* parent = nullptr);

  QListWidget* widget() const { return list_; }
  QMenu* menu() const { return menu_; }

  // Replaces the rows by `paths` (Windows-1251).
  void setPaths(const std::vector<std::string>& paths);
  int count() const;
  // The path of `row` in Windows-1251.
  std::string pathAt(int row) const;
  // The full paths of the selected rows, in list order.
  QStringList selectedPaths() const;
  // Selects `row` alone and makes it current.
  void selectRow(int row);
  int currentRow() const;
  // The row `forward` or back from the current one, wrapping at the ends;
  // -1 for an empty list.
  int steppedRow(bool forward) const;

  void openSelected();
  void showSelectedInFileManager();
  void copySelectedAsText();
  void copySelectedFiles();

 signals:
  // A row was clicked (or chosen by the keyboard): show its picture.
  void photoChosen(int row);

 private:
  void popup(const QPoint& at);

  QListWidget* list_;
  QMenu* menu_;
  std::vector<QAction*> commands_;
};

}  // namespace kestrin::photo
