#include "demo/demo_fond_plan.h"

#include <algorithm>

#include "text/cp1251_literal.h"

namespace kestrin::demo {
namespace {

using namespace text::literals;

// Fond sizes in percent of the average: many small fonds, a few large ones.
constexpr int kSizeShares[] = {5, 10, 20, 30, 50, 70, 90, 110, 140, 180, 240, 355};
constexpr int kSizeShareMean = 108;

int categoryCode(DemoRandom& random) {
  const int roll = random.between(1, 100);
  return roll <= 40 ? 3 : roll <= 70 ? 2 : roll <= 85 ? 1 : 0;
}

// 1 mostly; 2 transferred, 3 joined to another fond, 4 lost, 5 destroyed.
int movementCode(DemoRandom& random, int presentPercent) {
  return random.chance(presentPercent) ? 1 : random.between(2, 5);
}

int fondType(DemoRandom& random, FondKind kind) {
  const int roll = random.between(1, 100);
  switch (kind) {
    case FondKind::Personal:
      return 2;
    case FondKind::BeforeRevolution:
      return roll <= 94 ? 1 : roll <= 98 ? 3 : 10;
    case FondKind::Soviet:
      if (roll <= 72) return 1;
      if (roll <= 80) return 3;
      if (roll <= 85) return 4;
      if (roll <= 95) return 5 + (roll % 6);  // 5 to 10
      if (roll <= 97) return 6;
      return roll == 98 ? 0 : 11;  // codes the program shows no abbreviation for
  }
  return 1;
}

int inventoryType(DemoRandom& random, const FondPlan& fond) {
  const int roll = random.between(1, 100);
  if (fond.kind == FondKind::Personal) return roll <= 88 ? 2 : 6;
  if (fond.kind == FondKind::BeforeRevolution) return roll <= 95 ? 1 : 3;
  const int own = fond.type >= 1 && fond.type <= 10 ? fond.type : 1;
  if (roll <= 70) return own;
  if (roll <= 84) return 4;
  if (roll <= 90) return 6;
  if (roll <= 93) return 3;
  if (roll <= 97) return 5 + (roll % 6);
  return roll <= 98 ? 0 : 11;
}

// Years as the record keeps them: now and then one or both not given.
void storedYears(DemoRandom& random, int first, int last, int& storedFirst, int& storedLast) {
  const int roll = random.between(1, 100);
  storedFirst = first;
  storedLast = last;
  if (roll <= 4) {
    storedLast = 0;
  } else if (roll <= 7) {
    storedFirst = 0;
  } else if (roll <= 10) {
    storedFirst = storedLast = 0;
  }
}

void planYears(DemoRandom& random, FondPlan& f, int& birth) {
  switch (f.kind) {
    case FondKind::BeforeRevolution:
      f.firstYear = random.between(1760, 1905);
      f.lastYear = std::min(1919, f.firstYear + random.between(3, 60));
      break;
    case FondKind::Soviet:
      f.firstYear = random.between(1917, 1985);
      f.lastYear = std::min(1995, f.firstYear + random.between(0, 45));
      break;
    case FondKind::Personal:
      birth = random.between(1840, 1935);
      f.firstYear = birth + random.between(15, 30);
      f.lastYear = std::min(1995, birth + random.between(50, 90));
      break;
  }
}

void planTitles(DemoRandom& random, FondPlan& f, int birth) {
  if (f.kind == FondKind::Personal) {
    const std::string death = f.lastYear >= 1995 ? std::string() : std::to_string(f.lastYear);
    f.institution = f.person.fullName + " (" + std::to_string(birth) + "-" + death + "), " +
                    std::string(random.pick(words::occupations()));
    f.fullTitle = f.institution + std::string(", уроженец "_cp1251) + std::string(f.district->townGenitive);
  } else {
    const auto patterns = f.kind == FondKind::Soviet ? words::sovietInstitutions() : words::oldInstitutions();
    f.institution = fillForFond(random.pick(patterns), f, random);
    f.fullTitle = f.institution;
    if (random.chance(60)) {
      f.fullTitle +=
          " (" + std::to_string(f.firstYear) + "-" + std::to_string(f.lastYear) + std::string(" гг.)"_cp1251);
    }
  }
  f.shortTitle = fitText(typedCarelessly(f.institution, random), 100);
  f.fullTitle = typedCarelessly(f.fullTitle, random);
}

// Splits `files` over `count` parts of at least one file each.
std::vector<int> splitFiles(DemoRandom& random, int files, int count) {
  std::vector<int> weights(static_cast<std::size_t>(count));
  int total = 0;
  for (int& w : weights) total += (w = random.between(1, 10));
  std::vector<int> parts(static_cast<std::size_t>(count), 1);
  int given = count;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const int share = (files - count) * weights[i] / total;
    parts[i] += share;
    given += share;
  }
  parts.back() += files - given;
  return parts;
}

// With `showcase`, the first inventory has volumes and the second a letter.
void planInventories(DemoRandom& random, FondPlan& f, int files, bool showcase) {
  const int count = std::min(files, 1 + files / 250 + random.between(0, 2));
  const std::vector<int> parts = splitFiles(random, files, count);
  int number = 0;
  for (int part : parts) {
    InventoryPlan plan;
    plan.type = inventoryType(random, f);
    std::string typed;
    if (number > 0 && (random.chance(6) || (showcase && number == 1))) {
      typed = std::to_string(number) + std::string("а"_cp1251);  // put in beside an earlier inventory
    } else {
      typed = std::to_string(++number);
      if (plan.type == 4 && random.chance(50)) typed += std::string("л"_cp1251);
    }
    plan.category = random.chance(80) ? f.category : categoryCode(random);
    plan.movement = f.movement != 1 ? f.movement : movementCode(random, 95);
    plan.firstYear = random.between(f.firstYear, f.lastYear);
    plan.lastYear = random.between(plan.firstYear, f.lastYear);
    storedYears(random, plan.firstYear, plan.lastYear, plan.storedFirstYear, plan.storedLastYear);

    const bool showVolumes = showcase && number == 1 && part >= 2;
    const int volumes = showVolumes || (part >= 40 && random.chance(20)) ? random.between(2, std::min(3, part)) : 1;
    const std::vector<int> volumeFiles = splitFiles(random, part, volumes);
    int firstFile = 1;
    for (int v = 0; v < volumes; ++v) {
      InventoryPlan volume = plan;
      volume.number = inventoryNumber(typed, volumes > 1 ? std::to_string(v + 1) : std::string());
      volume.files = volumeFiles[static_cast<std::size_t>(v)];
      volume.firstFileNumber = firstFile;
      firstFile += volume.files;
      f.inventories.push_back(std::move(volume));
    }
  }
}

// Whatever the seed, the first fonds show every case the display rules
// know: each movement code, years missing in each way, personal-origin and
// personnel fonds.
void showcase(long long fondIndex, FondPlan& f) {
  switch (fondIndex) {
    case 2:
      f.movement = 2;
      break;
    case 4:
      f.storedFirstYear = f.storedLastYear = 0;
      break;
    case 5:
      f.movement = 3;
      break;
    case 6:
      if (f.kind == FondKind::Soviet) f.type = 4;
      break;
    case 8:
      f.storedLastYear = 0;
      break;
    case 9:
      f.movement = 4;
      break;
    case 11:
      f.storedFirstYear = 0;
      break;
    case 13:
      f.movement = 5;
      break;
    case 15:
      f.storedFirstYear = f.storedLastYear = f.firstYear;
      break;
    default:
      break;
  }
}

}  // namespace

std::string fillForFond(std::string_view pattern, const FondPlan& fond, DemoRandom& random) {
  const std::string number = std::to_string(random.between(1, 40));
  return fillPattern(pattern, {{'U', fond.district->feminine},
                               {'M', fond.district->masculine},
                               {'E', fond.district->neuter},
                               {'A', fond.district->adjective},
                               {'G', fond.district->townGenitive},
                               {'V', random.pick(words::villagesGenitive())},
                               {'P', random.pick(words::surnames())},
                               {'Q', random.pick(words::enterpriseNames())},
                               {'N', number}});
}

FondPlan planFond(DemoRandom& random, FondNumbering& numbering, long long fondIndex, long long filesLeft,
                  const DemoOptions& options) {
  FondPlan f;
  const int kindRoll = random.between(1, 100);
  f.kind = kindRoll <= 18 ? FondKind::BeforeRevolution : kindRoll <= 28 ? FondKind::Personal : FondKind::Soviet;
  if (fondIndex == 3) f.kind = FondKind::Personal;
  if (fondIndex == 6) f.kind = FondKind::Soviet;
  f.number = fondNumber(numbering.next(random, f.kind != FondKind::BeforeRevolution));
  f.district = &random.pick(words::districts());
  if (f.kind == FondKind::Personal) f.person = randomPerson(random);
  int birth = 0;
  planYears(random, f, birth);
  planTitles(random, f, birth);
  f.type = fondType(random, f.kind);
  f.movement = movementCode(random, 87);
  f.category = categoryCode(random);
  storedYears(random, f.firstYear, f.lastYear, f.storedFirstYear, f.storedLastYear);
  if (random.chance(10)) f.undescribedFiles = random.between(1, 60);
  showcase(fondIndex, f);

  if (filesLeft <= 0 || random.chance(4)) return f;  // a fond without inventories
  const long long wanted =
      std::max(1LL, 1LL * options.filesPerFond * random.pick(std::span<const int>(kSizeShares)) / kSizeShareMean);
  f.files = std::min(wanted, filesLeft);
  planInventories(random, f, static_cast<int>(f.files), fondIndex == 1);
  return f;
}

}  // namespace kestrin::demo
