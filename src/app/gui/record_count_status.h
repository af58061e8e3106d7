// Status panel 1: the record count of the active page, as the rows a person
// can scroll to (deleted and filtered-out records are not counted). A list
// whose rows are all known at once gives its count at once; a list that must
// be walked (a record filter narrows it) shows its table's record count as an
// upper bound first and is walked on in short steps between events, so a
// large table never freezes the window, until the count is exact.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QLabel;

namespace kestrin::browse {
class CursorTableModel;
}

namespace kestrin::app {

class RecordCountStatus : public QObject {
  Q_OBJECT

 public:
  // Milliseconds of walking per step.
  static constexpr int kStepMilliseconds = 20;

  // `panel` must outlive this object.
  RecordCountStatus(QLabel* panel, QObject* parent);

  // Shows the count of `model`'s list (null for a page without one);
  // `countRecords` off shows the advice to switch counting on.
  void show(browse::CursorTableModel* model, bool countRecords);
  // Stops a count that is under way; the panel keeps its text.
  void stop();
  bool counting() const { return timer_.isActive(); }

 private:
  void step();

  QLabel* panel_;
  QPointer<browse::CursorTableModel> model_;
  QTimer timer_;
  QString countingText_;
};

}  // namespace kestrin::app
