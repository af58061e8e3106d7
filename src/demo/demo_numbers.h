// Numbers of fonds, inventories and files as archivists give them: fond
// numbers with the letter prefix of the Soviet period (Р-123) and letter
// suffixes (123а), inventories with volumes and letters, file numbers with
// letters for files put in between later (45а).
#pragma once

#include <string>

#include "demo/demo_random.h"

namespace kestrin::demo {

// Hands out fond numbers in two series: the fonds of before 1917 without a
// prefix (1, 2, 2а, 5, ...) and the later ones with "Р-" (Р-1, Р-2, ...).
class FondNumbering {
 public:
  // The number as typed: "12", "12а", "Р-123".
  std::string next(DemoRandom& random, bool soviet);

 private:
  int old_ = 0;
  int soviet_ = 0;
  bool oldLettered_ = false;  // the last number of the series had a letter
  bool sovietLettered_ = false;
};

// The texts as stored and as the program passes them on.
struct FondNumber {
  std::string typed;   // Р-123а
  std::string stored;  // FKOD: "Р-  123а"
  std::string code;    // FKOD trimmed, inner blanks kept: "Р-  123а"
};
FondNumber fondNumber(const std::string& typed);

struct InventoryNumber {
  std::string number;  // 1, 2а, 3л
  std::string volume;  // empty or 1, 2, ...
  std::string stored;  // OKOD: "  1  2  "
  // As the record card shows it and hands it to the photo list: "1. Т.2".
  std::string display;
};
InventoryNumber inventoryNumber(const std::string& number, const std::string& volume);

struct FileNumber {
  std::string typed;   // 45а
  std::string stored;  // L1: "      45а "
};
FileNumber fileNumber(int number, const std::string& letter = {});

}  // namespace kestrin::demo
