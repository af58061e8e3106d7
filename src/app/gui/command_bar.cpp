#include "app/gui/command_bar.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "browse/gui/qt_text.h"

namespace kestrin::app {

namespace {

const QColor kBarBackground(123, 162, 239);
const QColor kPanelBackground(215, 225, 250);
const QColor kHeaderEnd(200, 210, 250);
const QColor kLinkColour(32, 92, 192);
constexpr int kHeaderHeight = 24;

QFont tahoma(bool bold) {
  QFont font;
  // Tahoma where it is installed, else a face of about its width.
  font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("DejaVu Sans Condensed")});
  font.setPointSize(9);
  font.setBold(bold);
  return font;
}

class PanelHeader : public QWidget {
 public:
  PanelHeader(const QString& text, QWidget* parent) : QWidget(parent), text_(text) { setFixedHeight(kHeaderHeight); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QLinearGradient gradient(rect().topLeft(), rect().topRight());
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, kHeaderEnd);
    painter.fillRect(rect(), gradient);
    painter.setFont(tahoma(true));
    painter.setPen(kLinkColour);
    painter.drawText(rect().adjusted(8, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, text_);
  }

 private:
  QString text_;
};

// A link-style label that reports clicks.
class BarLabel : public QLabel {
 public:
  BarLabel(const BarItem& item, bool underlined, CommandBar* bar, QWidget* parent)
      : QLabel(browse::fromCp1251(item.caption), parent), item_(item), bar_(bar) {
    QFont font = tahoma(false);
    font.setUnderline(underlined);
    setFont(font);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, kLinkColour);
    setPalette(p);
    setCursor(Qt::PointingHandCursor);
    if (!item.hint.empty()) setToolTip(browse::fromCp1251(item.hint));
    setObjectName(QString::fromLatin1(item.name.data(), static_cast<qsizetype>(item.name.size())));
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      emit bar_->commandClicked(item_.command, item_.page);
    }
  }

 private:
  const BarItem& item_;
  CommandBar* bar_;
};

}  // namespace

CommandBar::CommandBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("XPInformationBar1"));
  setFixedWidth(kWidth);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 8, 8, 8);
  column->setSpacing(12);
  for (const auto& layout : commandBarPanels()) {
    auto* box = new QWidget(this);
    box->setObjectName(QString::fromLatin1(layout.name.data(), static_cast<qsizetype>(layout.name.size())));
    box->setAutoFillBackground(true);
    QPalette p = box->palette();
    p.setColor(QPalette::Window, kPanelBackground);
    box->setPalette(p);
    auto* lines = new QVBoxLayout(box);
    lines->setContentsMargins(0, 0, 0, 6);
    lines->setSpacing(3);
    lines->addWidget(new PanelHeader(browse::fromCp1251(layout.header), box));
    const bool underlined = layout.shownOnPage >= 0;  // the page labels of "Разделы" are not underlined
    for (const auto& item : layout.items) {
      auto* label = new BarLabel(item, underlined, this, box);
      label->setContentsMargins(10, 0, 2, 0);
      lines->addWidget(label);
      labels_.emplace(std::string(item.name), label);
    }
    column->addWidget(box);
    panels_.push_back({&layout, box});
  }
  column->addStretch(1);
  showPage(0);
}

void CommandBar::showPage(int page) {
  for (const auto& panel : panels_) {
    panel.widget->setVisible(panel.layout->shownOnPage < 0 || panel.layout->shownOnPage == page);
  }
  for (const auto& item : commandBarPanels().front().items) {
    QLabel* mode = label(item.name);
    mode->setText(browse::fromCp1251(modeLabelCaption(item, page)));
    QFont font = mode->font();
    font.setBold(item.page == page);
    mode->setFont(font);
  }
}

QLabel* CommandBar::label(std::string_view name) const {
  const auto it = labels_.find(name);
  return it == labels_.end() ? nullptr : it->second;
}

QWidget* CommandBar::panel(std::string_view name) const {
  for (const auto& panel : panels_) {
    if (panel.layout->name == name) return panel.widget;
  }
  return nullptr;
}

void CommandBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kBarBackground);
}

}  // namespace kestrin::app
