// A card line cut into the pieces that share one set of character
// attributes: the highlight runs and the text between them.
#pragma once

#include <optional>
#include <vector>

#include "browse/card/card_text.h"

namespace kestrin::browse {

struct LineRun {
  int from = 0;
  int to = 0;  // exclusive
  bool bold = false;
  // The search word's colour; nullopt: the line's own colour.
  std::optional<Rgb> highlight;
  bool operator==(const LineRun&) const = default;
};

// The runs covering the whole line in order. A highlight run is bold in its
// colour; where two overlap the later one wins, as it would when each is
// applied over the text in turn. Runs reaching outside the line are cut to
// it; an empty line has no runs.
std::vector<LineRun> lineRuns(const CardLine& line);

}  // namespace kestrin::browse
