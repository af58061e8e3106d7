// Zoom and pan of a picture in its area, without Qt. The view is the zoom
// (1.0 = one picture pixel per screen pixel) and the picture point shown at
// the area's top-left corner. Fitted, the picture is drawn from the top-left.
#pragma once

namespace kestrin::photo {

struct ZoomView {
  double zoom = 1.0;
  double left = 0;  // picture coordinates at the area's top-left corner
  double top = 0;
};

inline constexpr double kMaxZoom = 4.0;

// The zoom that fits the whole picture into the area; 0 without a picture.
double fitZoom(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight);

// `view` zoomed to `zoom` (kept between the fit zoom and kMaxZoom) so that
// the picture point under the area point (x, y) stays under it, then kept
// within the picture.
ZoomView zoomedAround(ZoomView view, double zoom, double x, double y, int pictureWidth, int pictureHeight,
                      int areaWidth, int areaHeight);

// `view` moved so that the area shows no more outside the picture than it
// must: an axis the picture does not fill starts at 0.
ZoomView clampedPan(ZoomView view, int pictureWidth, int pictureHeight, int areaWidth, int areaHeight);

}  // namespace kestrin::photo
