#include "browse/gui/card_view.h"

#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <algorithm>

#include "browse/card/card_runs.h"
#include "browse/gui/qt_text.h"

namespace kestrin::browse {

namespace {

const QString kCardFamily = QStringLiteral("Arial");
const QColor kGrey(kGreyNote.red, kGreyNote.green, kGreyNote.blue);

int pointsOf(CardSize size, int baseSize) {
  switch (size) {
    case CardSize::Base:
      return baseSize;
    case CardSize::BasePlus2:
      return baseSize + 2;
    case CardSize::Ten:
      return 10;
  }
  return baseSize + 2;
}

QTextCharFormat lineFormat(const CardLine& line, int baseSize, const QColor& textColour) {
  QTextCharFormat format;
  format.setFontFamilies({kCardFamily});
  format.setFontPointSize(pointsOf(line.size, baseSize));
  format.setFontWeight(line.bold ? QFont::Bold : QFont::Normal);
  format.setForeground(line.colour == CardColor::Grey ? kGrey : textColour);
  return format;
}

void insertLine(QTextCursor& cursor, const CardLine& line, const QTextCharFormat& format) {
  for (const LineRun& run : lineRuns(line)) {
    QTextCharFormat runFormat = format;
    runFormat.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    if (run.highlight) runFormat.setForeground(QColor(run.highlight->red, run.highlight->green, run.highlight->blue));
    const auto text = std::string_view(line.text).substr(static_cast<std::size_t>(run.from),
                                                         static_cast<std::size_t>(run.to - run.from));
    cursor.insertText(fromCp1251(text), runFormat);
  }
}

}  // namespace

void showCard(QTextEdit& edit, const Card& card, int baseSize) {
  const int scrolled = edit.verticalScrollBar()->value();
  QFont font(kCardFamily);
  font.setPointSize(baseSize + 2);
  edit.setFont(font);
  const QColor textColour = edit.palette().color(QPalette::WindowText);

  edit.setUpdatesEnabled(false);
  QTextDocument* document = edit.document();
  document->setUndoRedoEnabled(false);
  document->clear();
  document->setDefaultFont(font);
  QTextCursor cursor(document);
  cursor.beginEditBlock();
  for (std::size_t i = 0; i < card.lines.size(); ++i) {
    const QTextCharFormat format = lineFormat(card.lines[i], baseSize, textColour);
    // The paragraph mark takes the line's format too: an empty line is as high as its size.
    if (i == 0) {
      cursor.setBlockCharFormat(format);
    } else {
      cursor.insertBlock(QTextBlockFormat(), format);
    }
    insertLine(cursor, card.lines[i], format);
  }
  cursor.endEditBlock();

  edit.setTextCursor(QTextCursor(document));
  edit.verticalScrollBar()->setValue(card.scrollToTop ? 0 : scrolled);
  edit.setUpdatesEnabled(true);
}

std::vector<StyledParagraph> styledSelection(const QTextCursor& selection, const QColor& textColour) {
  std::vector<StyledParagraph> paragraphs;
  const QTextDocument* document = selection.document();
  if (!document || !selection.hasSelection()) return paragraphs;
  const int from = selection.selectionStart();
  const int to = selection.selectionEnd();
  const int defaultPoints = document->defaultFont().pointSize();
  for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() <= to; block = block.next()) {
    StyledParagraph paragraph;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int start = std::max(from, fragment.position());
      const int end = std::min(to, fragment.position() + fragment.length());
      if (start >= end) continue;
      const QTextCharFormat format = fragment.charFormat();
      const QColor colour = format.foreground().style() == Qt::NoBrush ? textColour : format.foreground().color();
      const double points = format.fontPointSize();
      paragraph.push_back(
          StyledRun{toCp1251(fragment.text().mid(start - fragment.position(), end - start)),
                    format.fontWeight() >= QFont::Bold, points > 0 ? qRound(points) : defaultPoints,
                    Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                        static_cast<std::uint8_t>(colour.blue())}});
    }
    paragraphs.push_back(std::move(paragraph));
  }
  return paragraphs;
}

QMimeData* richTextMimeData(const QTextCursor& selection, const QColor& textColour) {
  auto* data = new QMimeData;
  const QTextDocumentFragment fragment(selection);
  data->setText(fragment.toPlainText());
  data->setHtml(fragment.toHtml());
  const QByteArray rtf = QByteArray::fromStdString(toRtf(styledSelection(selection, textColour)));
  // The name Linux word processors read, and the clipboard format Windows ones read.
  data->setData(QStringLiteral("text/rtf"), rtf);
#ifdef Q_OS_WIN
  data->setData(QStringLiteral("application/x-qt-windows-mime;value=\"Rich Text Format\""), rtf);
#endif
  return data;
}

}  // namespace kestrin::browse
