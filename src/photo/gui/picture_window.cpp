#include "photo/gui/picture_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "archive/format/file_info.h"
#include "photo/gui/jpeg_loader.h"
#include "photo/gui/picture_view.h"
#include "photo/jfif_density.h"
#include "photo/photo_paths.h"
#include "photo/picture_facts.h"
#include "text/cp1251_utf8.h"

namespace kestrin::photo {
namespace {

QString fromCp1251(std::string_view text) { return QString::fromStdString(text::cp1251ToUtf8(text)); }

constexpr int kFadeStep = 10;
constexpr int kFadeFloor = 128;
constexpr int kFadeMargin = 20;

}  // namespace

PictureWindow::PictureWindow(bool onTop, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("fmPic"));
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  setMinimumSize(kDesignWidth, kDesignHeight);
  resize(kDesignWidth, kDesignHeight);
  buildControls();
  loader_ = new JpegLoader(this);
  connect(loader_, &JpegLoader::headerRead, this, &PictureWindow::onHeader);
  connect(loader_, &JpegLoader::progress, this, &PictureWindow::onProgress);
  connect(loader_, &JpegLoader::decoded, this, &PictureWindow::onDecoded);
  connect(loader_, &JpegLoader::failed, this, [this](int load, const QString&) { onFailed(load); });
  fadeTimer_.setInterval(300);
  connect(&fadeTimer_, &QTimer::timeout, this, &PictureWindow::fadeTick);
  fadeTimer_.start();
}

PictureWindow::~PictureWindow() = default;

void PictureWindow::buildControls() {
  view_ = new PictureView(this);
  view_->setObjectName(QStringLiteral("imgPhoto"));
  const auto button = [this](const char* name, const QString& text, const QString& hint) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);  // the keys are the window's
    return b;
  };
  prev_ = button("sbtPrev", QStringLiteral("<< Предыдущий"), QStringLiteral("Предыдущая картинка"));
  next_ = button("sbtNext", QStringLiteral("Следующий >>"), QStringLiteral("Следующая картинка"));
  close_ = button("sbtClose", QStringLiteral("Закрыть"), QStringLiteral("Закрыть окно картинки"));
  help_ = button("sbtHelp", QStringLiteral("Справка"), QStringLiteral("Справка по окну изображения"));
  connect(prev_, &QPushButton::clicked, this, [this] { emit stepRequested(false); });
  connect(next_, &QPushButton::clicked, this, [this] { emit stepRequested(true); });
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  connect(help_, &QPushButton::clicked, this, &PictureWindow::helpRequested);
  connect(view_, &PictureView::doubleClicked, this, &PictureWindow::toggleFullScreen);
  connect(view_, &PictureView::zoomChanged, this, &PictureWindow::showZoom);
  connect(view_, &PictureView::finerImageNeeded, this, [this] {
    if (path_.empty()) return;
    const double zoom = view_->fitted() ? 0 : view_->zoomPercent().value_or(100) / 100.0;
    load_ = loader_->load(path_, view_->size(), zoom);
  });

  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(4, 2, 4, 2);
  buttons->addWidget(prev_);
  buttons->addWidget(next_);
  buttons->addStretch(1);
  buttons->addWidget(close_);
  buttons->addWidget(help_);

  // Panels side by side, each as wide as its text: those the window is too
  // narrow for are cut at its right edge rather than squeezed.
  statusBar_ = new QWidget(this);
  statusBar_->setObjectName(QStringLiteral("StatusBar1"));
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    panels_[i] = new QLabel(statusBar_);
    panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panels_[i]->setFrameShape(QFrame::StyledPanel);
    panels_[i]->setFrameShadow(QFrame::Sunken);
  }
  statusBar_->setFixedHeight(panels_[0]->sizeHint().height() + 2);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
  layout->addWidget(statusBar_);
  view_->setFocus(Qt::OtherFocusReason);
}

void PictureWindow::setPanel(int index, const QString& text) {
  QLabel* panel = panels_[static_cast<std::size_t>(index)];
  panel->setText(text);
  int left = 0;
  for (QLabel* each : panels_) {
    const int width = each->fontMetrics().horizontalAdvance(each->text()) + 16;
    each->setGeometry(left, 1, width, statusBar_->height() - 2);
    left += width;
  }
}

void PictureWindow::showPicture(const std::string& path, int row, int rows) {
  setPosition(row, rows);
  if (path == path_) return;
  setPanel(3, fromCp1251(archive::fileSizeText(fsPath(path), regional_)));
  setPanel(4, fromCp1251(fileDatePanelText(path, regional_)));
  density_ = normalisedDensity(readJfifDensity(path));
  setPanel(0, fromCp1251(sizePanelText(0, 0, density_, regional_)));
  path_ = path;
  view_->clear();
  caption_ = fromCp1251(baseNameOf(path));
  setWindowTitle(caption_);
  view_->setToolTip(fromCp1251(tooltipText(path)));
  load_ = loader_->load(path, view_->size());
  showZoom();
}

void PictureWindow::setPosition(int row, int rows) { setPanel(1, QStringLiteral("%1/%2").arg(row + 1).arg(rows)); }

void PictureWindow::onHeader(int load, int width, int height) {
  if (load != load_ || (view_->image().isNull() == false)) return;
  setPanel(0, fromCp1251(sizePanelText(width, height, density_, regional_)));
  view_->setPictureSize(width, height);
}

void PictureWindow::onProgress(int load, int percent) {
  if (load != load_ || percent >= 100) return;
  setWindowTitle(QStringLiteral("Загрузка %1%").arg(percent));
}

void PictureWindow::onDecoded(int load, const QImage& image, int denominator) {
  if (load != load_) return;
  view_->setImage(image, denominator);
  setWindowTitle(caption_);
  showZoom();
}

void PictureWindow::onFailed(int load) {
  if (load != load_) return;
  view_->clear();
  setWindowTitle(caption_);
  showZoom();
}

void PictureWindow::showZoom() {
  const bool shown = !view_->image().isNull();
  setPanel(2, fromCp1251(zoomPanelText(shown ? view_->zoomPercent() : std::nullopt)));
}

void PictureWindow::toggleFullScreen() {
  if (isFullScreen()) {
    showNormal();
  } else {
    showFullScreen();
  }
}

void PictureWindow::layOutButtons() {
  const bool normal = !isFullScreen() && !isMaximized();
  statusBar_->setVisible(normal);
  prev_->setVisible(normal);
  next_->setVisible(normal);
  const int needed = prev_->sizeHint().width() + next_->sizeHint().width() + close_->sizeHint().width() +
                     help_->sizeHint().width() + 16;
  close_->setVisible(normal && needed <= width());
  help_->setVisible(normal && needed <= width());
}

void PictureWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layOutButtons();
}

void PictureWindow::growFromKeypad() {
  if (isFullScreen() || isMaximized()) return;
  const QRect screen = this->screen() ? this->screen()->geometry() : QRect(0, 0, 1024, 768);
  QSize size = this->size();
  if (size.width() < screen.width() + 10) size.rwidth() += 10;
  if (size.height() < screen.height() + 10) size.rheight() += 10;
  resize(size);
  const QRect frame = frameGeometry();
  if (frame.right() > screen.width() - 40 || frame.bottom() > screen.height() - 40) showFullScreen();
}

void PictureWindow::shrinkFromKeypad() {
  if (isFullScreen()) {
    showNormal();
    return;
  }
  resize(std::max(minimumWidth(), width() - 10), std::max(minimumHeight(), height() - 10));
}

void PictureWindow::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
  switch (event->key()) {
    case Qt::Key_Escape:
      if (mods == Qt::NoModifier) close();
      return;
    case Qt::Key_Right:
    case Qt::Key_Down:
      emit stepRequested(true);
      return;
    case Qt::Key_Left:
    case Qt::Key_Up:
      emit stepRequested(false);
      return;
    case Qt::Key_Space:
      if (mods == Qt::NoModifier) emit stepRequested(true);
      return;
    case Qt::Key_Backspace:
      if (mods == Qt::NoModifier) emit stepRequested(false);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      toggleFullScreen();
      return;
    case Qt::Key_Plus:
      if (keypad) growFromKeypad();
      return;
    case Qt::Key_Minus:
      if (keypad) shrinkFromKeypad();
      return;
    case Qt::Key_Asterisk:
      view_->showActualSize();
      return;
    case Qt::Key_Slash:
      view_->showFitted();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void PictureWindow::closeEvent(QCloseEvent* event) {
  if (isFullScreen() || isMaximized()) showNormal();
  emit closing();
  event->accept();
}

void PictureWindow::fadeTick() {
  if (!isVisible()) return;
  if (isActiveWindow()) {
    if (fade_ != 255) {
      fade_ = 255;
      setWindowOpacity(1.0);
    }
    return;
  }
  if (!fadeReference_ || x() >= fadeReference_->frameGeometry().right() - kFadeMargin) return;
  if (fade_ > kFadeFloor) fade_ -= kFadeStep;
  setWindowOpacity(fade_ / 255.0);
}

}  // namespace kestrin::photo
