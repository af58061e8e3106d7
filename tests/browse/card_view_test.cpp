// The card in a rich-text control: what Qt's item views report for a double
// click (the double-click flags rely on it), the attributes each line and
// run gets, the caret and scroll position, and the selection as rich text.
#include "browse/gui/card_view.h"

#include <gtest/gtest.h>

#include <QMimeData>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "support/cp1251_test_text.h"

namespace kestrin::browse {
namespace {

using kestrin::testing::cp;

TEST(ItemViewDoubleClickTest, ClickComesBeforeTheDoubleClickAndNoneAfter) {
  QStandardItemModel model(3, 2);
  QTableView view;
  view.setModel(&model);
  view.setEditTriggers(QAbstractItemView::NoEditTriggers);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  QStringList reported;
  QObject::connect(&view, &QAbstractItemView::clicked, [&] { reported << QStringLiteral("clicked"); });
  QObject::connect(&view, &QAbstractItemView::doubleClicked, [&] { reported << QStringLiteral("doubleClicked"); });
  // What a window system delivers for a double click.
  const QPoint at = view.visualRect(model.index(1, 1)).center();
  QWidget* viewport = view.viewport();
  QTest::mousePress(viewport, Qt::LeftButton, {}, at);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
  QTest::mousePress(viewport, Qt::LeftButton, {}, at);
  QMouseEvent second(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(viewport, &second);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
  EXPECT_EQ(reported, (QStringList{QStringLiteral("clicked"), QStringLiteral("doubleClicked")}));
}

class CardViewTest : public ::testing::Test {
 protected:
  static constexpr int kBase = 10;

  CardViewTest() { edit_.resize(300, 120); }

  // The format of the character at `offset` of block `line`.
  QTextCharFormat formatAt(int line, int offset) {
    QTextCursor cursor(edit_.document()->findBlockByNumber(line));
    cursor.setPosition(cursor.position() + offset + 1);
    return cursor.charFormat();
  }

  static Card sample() {
    Card card;
    card.lines.push_back({cp("Ф.12."), true, CardSize::BasePlus2, CardColor::Text, {}});
    card.lines.push_back({cp("Москва и Тверь"),
                          false,
                          CardSize::Ten,
                          CardColor::Text,
                          {{0, 6, kHighlightColours[0]}, {9, 14, kHighlightColours[1]}}});
    card.lines.push_back({"", false, CardSize::Base, CardColor::Text, {}});
    card.lines.push_back({cp("отсутствует."), false, CardSize::Base, CardColor::Grey, {}});
    return card;
  }

  QTextEdit edit_;
};

TEST_F(CardViewTest, LinesWithTheirAttributes) {
  showCard(edit_, sample(), kBase);
  EXPECT_EQ(edit_.toPlainText(), QStringLiteral("Ф.12.\nМосква и Тверь\n\nотсутствует."));
  EXPECT_EQ(edit_.font().family(), QStringLiteral("Arial"));
  EXPECT_EQ(edit_.font().pointSize(), kBase + 2);
  const QColor text = edit_.palette().color(QPalette::WindowText);

  const QTextCharFormat header = formatAt(0, 0);
  EXPECT_EQ(header.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
  EXPECT_EQ(header.fontPointSize(), kBase + 2);
  EXPECT_EQ(header.fontWeight(), QFont::Bold);
  EXPECT_EQ(header.foreground().color(), text);

  const QTextCharFormat moscow = formatAt(1, 2);
  EXPECT_EQ(moscow.fontPointSize(), 10);
  EXPECT_EQ(moscow.fontWeight(), QFont::Bold);
  EXPECT_EQ(moscow.foreground().color(), QColor(0, 0, 255));
  const QTextCharFormat between = formatAt(1, 7);
  EXPECT_EQ(between.fontWeight(), QFont::Normal);
  EXPECT_EQ(between.foreground().color(), text);
  EXPECT_EQ(formatAt(1, 10).foreground().color(), QColor(0, 128, 0));

  // The empty line is as high as its own size.
  EXPECT_EQ(edit_.document()->findBlockByNumber(2).charFormat().fontPointSize(), kBase);
  const QTextCharFormat note = formatAt(3, 0);
  EXPECT_EQ(note.fontPointSize(), kBase);
  EXPECT_EQ(note.foreground().color(), QColor(128, 128, 128));
}

TEST_F(CardViewTest, EachCardReplacesTheLastOneWithTheCaretAtTheStart) {
  showCard(edit_, sample(), kBase);
  edit_.moveCursor(QTextCursor::End);
  Card other;
  other.lines.push_back({"1", false, CardSize::Base, CardColor::Text, {}});
  showCard(edit_, other, 8);
  EXPECT_EQ(edit_.toPlainText(), QStringLiteral("1"));
  EXPECT_EQ(edit_.textCursor().position(), 0);
  EXPECT_EQ(edit_.font().pointSize(), 10);
  EXPECT_FALSE(edit_.document()->isUndoAvailable());
}

TEST_F(CardViewTest, ScrollsToTheTopUnlessTheCardKeepsItsPlace) {
  Card tall;
  for (int i = 0; i < 60; ++i) tall.lines.push_back({std::to_string(i), false, CardSize::Base, CardColor::Text, {}});
  edit_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit_));
  showCard(edit_, tall, kBase);
  QApplication::processEvents();
  QScrollBar* bar = edit_.verticalScrollBar();
  ASSERT_GT(bar->maximum(), 40);
  bar->setValue(40);
  tall.scrollToTop = false;
  showCard(edit_, tall, kBase);
  EXPECT_EQ(bar->value(), 40);
  tall.scrollToTop = true;
  showCard(edit_, tall, kBase);
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(CardViewTest, SelectionAsStyledParagraphs) {
  showCard(edit_, sample(), kBase);
  QTextCursor selection(edit_.document());
  selection.setPosition(2);                               // "12." of the header
  selection.setPosition(6 + 9, QTextCursor::KeepAnchor);  // up to "Тверь" of the second line
  const QColor text = edit_.palette().color(QPalette::WindowText);
  const Rgb textRgb{static_cast<std::uint8_t>(text.red()), static_cast<std::uint8_t>(text.green()),
                    static_cast<std::uint8_t>(text.blue())};
  const auto paragraphs = styledSelection(selection, text);
  ASSERT_EQ(paragraphs.size(), 2u);
  ASSERT_EQ(paragraphs[0].size(), 1u);
  EXPECT_EQ(paragraphs[0][0].text, "12.");
  EXPECT_TRUE(paragraphs[0][0].bold);
  EXPECT_EQ(paragraphs[0][0].points, kBase + 2);
  EXPECT_EQ(paragraphs[0][0].colour, textRgb);
  ASSERT_EQ(paragraphs[1].size(), 2u);
  EXPECT_EQ(paragraphs[1][0].text, cp("Москва"));
  EXPECT_EQ(paragraphs[1][0].colour, kHighlightColours[0]);
  EXPECT_EQ(paragraphs[1][0].points, 10);
  EXPECT_EQ(paragraphs[1][1].text, cp(" и "));
  EXPECT_FALSE(paragraphs[1][1].bold);
}

TEST_F(CardViewTest, RichTextHoldsPlainHtmlAndRtf) {
  showCard(edit_, sample(), kBase);
  QTextCursor selection(edit_.document());
  selection.setPosition(0);
  selection.setPosition(12, QTextCursor::KeepAnchor);  // "Ф.12.", the break, "Москва"
  std::unique_ptr<QMimeData> data(richTextMimeData(selection, Qt::black));
  EXPECT_EQ(data->text(), QStringLiteral("Ф.12.\nМосква"));
  EXPECT_TRUE(data->hasHtml());
  EXPECT_TRUE(data->html().contains(QStringLiteral("Москва")));
  const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251"));
  EXPECT_TRUE(rtf.contains("{\\f0\\fs24\\cf1\\b \\'d4.12.}\\par\n{\\f0\\fs20\\cf2\\b \\'cc\\'ee\\'f1\\'ea\\'e2\\'e0}"))
      << rtf.toStdString();
}

}  // namespace
}  // namespace kestrin::browse
