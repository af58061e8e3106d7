#include "photo/gui/picture_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "photo/jpeg_decoder.h"

namespace kestrin::photo {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureView::setPictureSize(int width, int height) {
  pictureWidth_ = width;
  pictureHeight_ = height;
  image_ = QImage();
  denominator_ = 1;
  showFitted();
}

void PictureView::setImage(const QImage& image, int denominator) {
  image_ = image;
  denominator_ = denominator;
  update();
}

void PictureView::clear() { setPictureSize(0, 0); }

std::optional<int> PictureView::zoomPercent() const {
  if (pictureWidth_ <= 0 || pictureHeight_ <= 0) return std::nullopt;
  if (fitted_) {
    // The window's own rule: integer division on both axes.
    return static_cast<int>(std::min(static_cast<long long>(width()) * 100 / pictureWidth_,
                                     static_cast<long long>(height()) * 100 / pictureHeight_));
  }
  return static_cast<int>(std::lround(view_.zoom * 100));
}

void PictureView::showFitted() {
  fitted_ = true;
  view_ = {fitZoom(pictureWidth_, pictureHeight_, width(), height()), 0, 0};
  checkDenominator();
  update();
  emit zoomChanged();
}

void PictureView::showActualSize() {
  if (pictureWidth_ <= 0) return;
  zoomBy(1.0 / (view_.zoom > 0 ? view_.zoom : 1.0), QPointF(width() / 2.0, height() / 2.0));
}

void PictureView::zoomBy(double factor, QPointF at) {
  if (pictureWidth_ <= 0 || view_.zoom <= 0) return;
  const ZoomView zoomed =
      zoomedAround(view_, view_.zoom * factor, at.x(), at.y(), pictureWidth_, pictureHeight_, width(), height());
  const double fit = fitZoom(pictureWidth_, pictureHeight_, width(), height());
  fitted_ = zoomed.zoom <= fit;
  applyView(fitted_ ? ZoomView{fit, 0, 0} : zoomed);
}

QPointF PictureView::pictureAt(QPointF areaPoint) const {
  if (view_.zoom <= 0) return {};
  return {view_.left + areaPoint.x() / view_.zoom, view_.top + areaPoint.y() / view_.zoom};
}

void PictureView::panBy(QPointF distance) {
  if (fitted_ || view_.zoom <= 0) return;
  ZoomView moved = view_;
  moved.left -= distance.x() / view_.zoom;
  moved.top -= distance.y() / view_.zoom;
  applyView(clampedPan(moved, pictureWidth_, pictureHeight_, width(), height()));
}

void PictureView::applyView(ZoomView view) {
  view_ = view;
  checkDenominator();
  update();
  emit zoomChanged();
}

void PictureView::checkDenominator() {
  if (image_.isNull() || view_.zoom <= 0) return;
  const int wanted = dctScaleDenominator(view_.zoom);
  if (wanted < denominator_) emit finerImageNeeded(wanted);
}

void PictureView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (image_.isNull() || view_.zoom <= 0) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, view_.zoom < 1.0);
  // The whole picture in area coordinates; the painter clips what lies outside.
  const QRectF target(-view_.left * view_.zoom, -view_.top * view_.zoom, pictureWidth_ * view_.zoom,
                      pictureHeight_ * view_.zoom);
  painter.drawImage(target, image_, QRectF(image_.rect()));
}

void PictureView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (fitted_) {
    showFitted();
  } else {
    applyView(clampedPan(view_, pictureWidth_, pictureHeight_, width(), height()));
  }
}

void PictureView::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y() / 120;
  if (steps == 0 || pictureWidth_ <= 0) return;
  zoomBy(std::pow(1.25, steps), event->position());
  event->accept();
}

void PictureView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    if (fitted_) {
      zoomBy(1.0 / view_.zoom, event->position());
    } else {
      showFitted();
    }
    return;
  }
  if (event->button() == Qt::LeftButton && !fitted_) {
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
  }
  QWidget::mousePressEvent(event);
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
  if (dragFrom_) {
    panBy(event->position() - *dragFrom_);
    dragFrom_ = event->position();
  }
  QWidget::mouseMoveEvent(event);
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
  if (dragFrom_) {
    dragFrom_.reset();
    unsetCursor();
  }
  QWidget::mouseReleaseEvent(event);
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace kestrin::photo
