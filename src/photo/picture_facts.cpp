#include "photo/picture_facts.h"

#include <cmath>
#include <ctime>

#include "archive/format/file_info.h"
#include "archive/format/numbers.h"
#include "dbf/base/civil_date.h"
#include "photo/descriptions.h"
#include "photo/photo_paths.h"
#include "text/cp1251_literal.h"

namespace kestrin::photo {
namespace {

using namespace text::literals;

void appendTwoDigits(std::string& out, int value) { dbf::appendPaddedNumber(out, value, 2); }

}  // namespace

double centimetres(int pixels, int density, int unit) {
  if (density <= 0) return 0;
  const double millimetres = unit == 2 ? pixels * 10.0 / density : pixels * 25.4 / density;
  return std::round(millimetres) / 10;
}

std::string sizePanelText(int width, int height, const JfifDensity& density, const dbf::RegionalSettings& regional) {
  std::string text = std::to_string(width) + "x" + std::to_string(height) + " (";
  text += archive::oneDecimalText(centimetres(width, density.horizontal, density.unit), regional);
  text += "x";
  text += archive::oneDecimalText(centimetres(height, density.vertical, density.unit), regional);
  text += " см.) "_cp1251;
  text += std::to_string(density.horizontal) + " dpi";
  return text;
}

std::string zoomPanelText(std::optional<int> percent) {
  return percent ? std::to_string(*percent) + "%" : std::string("н/д"_cp1251);
}

std::string fileDatePanelText(const std::string& path, const dbf::RegionalSettings& regional) {
  const auto written = archive::fileDate(fsPath(path));
  if (!written) return std::string("н/д"_cp1251);
  const std::time_t seconds = std::chrono::system_clock::to_time_t(*written);
  std::tm local{};
#ifdef _WIN32
  if (localtime_s(&local, &seconds) != 0) return std::string("н/д"_cp1251);
#else
  if (!localtime_r(&seconds, &local)) return std::string("н/д"_cp1251);
#endif
  std::string text;
  dbf::appendDisplayDate(text, {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                         dbf::displayDateFormat(regional.shortDateFormat));
  text += ' ';
  appendTwoDigits(text, local.tm_hour);
  text += ':';
  appendTwoDigits(text, local.tm_min);
  text += ':';
  appendTwoDigits(text, local.tm_sec);
  return text;
}

std::string tooltipText(const std::string& path) {
  const std::string descriptIon = readDescriptIon(std::string(folderOf(path)));
  if (descriptIon.empty()) return path;
  const std::string description = tooltipDescriptionIn(descriptIon, fileNameOf(path));
  return description.empty() ? path : path + "\n" + description;
}

std::optional<int> fitZoomPercent(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return std::nullopt;
  const long long byWidth = static_cast<long long>(areaWidth) * 100 / pictureWidth;
  const long long byHeight = static_cast<long long>(areaHeight) * 100 / pictureHeight;
  return static_cast<int>(std::max(0LL, std::min(byWidth, byHeight)));
}

}  // namespace kestrin::photo
