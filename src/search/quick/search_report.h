// What a search tells the person: the status text, the count in status
// panel 1, and under the grids the advice when fewer than three records
// remain (lines separated by CR). Texts are Windows-1251.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "search/quick/mode_buttons.h"

namespace kestrin::search {

struct ReportInput {
  int count = 0;
  ModeButtons buttons;         // as they were for the search
  bool caseSensitive = false;  // the query held a capital letter
  std::string boxText;         // the search box after the search
  bool countRecords = true;    // the KolRec setting
};

struct SearchReport {
  std::string status;     // ShowStatus
  std::string countText;  // status panel 1
  std::string advice;     // the hint labels; empty when three or more remain

  // The advice's non-empty lines.
  std::vector<std::string> adviceLines() const;
};

SearchReport reportResult(const ReportInput& input);

// The advice lines that follow the count line: the mode, case, Latin,
// punctuation and single-letter rules (each line ends in CR).
std::string adviceRules(const ReportInput& input);

}  // namespace kestrin::search
