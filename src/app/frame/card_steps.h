// The card window's step buttons: which record of the active page they move
// to, and the hints they carry on each page. Texts are Windows-1251.
#pragma once

#include <optional>
#include <string_view>

#include "app/frame_settings.h"

namespace kestrin::dbf {
class TableCursor;
}

namespace kestrin::app {

enum class StepOutcome { moved, beep };

// "Следующий >>" (`forward`) or "<< Предыдущий" on `page`. On the fond,
// inventory and file pages a step past either end of the list beeps in
// mode beep, goes round to the other end in the modes wrap and nextParent,
// and stays in mode none; on the document page it only steps. Other pages
// and closed or empty tables: nothing moves.
StepOutcome stepCardRecord(dbf::TableCursor& cursor, int page, bool forward, LastRecordMode mode);

struct StepHints {
  std::string_view previous;
  std::string_view next;
};

// The step buttons' hints for a level page; nullopt for the other pages,
// which leave the hints as they are.
std::optional<StepHints> cardStepHints(int page);

}  // namespace kestrin::app
