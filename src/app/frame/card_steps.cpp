#include "app/frame/card_steps.h"

#include <array>

#include "app/frame/level_pages.h"
#include "dbf/cursor/table_cursor.h"
#include "text/cp1251_literal.h"

namespace kestrin::app {

using namespace text::literals;

StepOutcome stepCardRecord(dbf::TableCursor& cursor, int page, bool forward, LastRecordMode mode) {
  if (!isLevelPage(page) || !cursor.active() || cursor.isEmpty()) return StepOutcome::moved;
  if (forward) {
    cursor.next();
  } else {
    cursor.prior();
  }
  // The cursor stays on the record it was on when it meets an end.
  const bool atEnd = forward ? cursor.eof() : cursor.bof();
  if (!atEnd || page == kDocPage) return StepOutcome::moved;
  switch (mode) {
    case LastRecordMode::beep:
      return StepOutcome::beep;
    case LastRecordMode::wrap:
    case LastRecordMode::nextParent:
      if (forward) {
        cursor.first();
      } else {
        cursor.last();
      }
      return StepOutcome::moved;
    case LastRecordMode::none:
      break;
  }
  return StepOutcome::moved;
}

std::optional<StepHints> cardStepHints(int page) {
  static constexpr std::array<StepHints, 4> kHints = {{
      {"Предыдущий фонд"_cp1251, "Следующий фонд"_cp1251},
      {"Предыдущая опись"_cp1251, "Следующая опись"_cp1251},
      {"Предыдущее дело"_cp1251, "Следующее дело"_cp1251},
      {"Предыдущий документ"_cp1251, "Следующий документ"_cp1251},
  }};
  if (!isLevelPage(page)) return std::nullopt;
  return kHints[static_cast<std::size_t>(page)];
}

}  // namespace kestrin::app
