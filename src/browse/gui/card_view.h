// The record card in a rich-text control: the card's lines with their fonts,
// sizes and colours, and the card's text for the clipboard.
#pragma once

#include <QColor>
#include <vector>

#include "browse/card/card_rtf.h"
#include "browse/card/card_text.h"

class QMimeData;
class QTextCursor;
class QTextEdit;

namespace kestrin::browse {

// Replaces the content of `edit` by `card` in one batched update (the
// control repaints once): Arial at `baseSize`, `baseSize` + 2 or 10 points,
// the palette's window-text colour or grey, bold, the highlight runs bold in
// their colours. The control's own font is Arial at `baseSize` + 2. The caret
// goes to the start; the view scrolls to the top unless the card keeps the
// scroll position.
void showCard(QTextEdit& edit, const Card& card, int baseSize);

// The paragraphs of the selection of `selection` with their attributes;
// text without a colour of its own takes `textColour`.
std::vector<StyledParagraph> styledSelection(const QTextCursor& selection, const QColor& textColour);

// The selection as rich text for the clipboard: plain text, HTML and RTF in
// one object, so that word processors take whichever they read best.
// Ownership passes to the caller (the clipboard takes it).
QMimeData* richTextMimeData(const QTextCursor& selection, const QColor& textColour);

}  // namespace kestrin::browse
