#include "app/gui/record_count_status.h"

#include <QElapsedTimer>
#include <QLabel>

#include "app/frame/level_pages.h"
#include "browse/gui/cursor_table_model.h"
#include "browse/gui/qt_text.h"

namespace kestrin::app {

using browse::fromCp1251;

RecordCountStatus::RecordCountStatus(QLabel* panel, QObject* parent) : QObject(parent), panel_(panel) {
  timer_.setInterval(0);
  connect(&timer_, &QTimer::timeout, this, &RecordCountStatus::step);
}

void RecordCountStatus::stop() {
  timer_.stop();
  model_ = nullptr;
}

void RecordCountStatus::show(browse::CursorTableModel* model, bool countRecords) {
  stop();
  if (!countRecords || !model || !model->cursor().active()) {
    panel_->setText(fromCp1251(recordCountText(countRecords, 0)));
    return;
  }
  if (model->allRowsKnown()) {
    panel_->setText(fromCp1251(recordCountText(true, model->rowCount())));
    return;
  }
  model_ = model;
  countingText_ = fromCp1251(countingRecordsText(model->cursor().table().recordCount()));
  panel_->setText(countingText_);
  timer_.start();
}

void RecordCountStatus::step() {
  // Another text in the panel (a failure, a search result) ends the count:
  // it is not written over.
  if (!model_ || panel_->text() != countingText_) {
    stop();
    return;
  }
  QElapsedTimer clock;
  clock.start();
  const QModelIndex root;
  while (model_->canFetchMore(root) && clock.elapsed() < kStepMilliseconds) model_->fetchMore(root);
  if (panel_->text() != countingText_) {
    stop();  // walking met a fault, and said so there
    return;
  }
  if (!model_->allRowsKnown()) return;
  panel_->setText(fromCp1251(recordCountText(true, model_->rowCount())));
  stop();
}

}  // namespace kestrin::app
