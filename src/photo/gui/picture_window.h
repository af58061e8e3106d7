// The picture window: one photo of the photo list fitted into the picture
// area, a status bar with its size and resolution, its place in the list,
// the zoom, the file's size and date, and the description as a tooltip. The
// window steps through the list, toggles a borderless full-screen view,
// grows and shrinks from the keypad, and fades to half opacity while it
// lies unfocused over the main window. It is made once and hidden on close.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <string>

#include "dbf/base/regional_settings.h"
#include "photo/jfif_density.h"

class QLabel;
class QPushButton;

namespace kestrin::photo {

class JpegLoader;
class PictureView;

class PictureWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kDesignWidth = 222;
  static constexpr int kDesignHeight = 296;

  // `onTop` keeps the window above the others (PicOnTop).
  explicit PictureWindow(bool onTop, QWidget* parent = nullptr);
  ~PictureWindow() override;

  // ShowPicture: loads `path` (Windows-1251) unless it is the one shown.
  // `row` of `rows` is its place in the photo list.
  void showPicture(const std::string& path, int row, int rows);
  // Panel 1 after the list's selection moved without a reload.
  void setPosition(int row, int rows);
  const std::string& picturePath() const { return path_; }

  // The window whose area makes an unfocused picture window fade.
  void setFadeReference(QWidget* window) { fadeReference_ = window; }
  void setRegional(const dbf::RegionalSettings& regional) { regional_ = regional; }

  QLabel* statusPanel(int index) const { return panels_[static_cast<std::size_t>(index)]; }
  PictureView* view() const { return view_; }
  JpegLoader* loader() const { return loader_; }
  bool fullScreenView() const { return isFullScreen(); }
  void toggleFullScreen();
  int fadeLevel() const { return fade_; }
  // One tick of the fading timer (tests call it directly).
  void fadeTick();

 signals:
  void stepRequested(bool forward);
  void helpRequested();
  // The window is closing (hidden): the placement is to be saved.
  void closing();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildControls();
  void setPanel(int index, const QString& text);
  void showZoom();
  void layOutButtons();
  void growFromKeypad();
  void shrinkFromKeypad();
  void onHeader(int load, int width, int height);
  void onProgress(int load, int percent);
  void onDecoded(int load, const QImage& image, int denominator);
  void onFailed(int load);

  PictureView* view_ = nullptr;
  QPushButton* prev_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* close_ = nullptr;
  QPushButton* help_ = nullptr;
  QWidget* statusBar_ = nullptr;
  std::array<QLabel*, 5> panels_{};
  JpegLoader* loader_ = nullptr;
  QWidget* fadeReference_ = nullptr;
  QTimer fadeTimer_;
  dbf::RegionalSettings regional_;
  std::string path_;
  QString caption_;
  JfifDensity density_;
  int load_ = 0;
  int fade_ = 255;
};

}  // namespace kestrin::photo
