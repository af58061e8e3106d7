// The picture area of the picture window: the photo fitted into the area
// and drawn from its top-left corner, or zoomed (wheel, "*", middle click)
// around the pointer up to 400 % and panned by dragging. The image may be a
// reduced decode of the photo; the view draws it at the photo's full size.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <optional>

#include "photo/picture_zoom.h"

namespace kestrin::photo {

class PictureView : public QWidget {
  Q_OBJECT

 public:
  explicit PictureView(QWidget* parent = nullptr);

  // The photo's full size; the picture is shown fitted. A zero size empties
  // the area.
  void setPictureSize(int width, int height);
  // The decoded pixels of the photo at 1/`denominator` of its size.
  void setImage(const QImage& image, int denominator);
  void clear();
  const QImage& image() const { return image_; }

  // The zoom in effect as a whole percentage, nullopt without a picture.
  std::optional<int> zoomPercent() const;
  bool fitted() const { return fitted_; }
  void showFitted();
  // 100 % around the area's centre.
  void showActualSize();
  // Zooms by `factor` keeping the picture point under `at` in place.
  void zoomBy(double factor, QPointF at);
  // The picture point (full-size coordinates) under an area point.
  QPointF pictureAt(QPointF areaPoint) const;
  // Moves a zoomed picture by an area distance.
  void panBy(QPointF distance);

 signals:
  void zoomChanged();
  // The zoom now in effect needs a decode finer than the image's.
  void finerImageNeeded(int denominator);
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void applyView(ZoomView view);
  void checkDenominator();

  QImage image_;
  int denominator_ = 1;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  bool fitted_ = true;
  ZoomView view_;
  std::optional<QPointF> dragFrom_;
};

}  // namespace kestrin::photo
