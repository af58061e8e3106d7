// What the picture window tells about a photo besides the picture: the size
// panel with centimetres and dpi, the file size, the zoom and the tooltip.
// Texts in Windows-1251.
#pragma once

#include <optional>
#include <string>

#include "dbf/base/regional_settings.h"
#include "photo/jfif_density.h"

namespace kestrin::photo {

// Centimetres of `pixels` at `density` dots per `unit` (1 inch, 2 cm),
// rounded to whole millimetres: round(pixels × 25.4 / density) / 10 for
// inches, round(pixels × 10 / density) / 10 for centimetres.
double centimetres(int pixels, int density, int unit);

// Panel 0: "2480x3508 (21x29,7 см.) 300 dpi" for the normalised `density`.
std::string sizePanelText(int width, int height, const JfifDensity& density,
                          const dbf::RegionalSettings& regional = {});

// Panel 2: the integer percentage the picture is shown at, "н/д" without one.
std::string zoomPanelText(std::optional<int> percent);

// Panel 4: the file's last change as "dd.MM.yyyy hh:mm:ss" in the regional
// date format, "н/д" when it cannot be read.
std::string fileDatePanelText(const std::string& path, const dbf::RegionalSettings& regional = {});

// The tooltip: the path, and on a second line the description the
// descript.ion of its folder gives (letter case counting).
std::string tooltipText(const std::string& path);

// The zoom of a picture fitted into an area: min(area × 100 / picture) on both
// axes, integer division; nullopt for a picture without pixels.
std::optional<int> fitZoomPercent(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight);

}  // namespace kestrin::photo
