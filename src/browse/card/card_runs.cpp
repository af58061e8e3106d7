#include "browse/card/card_runs.h"

#include <algorithm>

namespace kestrin::browse {

std::vector<LineRun> lineRuns(const CardLine& line) {
  const int length = static_cast<int>(line.text.size());
  // For each character, the index of the highlight run that colours it last (-1: none).
  std::vector<int> owner(line.text.size(), -1);
  for (std::size_t i = 0; i < line.spans.size(); ++i) {
    const int from = std::clamp(line.spans[i].from, 0, length);
    const int to = std::clamp(line.spans[i].to, 0, length);
    for (int c = from; c < to; ++c) owner[static_cast<std::size_t>(c)] = static_cast<int>(i);
  }
  std::vector<LineRun> runs;
  for (int start = 0; start < length;) {
    const int span = owner[static_cast<std::size_t>(start)];
    int end = start + 1;
    while (end < length && owner[static_cast<std::size_t>(end)] == span) ++end;
    if (span < 0) {
      runs.push_back({start, end, line.bold, std::nullopt});
    } else {
      runs.push_back({start, end, true, line.spans[static_cast<std::size_t>(span)].colour});
    }
    start = end;
  }
  return runs;
}

}  // namespace kestrin::browse
