#include "demo/demo_numbers.h"

#include "archive/format/number_keys.h"
#include "text/cp1251_literal.h"
#include "text/trims.h"

namespace kestrin::demo {
namespace {

using namespace text::literals;

std::string trimmed(std::string_view text) { return std::string(text::trimSpaces(text)); }

}  // namespace

std::string FondNumbering::next(DemoRandom& random, bool soviet) {
  int& counter = soviet ? soviet_ : old_;
  bool& lettered = soviet ? sovietLettered_ : oldLettered_;
  const int roll = random.between(1, 100);
  std::string suffix;
  if (counter > 0 && !lettered && roll <= 6) {
    suffix = "а"_cp1251;  // a fond put in beside an older one
  } else if (roll <= 16) {
    counter += random.between(2, 6);  // numbers of fonds passed on to other archives
  } else {
    counter += 1;
  }
  lettered = !suffix.empty();
  const std::string digits = std::to_string(counter) + suffix;
  return soviet ? std::string("Р-"_cp1251) + digits : digits;
}

FondNumber fondNumber(const std::string& typed) {
  FondNumber n;
  n.typed = typed;
  n.stored = archive::fondNumberKey(typed);
  n.code = trimmed(n.stored);
  return n;
}

InventoryNumber inventoryNumber(const std::string& number, const std::string& volume) {
  InventoryNumber n;
  n.number = number;
  n.volume = volume;
  n.stored = archive::inventoryNumberKey(volume.empty() ? number : number + " " + volume);
  n.display = volume.empty() ? number : number + std::string(". Т."_cp1251) + volume;
  return n;
}

FileNumber fileNumber(int number, const std::string& letter) {
  FileNumber n;
  n.typed = std::to_string(number) + letter;
  n.stored = archive::fileNumberKey(n.typed);
  return n;
}

}  // namespace kestrin::demo
