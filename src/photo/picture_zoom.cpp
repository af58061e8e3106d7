#include "photo/picture_zoom.h"

#include <algorithm>

namespace kestrin::photo {
namespace {

double clampedAxis(double start, int picture, int area, double zoom) {
  const double shown = area / zoom;  // picture pixels the area holds
  if (shown >= picture) return 0;
  return std::clamp(start, 0.0, picture - shown);
}

}  // namespace

double fitZoom(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0 || areaWidth <= 0 || areaHeight <= 0) return 0;
  return std::min(static_cast<double>(areaWidth) / pictureWidth, static_cast<double>(areaHeight) / pictureHeight);
}

ZoomView zoomedAround(ZoomView view, double zoom, double x, double y, int pictureWidth, int pictureHeight,
                      int areaWidth, int areaHeight) {
  const double fit = fitZoom(pictureWidth, pictureHeight, areaWidth, areaHeight);
  if (fit <= 0 || view.zoom <= 0) return view;
  zoom = std::clamp(zoom, std::min(fit, kMaxZoom), std::max(fit, kMaxZoom));
  const double pointX = view.left + x / view.zoom;
  const double pointY = view.top + y / view.zoom;
  ZoomView zoomed{zoom, pointX - x / zoom, pointY - y / zoom};
  return clampedPan(zoomed, pictureWidth, pictureHeight, areaWidth, areaHeight);
}

ZoomView clampedPan(ZoomView view, int pictureWidth, int pictureHeight, int areaWidth, int areaHeight) {
  if (view.zoom <= 0) return view;
  view.left = clampedAxis(view.left, pictureWidth, areaWidth, view.zoom);
  view.top = clampedAxis(view.top, pictureHeight, areaHeight, view.zoom);
  return view;
}

}  // namespace kestrin::photo
