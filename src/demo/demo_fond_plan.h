// The shape of one fond of the demo archive, settled before any of its
// records is written (the fond record carries the counts of its inventories
// and files): its kind, number, titles, years, codes and inventories.
#pragma once

#include <string>
#include <vector>

#include "demo/demo_numbers.h"
#include "demo/demo_options.h"
#include "demo/demo_random.h"
#include "demo/demo_text.h"
#include "demo/demo_vocabulary.h"

namespace kestrin::demo {

enum class FondKind { BeforeRevolution, Soviet, Personal };

struct InventoryPlan {
  InventoryNumber number;
  int type = 1;       // G1
  int movement = 1;   // G15
  int category = 3;   // G2
  int firstYear = 0;  // of its documents
  int lastYear = 0;
  int storedFirstYear = 0;  // G3, G5 (0: not given)
  int storedLastYear = 0;
  int files = 0;            // live files
  int firstFileNumber = 1;  // volumes continue the numbering of the one before
};

struct FondPlan {
  FondKind kind = FondKind::Soviet;
  FondNumber number;
  const words::District* district = nullptr;
  Person person;            // the founder of a personal fond
  std::string institution;  // the clean title
  std::string shortTitle;   // FNAME, as typed
  std::string fullTitle;    // A1
  int type = 1;             // A4
  int movement = 1;         // A100
  int category = 3;         // A3
  int firstYear = 0;        // of its documents
  int lastYear = 0;
  int storedFirstYear = 0;  // A7, A9 (0: not given)
  int storedLastYear = 0;
  int undescribedFiles = 0;  // A39
  std::vector<InventoryPlan> inventories;
  long long files = 0;  // live files in all inventories
};

// Plans the fond numbered `fondIndex` (from 0) with at most `filesLeft` files
// (at least one when `filesLeft` > 0, unless the fond has no inventories).
FondPlan planFond(DemoRandom& random, FondNumbering& numbering, long long fondIndex, long long filesLeft,
                  const DemoOptions& options);

// A title pattern of the vocabulary with the fond's places and people filled in.
std::string fillForFond(std::string_view pattern, const FondPlan& fond, DemoRandom& random);

}  // namespace kestrin::demo
