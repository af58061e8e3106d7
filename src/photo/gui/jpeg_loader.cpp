#include "photo/gui/jpeg_loader.h"

#include <QMetaObject>

#include "photo/jpeg_decoder.h"
#include "photo/picture_header.h"
#include "photo/picture_zoom.h"

namespace kestrin::photo {

JpegLoader::JpegLoader(QObject* parent) : QObject(parent) { pool_.setMaxThreadCount(1); }

JpegLoader::~JpegLoader() {
  cancel();
  pool_.waitForDone();
}

void JpegLoader::cancel() { ++*current_; }

int JpegLoader::load(const std::string& path, QSize area, double zoom) {
  const int number = ++*current_;
  std::shared_ptr<std::atomic<int>> current = current_;
  pool_.start([this, current, number, path, area, zoom] {
    const auto stale = [&] { return current->load() != number; };
    // Signals from the worker reach the window through its event loop.
    const auto post = [this](auto call) { QMetaObject::invokeMethod(this, call, Qt::QueuedConnection); };
    std::string bytes;
    if (stale()) return;
    if (!readFileBytes(path, bytes)) {
      post([this, number] { emit failed(number, QStringLiteral("Файл не читается")); });
      return;
    }
    const JpegDecodeResult header = readJpegHeader(bytes);
    if (stale()) return;
    if (!header.ok) {
      const QString message = QString::fromLocal8Bit(header.error.c_str());
      post([this, number, message] { emit failed(number, message); });
      return;
    }
    post([this, number, header] { emit headerRead(number, header.full.width, header.full.height); });
    const double shownAt =
        zoom > 0 ? zoom : fitZoom(header.full.width, header.full.height, area.width(), area.height());
    const int denominator = shownAt > 0 ? dctScaleDenominator(shownAt) : 1;
    QImage image;
    int lastPercent = -1;
    JpegDecodeTarget target;
    target.allocate = [&image](JpegSize size, std::size_t stride) -> unsigned char* {
      image = QImage(size.width, size.height, QImage::Format_RGB32);
      if (image.isNull() || static_cast<std::size_t>(image.bytesPerLine()) != stride) return nullptr;
      return image.bits();
    };
    target.progress = [&](int percent) {
      if (stale()) return false;
      if (percent / 10 != lastPercent / 10) {
        lastPercent = percent;
        post([this, number, percent] { emit progress(number, percent); });
      }
      return true;
    };
    const JpegDecodeResult result = decodeJpeg(bytes, denominator, target);
    if (stale() || result.cancelled) return;
    if (!result.ok) {
      const QString message = QString::fromLocal8Bit(result.error.c_str());
      post([this, number, message] { emit failed(number, message); });
      return;
    }
    post([this, number, image, denominator] { emit decoded(number, image, denominator); });
  });
  return number;
}

}  // namespace kestrin::photo
