// The left command bar: a blue column with the "Разделы" panel and the
// command panel of the active level, each a gradient header over link labels.
#pragma once

#include <QLabel>
#include <QWidget>
#include <map>
#include <vector>

#include "app/frame/command_bar_items.h"

namespace kestrin::app {

class CommandBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 122;

  explicit CommandBar(QWidget* parent = nullptr);

  // Shows "Разделы" and the panel of `page` (none for pages 3 and above) and
  // marks the page's label in "Разделы".
  void showPage(int page);
  // A label by its component name (lbFond, lbOpisFondNum, ...), or null.
  QLabel* label(std::string_view name) const;
  QWidget* panel(std::string_view name) const;

 signals:
  void commandClicked(kestrin::app::BarCommand command, int page);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Panel {
    const BarPanel* layout;
    QWidget* widget;
  };
  std::vector<Panel> panels_;
  std::map<std::string, QLabel*, std::less<>> labels_;
};

}  // namespace kestrin::app
