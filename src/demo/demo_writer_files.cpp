// The files (дела) of an inventory with their documents, photo
// characteristics, keywords and photo folders.
#include <algorithm>

#include "archive/model/code_tables.h"
#include "archive/model/record_key.h"
#include "demo/demo_dates.h"
#include "demo/demo_writer.h"
#include "text/cp1251_literal.h"

namespace kestrin::demo {
namespace {

using namespace text::literals;

bool uses(std::string_view pattern, std::string_view slot) { return pattern.find(slot) != std::string_view::npos; }

std::string fileAnnotation(DemoRandom& random, const std::string& title) {
  std::string text = title + (title.ends_with('.') ? " " : ". ");
  const int sentences = random.between(1, random.chance(20) ? 8 : 3);
  for (int i = 0; i < sentences; ++i) {
    if (i > 0) text += random.chance(30) ? "\r\n" : " ";
    text += std::string("Имеются документы "_cp1251) + std::string(random.pick(words::subjects())) + ".";
  }
  return text;
}

std::string fullText(DemoRandom& random) {
  std::string text;
  for (int i = random.between(10, 40); i > 0; --i) {
    text += capitalized(random.pick(words::subjects())) + std::string(" говорится в документе "_cp1251) +
            std::string(random.pick(words::districts()).townGenitive) + ".";
    text += random.chance(20) ? "\r\n" : " ";
  }
  while (text.back() == ' ' || text.back() == '\n' || text.back() == '\r') text.pop_back();
  return text;
}

}  // namespace

void DemoBaseWriter::writeFiles(const FondPlan& fond, const InventoryPlan& inventory, const std::string& opisKey) {
  std::vector<FileNumber> numbers;
  numbers.reserve(static_cast<std::size_t>(inventory.files));
  int plain = inventory.firstFileNumber - 1;
  bool lastLettered = false;
  for (int i = 0; i < inventory.files; ++i) {
    if (plain >= inventory.firstFileNumber && !lastLettered && random_.chancePerMille(30)) {
      numbers.push_back(fileNumber(plain, std::string("а"_cp1251)));  // a file put in after the numbering
      lastLettered = true;
    } else {
      numbers.push_back(fileNumber(++plain));
      lastLettered = false;
    }
  }
  // Files put in later were typed in after the others; now and then a whole
  // inventory was typed in no order at all.
  std::stable_partition(numbers.begin(), numbers.end(),
                        [](const FileNumber& n) { return n.typed.back() >= '0' && n.typed.back() <= '9'; });
  if (random_.chance(5)) {
    for (std::size_t i = numbers.size(); i > 1; --i) {
      std::swap(numbers[i - 1], numbers[static_cast<std::size_t>(random_.between(0, static_cast<int>(i) - 1))]);
    }
  }
  for (const FileNumber& number : numbers) {
    if (deleteNext(delo_, 20)) writeFile(fond, inventory, opisKey, number, true);
    writeFile(fond, inventory, opisKey, number, false);
  }
}

void DemoBaseWriter::writeFile(const FondPlan& fond, const InventoryPlan& inventory, const std::string& opisKey,
                               const FileNumber& number, bool deleted) {
  const DeloColumns& c = deloColumns_;
  const std::uint32_t recNo = delo_.nextRecNo();
  const std::string key = archive::recordKey(recNo);
  int type = inventory.type;
  if (!random_.chance(90)) type = random_.between(0, 11);
  const std::string_view pattern = random_.pick(type == 4   ? words::personnelFileTitlePatterns()
                                                : type == 6 ? words::photoFileTitlePatterns()
                                                            : words::fileTitlePatterns());
  const Person person = randomPerson(random_);
  const words::District& district = random_.chance(70) ? *fond.district : random_.pick(words::districts());
  const int year = random_.between(inventory.firstYear, inventory.lastYear);
  const int later = std::min(std::max(inventory.lastYear, year + 1), year + random_.between(1, 3));
  const int n = random_.between(1, 120);
  const std::string title = fillPattern(pattern, {{'S', random_.pick(words::subjects())},
                                                  {'Y', std::to_string(year)},
                                                  {'Z', std::to_string(later)},
                                                  {'P', person.genitive},
                                                  {'R', person.withInitials},
                                                  {'G', district.townGenitive},
                                                  {'V', random_.pick(words::villagesGenitive())},
                                                  {'Q', random_.pick(words::enterpriseNames())},
                                                  {'N', std::to_string(n)},
                                                  {'M', std::to_string(n + random_.between(1, 30))},
                                                  {'O', std::to_string(n + random_.between(31, 60))}});
  DemoTable& t = delo_;
  t.set(c.kod, key);
  t.set(c.opis, opisKey);
  t.set(c.l1, number.stored);
  t.set(c.l4, fitText(typedCarelessly(title, random_), 250));
  if (random_.chance(20)) t.set(c.l5, typedCarelessly(fileAnnotation(random_, title), random_));
  const ArchivalDates dates = fileDates(random_, year, random_.chance(60) ? year : later);
  if (!dates.text.empty()) t.set(c.l10, dates.text);
  if (dates.first) t.set(c.l8, *dates.first);
  if (dates.last) t.set(c.l9, *dates.last);
  t.set(c.l11, random_.chance(95) ? 1LL * random_.between(1, 350) : 0LL);
  const int value = random_.between(1, 100);
  t.set(c.l12, value <= 93 ? 0LL : value <= 94 ? 1LL : value <= 96 ? 2LL : 3LL);
  t.set(c.l13, 1LL * type);
  t.set(c.l21, random_.chance(3));
  if (random_.chance(5)) t.set(c.l6, std::string("ст.ш. "_cp1251) + std::to_string(random_.between(1, 999)));
  if (random_.chance(2)) {
    t.set(c.l14, std::string("Старый шифр: ф. "_cp1251) + fond.number.typed + std::string(", д. "_cp1251) +
                     std::to_string(random_.between(1, 500)));
  }
  fileKeys_->add(opisKey + number.stored, recNo);
  t.write(deleted);
  if (deleted) {
    ++counts_.deleted;
    return;
  }
  ++counts_.files;
  writeDocuments(key, year, later);
  if (type == archive::kTypePhoto) {
    if (random_.chance(90)) writePhotoRecord(key, year);
    notePhotoFolder(fond, inventory, number, title, year);
  }
  if ((uses(pattern, "{P}") || uses(pattern, "{R}")) && random_.chance(60)) {
    writeKeyword(persona2_, key, person.indexForm);
  }
  if (uses(pattern, "{G}") && random_.chance(50)) writeKeyword(geograf2_, key, std::string(district.town));
  if (random_.chance(6)) writeKeyword(tematik2_, key, std::string(random_.pick(words::themes())));
}

void DemoBaseWriter::writeDocuments(const std::string& deloKey, int fromYear, int toYear) {
  if (random_.chance(25)) return;
  const int mean = (4 * options_.documentsPerFile + 1) / 3;  // a quarter of the files have none
  const int count = random_.between(1, std::max(1, 2 * mean - 1));
  const DocColumns& c = docColumns_;
  DemoTable& t = doc_;
  int sheet = random_.between(1, 3);
  for (int i = 1; i <= count; ++i) {
    const bool deleted = deleteNext(doc_, 15);
    const int year = random_.between(fromYear, toYear);
    const std::string kind = random_.chance(90) ? std::string(random_.pick(archive::documentKinds())) : std::string();
    const Person person = randomPerson(random_);
    t.set(c.kod, archive::recordKey(doc_.nextRecNo()));
    t.set(c.delo, deloKey);
    const int numbering = random_.between(1, 100);
    t.set(c.t1, numbering <= 2 ? std::string("б/н"_cp1251)
                               : std::to_string(i) + (numbering <= 6 ? std::string("а"_cp1251) : std::string()));
    const std::string title = fillPattern(random_.pick(words::documentTitlePatterns()),
                                          {{'K', kind.empty() ? std::string("Документ"_cp1251) : capitalized(kind)},
                                           {'N', std::to_string(random_.between(1, 300))},
                                           {'S', random_.pick(words::subjects())},
                                           {'P', person.genitive},
                                           {'R', person.withInitials},
                                           {'Y', std::to_string(year)},
                                           {'Q', random_.pick(words::enterpriseNames())}});
    const bool titled = random_.chance(85);
    if (titled) t.set(c.t2, fitText(typedCarelessly(title, random_), 250));
    if (!titled || random_.chance(30)) t.set(c.t3, typedCarelessly(fileAnnotation(random_, title), random_));
    if (!kind.empty()) t.set(c.t7, kind);
    const ArchivalDates date = documentDate(random_, year);
    if (!date.text.empty()) t.set(c.t9, date.text);
    if (date.first) t.set(c.t8, *date.first);
    if (random_.chance(5)) t.set(c.t4, randomDay(random_, std::min(2020, year + random_.between(1, 40))));
    if (random_.chance(30)) {
      static constexpr std::string_view kCopies[] = {"Подлинник"_cp1251, "Копия"_cp1251, "Заверенная копия"_cp1251};
      t.set(c.t6, std::string(random_.pick(std::span<const std::string_view>(kCopies))));
    }
    if (random_.chance(50)) {
      const int last = sheet + random_.between(0, 6);
      t.set(c.t10, std::to_string(sheet));
      t.set(c.t11, std::to_string(last));
      sheet = last + 1;
    }
    if (random_.chance(20)) t.set(c.t15, std::string("рус."_cp1251));
    if (random_.chance(1)) t.set(c.t12, std::string("Документ повреждён"_cp1251));
    if (random_.chance(3))
      t.set(c.t16, std::string("Примечание: "_cp1251) + std::string(random_.pick(words::subjects())));
    if (random_.chance(2)) t.set(c.t17, fullText(random_));
    documentKeys_->add(deloKey, doc_.nextRecNo());
    t.write(deleted);
    deleted ? ++counts_.deleted : ++counts_.documents;
  }
}

void DemoBaseWriter::writePhotoRecord(const std::string& deloKey, int year) {
  DemoTable& t = deloPhoto_;
  t.set(t.column("DELO"), deloKey);
  t.set(t.column("O1"), fitText(std::string(random_.pick(words::photoPlaces())), 50));
  if (random_.chance(85)) {
    t.set(t.column("O2"), fitText(std::string("фотограф "_cp1251) + randomPerson(random_).indexForm, 50));
  }
  if (random_.chance(50)) t.set(t.column("O3"), std::string(random_.chance(50) ? "негатив"_cp1251 : "позитив"_cp1251));
  t.set(t.column("O4"), 1LL * random_.between(1, 60));
  t.set(t.column("O5"), 1LL * random_.between(0, 20));
  const int colour = random_.between(1, 100);
  t.set(t.column("O6"), colour <= 70 ? 1LL : colour <= 85 ? 2LL : colour <= 90 ? 3LL : colour <= 95 ? 4LL : 0LL);
  if (random_.chance(90)) t.set(t.column("O7"), std::string(random_.pick(words::photoSizes())));
  if (random_.chance(10)) t.set(t.column("O11"), std::string("Снимки переданы из редакции газеты"_cp1251));
  if (random_.chance(50)) t.set(t.column("O12"), randomDay(random_, year));
  const bool deleted = deleteNext(t, 20);
  t.write(deleted);
  deleted ? ++counts_.deleted : ++counts_.photoRecords;
}

void DemoBaseWriter::notePhotoFolder(const FondPlan& fond, const InventoryPlan& inventory, const FileNumber& number,
                                     const std::string& title, int year) {
  if (static_cast<int>(photoFiles_.size()) >= options_.photoFolders) return;
  if (random_.between(1, 1000000) > photoChancePerMillion_) return;
  photoFiles_.push_back({fond.number.code, inventory.number.display, number.typed, title, year});
}

}  // namespace kestrin::demo
