// Decodes photos on a worker thread so that the window never waits for a
// large scan. Each load() supersedes the one before: the older decode stops
// at its next row and its results are dropped.
#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <string>

namespace kestrin::photo {

class JpegLoader : public QObject {
  Q_OBJECT

 public:
  explicit JpegLoader(QObject* parent = nullptr);
  ~JpegLoader() override;

  // Starts decoding `path` (Windows-1251) for an area of `area` pixels
  // showing it at `zoom` (0: fitted into the area), at the smallest DCT
  // scale that still fills it; returns the load's number, which the
  // signals carry.
  int load(const std::string& path, QSize area, double zoom = 0);
  // Drops the load in progress.
  void cancel();
  // Waits for the worker to finish what it does (tests).
  void waitForIdle() { pool_.waitForDone(); }

 signals:
  void headerRead(int load, int width, int height);
  void progress(int load, int percent);
  // `denominator` as asked; `image` holds the picture at that scale.
  void decoded(int load, const QImage& image, int denominator);
  void failed(int load, const QString& message);

 private:
  QThreadPool pool_;
  std::shared_ptr<std::atomic<int>> current_ = std::make_shared<std::atomic<int>>(0);
};

}  // namespace kestrin::photo
