#include "demo/demo_writer.h"

#include <algorithm>
#include <cstdio>

#include "archive/model/code_tables.h"
#include "archive/model/record_key.h"
#include "text/cp1251_case.h"
#include "text/cp1251_literal.h"

namespace kestrin::demo {
namespace {

namespace fs = std::filesystem;
using namespace text::literals;

// A storage place as archivists note it: one room, or several with commas.
std::string storagePlace(DemoRandom& random) {
  const std::string n = std::to_string(random.between(1, 40));
  const int roll = random.between(1, 100);
  if (roll <= 60) return n;
  if (roll <= 80) return n + ", " + std::to_string(random.between(1, 40));
  if (roll <= 88)
    return n + ", " + std::to_string(random.between(1, 40)) + ", " + std::to_string(random.between(1, 40));
  if (roll <= 94) return n + std::string("а"_cp1251);
  return std::string("к. "_cp1251) + n;
}

std::string historicalNote(DemoRandom& random, const FondPlan& fond) {
  std::string note;
  const int sentences = random.between(2, random.chance(30) ? 12 : 5);
  const std::string later = std::to_string(std::min(2020, fond.lastYear + random.between(2, 30)));
  const Person head = randomPerson(random);
  for (int i = 0; i < sentences; ++i) {
    if (!note.empty()) note += random.chance(25) ? "\r\n" : " ";
    note += fillPattern(random.pick(words::historyPhrases()), {{'Y', std::to_string(fond.firstYear)},
                                                               {'Z', std::to_string(fond.lastYear)},
                                                               {'W', later},
                                                               {'R', head.withInitials}});
  }
  return note;
}

std::string annotation(DemoRandom& random) {
  std::string text = std::string("В фонде отложились "_cp1251);
  const int kinds = random.between(2, 4);
  for (int i = 0; i < kinds; ++i) {
    if (i > 0) text += i + 1 == kinds ? std::string(" и "_cp1251) : std::string(", ");
    text += std::string(random.pick(archive::documentKinds()));
  }
  text += std::string(". Имеются документы "_cp1251) + std::string(random.pick(words::subjects())) + ".";
  return text;
}

std::string inventoryTitle(DemoRandom& random, const FondPlan& fond, const InventoryPlan& inventory) {
  std::string title;
  switch (inventory.type) {
    case 2:
      title = std::string("Опись документов личного происхождения "_cp1251) + fond.person.genitive;
      break;
    case 3:
      title = std::string("Опись научно-технической документации"_cp1251);
      break;
    case 4:
      title = std::string("Опись дел по личному составу"_cp1251);
      break;
    case 5:
      title = std::string("Опись кинодокументов"_cp1251);
      break;
    case 6:
      title = std::string("Опись фотодокументов"_cp1251);
      break;
    case 7:
      title = std::string("Опись фонодокументов"_cp1251);
      break;
    case 8:
      title = std::string("Опись видеодокументов"_cp1251);
      break;
    case 10:
      title = std::string("Опись микрофильмов страхового фонда"_cp1251);
      break;
    default:
      title = std::string("Опись дел постоянного хранения"_cp1251);
      break;
  }
  if (inventory.storedFirstYear != 0 && inventory.storedLastYear != 0) {
    title += inventory.storedFirstYear == inventory.storedLastYear
                 ? std::string(" за "_cp1251) + std::to_string(inventory.storedFirstYear) + std::string(" г."_cp1251)
                 : std::string(" за "_cp1251) + std::to_string(inventory.storedFirstYear) + "-" +
                       std::to_string(inventory.storedLastYear) + std::string(" гг."_cp1251);
  }
  return typedCarelessly(title, random);
}

}  // namespace

DemoBaseWriter::DemoBaseWriter(const fs::path& folder, const DemoOptions& options)
    : folder_(folder),
      options_(options),
      random_(options.seed),
      fond_(folder, "FOND.DBF", archive::ArchiveCursor::Fond),
      opis_(folder, "OPIS.DBF", archive::ArchiveCursor::Opis),
      delo_(folder, "DELO.DBF", archive::ArchiveCursor::Delo),
      doc_(folder, "DOCUM.DBF", archive::ArchiveCursor::Doc),
      rename_(folder, "FOND3.DBF", archive::ArchiveCursor::Rename),
      top_(folder, "OPIS2.DBF", archive::ArchiveCursor::Top),
      deloPhoto_(folder, "DELO5.DBF", archive::ArchiveCursor::DeloPhoto),
      rubr_(folder, "RUBRIKA2.DBF", archive::ArchiveCursor::Rubr),
      persona1_(folder, "PERSONA1.DBF", archive::ArchiveCursor::Temp),
      geograf1_(folder, "GEOGRAF1.DBF", archive::ArchiveCursor::Temp),
      tematik1_(folder, "TEMATIK1.DBF", archive::ArchiveCursor::Temp),
      persona2_(folder, "PERSONA2.DBF", archive::ArchiveCursor::Temp),
      geograf2_(folder, "GEOGRAF2.DBF", archive::ArchiveCursor::Temp),
      tematik2_(folder, "TEMATIK2.DBF", archive::ArchiveCursor::Temp) {
  for (const DemoTag& tag : demoTags()) tagKeys_.emplace_back(tag);
  auto find = [this](std::string_view indexFile, std::string_view name) {
    for (TagKeys& keys : tagKeys_) {
      if (keys.tag().indexFile == indexFile && keys.tag().name == name) return &keys;
    }
    throw std::logic_error("no demo tag " + std::string(name));
  };
  fondNumberKeys_ = find("FOND.CDX", "FKOD");
  fondNameKeys_ = find("FOND.CDX", "NAME");
  fileKeys_ = find("DELO.CDX", "DELO");
  documentKeys_ = find("DOCUM.CDX", "DELO");
  renamingKeys_ = find("FOND3.CDX", "FOND");
  topographyKeys_ = find("OPIS2.CDX", "OPIS");
  // About one file in eight to fourteen holds photographs; spread the photo folders over all of them.
  const long long expectedPhotoFiles = std::max(1LL, options_.files / 12);
  photoChancePerMillion_ =
      static_cast<int>(std::min(1000000LL, options_.photoFolders * 1000000LL / expectedPhotoFiles));
}

DemoBaseWriter::~DemoBaseWriter() = default;

bool DemoBaseWriter::deleteNext(DemoTable& table, int perMille) {
  // Every table shows a deleted record early on, however small it stays.
  if (table.deletedCount() == 0 && table.recordCount() >= 3) return true;
  return random_.chancePerMille(perMille);
}

void DemoBaseWriter::progress(const std::string& message) const {
  if (options_.progress) options_.progress(message);
}

DemoCounts DemoBaseWriter::run() {
  storageList_ = std::string("Список мест хранения фондов\r\n"_cp1251);  // no tab: not a storage line
  long long filesLeft = options_.files;
  const long long step = std::max(10000LL, options_.files / 20);
  nextProgress_ = step;
  while (filesLeft > 0) {
    const FondPlan fond = planFond(random_, numbering_, counts_.fonds, filesLeft, options_);
    writeFond(fond);
    filesLeft -= fond.files;
    if (counts_.files >= nextProgress_) {
      progress("files: " + std::to_string(counts_.files) + " of " + std::to_string(options_.files));
      while (nextProgress_ <= counts_.files) nextProgress_ += step;
    }
  }
  storageList_ += std::string("Р-99999\t1\r\n"_cp1251);  // a fond the base does not have
  finishTables();
  writeIndexes();
  writeStorageList();
  return counts_;
}

void DemoBaseWriter::writeDraftFond() {
  const FondNumber number = fondNumber(numbering_.next(random_, true));
  const std::string title =
      random_.chance(50)
          ? std::string("Новый фонд"_cp1251)
          : fillPattern(random_.pick(words::sovietInstitutions()),
                        {{'A', "Ярославского"_cp1251}, {'U', "Ярославская"_cp1251}, {'M', "Ярославский"_cp1251}});
  const std::string name = fitText(title, 100);
  const std::uint32_t recNo = fond_.nextRecNo();
  fond_.set(fond_.column("KOD"), archive::recordKey(recNo));
  fond_.set(fond_.column("FKOD"), number.stored);
  fond_.set(fond_.column("FNAME"), name);
  fond_.set(fond_.column("A100"), 1LL);
  fondNumberKeys_->add(number.stored, recNo);
  fondNameKeys_->add(text::upper1251(name), recNo);
  fond_.write(true);
  ++counts_.deleted;
}

void DemoBaseWriter::writeFond(const FondPlan& fond) {
  if (deleteNext(fond_, 25)) writeDraftFond();
  const std::uint32_t recNo = fond_.nextRecNo();
  const std::string key = archive::recordKey(recNo);
  DemoTable& t = fond_;
  t.set(t.column("KOD"), key);
  t.set(t.column("FKOD"), fond.number.stored);
  t.set(t.column("FNAME"), fond.shortTitle);
  t.set(t.column("A1"), fond.fullTitle);
  t.set(t.column("A2"), 1LL * random_.between(0, 2));
  t.set(t.column("A3"), 1LL * fond.category);
  t.set(t.column("A4"), 1LL * fond.type);
  t.set(t.column("A5"), static_cast<long long>(fond.inventories.size()));
  t.set(t.column("A7"), 1LL * fond.storedFirstYear);
  t.set(t.column("A9"), 1LL * fond.storedLastYear);
  t.set(t.column("A15"), random_.chance(20));
  // Files by the fond's count (A16, A21..A26) and by its inventories (A32..A38).
  const long long described = fond.files;
  const long long total = described + fond.undescribedFiles;
  const long long split = total > 10 && random_.chance(20) ? total / 3 : 0;
  t.set(t.column("A16"), total - split);
  if (split > 0) t.set(t.column(random_.chance(50) ? "A21" : "A24"), split);
  const long long byInventoriesSplit = described > 10 && random_.chance(15) ? described / 4 : 0;
  t.set(t.column("A32"), described - byInventoriesSplit);
  if (byInventoriesSplit > 0) t.set(t.column("A35"), byInventoriesSplit);
  t.set(t.column("A39"), 1LL * fond.undescribedFiles);
  t.set(t.column("A100"), 1LL * fond.movement);
  if (random_.chance(60)) t.set(t.column("A109"), historicalNote(random_, fond));
  if (random_.chance(50)) t.set(t.column("A110"), annotation(random_));
  if (random_.chance(5)) t.set(t.column("A101"), std::string("Акт проверки наличия 1985 г."_cp1251));
  if (random_.chance(10)) t.set(t.column("A105"), std::string("ГАЯО"_cp1251));
  fondNumberKeys_->add(fond.number.stored, recNo);
  fondNameKeys_->add(text::upper1251(fond.shortTitle), recNo);
  t.write();
  ++counts_.fonds;

  const std::string place = storagePlace(random_);
  if (random_.chance(fond.movement == 1 ? 88 : 40)) {
    // Blanks around either part do not count.
    const bool padded = random_.chance(10);
    storageList_ += (padded ? " " : "") + fond.number.code + (padded ? " \t " : "\t") + place + "\r\n";
  }
  if (fond.kind != FondKind::Personal && random_.chance(fond.kind == FondKind::Soviet ? 25 : 10)) {
    writeRenamings(fond, key);
  }
  writeFondKeywords(fond, key);
  for (const InventoryPlan& inventory : fond.inventories) writeInventory(fond, inventory, key, place);
}

void DemoBaseWriter::writeRenamings(const FondPlan& fond, const std::string& fondKey) {
  const int count = random_.between(1, 3);
  const int span = std::max(1, fond.lastYear - fond.firstYear);
  int from = fond.firstYear;
  for (int i = 0; i < count; ++i) {
    const int to = std::min(fond.lastYear, from + std::max(1, span / (count + 1)));
    const auto patterns = fond.kind == FondKind::Soviet ? words::sovietInstitutions() : words::oldInstitutions();
    const std::string former = fillForFond(random_.pick(patterns), fond, random_);
    const bool deleted = deleteNext(rename_, 20);
    const std::uint32_t recNo = rename_.nextRecNo();
    rename_.set(rename_.column("FOND"), fondKey);
    rename_.set(rename_.column("C1"),
                former + " (" + std::to_string(from) + "-" + std::to_string(to) + std::string(" гг.)"_cp1251));
    rename_.set(rename_.column("C2"), fitText(typedCarelessly(former, random_), 100));
    rename_.set(rename_.column("C3"), dbf::CivilDate{from, random_.between(1, 12), 1});
    if (random_.chance(85)) rename_.set(rename_.column("C5"), dbf::CivilDate{to, random_.between(1, 12), 28});
    renamingKeys_->add(fondKey, recNo);
    rename_.write(deleted);
    deleted ? ++counts_.deleted : ++counts_.renamings;
    from = to;
  }
}

void DemoBaseWriter::writeKeyword(DemoTable& table, const std::string& key, const std::string& word) {
  std::string stored = fitText(word, 50);
  if (random_.chance(5)) stored = text::upper1251(stored);
  table.set(table.column("FOND"), key);
  table.set(table.column("WORD"), stored);
  const bool deleted = deleteNext(table, 20);
  table.write(deleted);
  deleted ? ++counts_.deleted : ++counts_.keywords;
}

void DemoBaseWriter::writeFondKeywords(const FondPlan& fond, const std::string& fondKey) {
  if (fond.kind == FondKind::Personal) {
    writeKeyword(persona1_, fondKey, fond.person.fullName);
    writeKeyword(persona1_, fondKey, fond.person.indexForm);
  } else if (random_.chance(25)) {
    writeKeyword(persona1_, fondKey, randomPerson(random_).indexForm);
  }
  if (random_.chance(60)) writeKeyword(geograf1_, fondKey, std::string(fond.district->town));
  if (random_.chance(50)) {
    for (int i = random_.between(1, 2); i > 0; --i) {
      writeKeyword(tematik1_, fondKey, std::string(random_.pick(words::themes())));
    }
  }
}

void DemoBaseWriter::writeInventory(const FondPlan& fond, const InventoryPlan& inventory, const std::string& fondKey,
                                    const std::string& place) {
  if (deleteNext(opis_, 20)) {  // a draft inventory
    opis_.set(opis_.column("KOD"), archive::recordKey(opis_.nextRecNo()));
    opis_.set(opis_.column("FOND"), fondKey);
    opis_.set(opis_.column("OKOD"), inventory.number.stored);
    opis_.set(opis_.column("ONAME"), std::string("Опись (черновик)"_cp1251));
    opis_.write(true);
    ++counts_.deleted;
  }
  const std::string key = archive::recordKey(opis_.nextRecNo());
  DemoTable& t = opis_;
  t.set(t.column("KOD"), key);
  t.set(t.column("FOND"), fondKey);
  t.set(t.column("OKOD"), inventory.number.stored);
  t.set(t.column("ONAME"), inventoryTitle(random_, fond, inventory));
  t.set(t.column("G1"), 1LL * inventory.type);
  t.set(t.column("G2"), 1LL * inventory.category);
  t.set(t.column("G3"), 1LL * inventory.storedFirstYear);
  t.set(t.column("G5"), 1LL * inventory.storedLastYear);
  t.set(t.column("G7"), 1LL * inventory.files);
  t.set(t.column("G15"), 1LL * inventory.movement);
  if (random_.chance(30)) {
    t.set(t.column("G45"), std::string("Документы поступили в архив в "_cp1251) +
                               std::to_string(std::min(2020, inventory.lastYear + random_.between(1, 20))) +
                               std::string(" г. "_cp1251) + annotation(random_));
  }
  if (random_.chance(5)) t.set(t.column("G16"), std::string("Опись переработана"_cp1251));
  t.write();
  ++counts_.inventories;

  if (random_.chance(92)) writeTopography(key, place);
  if (random_.chance(4)) writeTopography(key, storagePlace(random_));  // a second record: only the first counts
  if (random_.chance(35)) writeRubrics(key);
  writeFiles(fond, inventory, key);
}

void DemoBaseWriter::writeTopography(const std::string& opisKey, const std::string& place) {
  const bool deleted = deleteNext(top_, 20);
  const std::uint32_t recNo = top_.nextRecNo();
  top_.set(top_.column("OPIS"), opisKey);
  top_.set(top_.column("H1"), std::to_string(random_.between(1, 60)));
  top_.set(top_.column("H2"), std::to_string(random_.between(1, 8)));
  top_.set(top_.column("H3"), fitText(place, 52));
  if (random_.chance(50)) top_.set(top_.column("H4"), std::to_string(random_.between(1, 9)));
  topographyKeys_->add(opisKey, recNo);
  top_.write(deleted);
  deleted ? ++counts_.deleted : ++counts_.topography;
}

void DemoBaseWriter::writeRubrics(const std::string& opisKey) {
  const auto rubrics = words::rubrics();
  for (int i = random_.between(1, 3); i > 0; --i) {
    const int section = random_.between(0, static_cast<int>(rubrics.size()) - 1);
    rubr_.set(rubr_.column("OPIS"), opisKey);
    rubr_.set(rubr_.column("R1"), 1LL * (section + 1));
    rubr_.set(rubr_.column("R2"), 1LL * random_.between(1, 9));
    rubr_.set(rubr_.column("R3"), 0LL);
    rubr_.set(rubr_.column("RUBRIKA"), std::string(rubrics[static_cast<std::size_t>(section)]));
    const bool deleted = deleteNext(rubr_, 20);
    rubr_.write(deleted);
    deleted ? ++counts_.deleted : ++counts_.rubrics;
  }
}

void DemoBaseWriter::finishTables() {
  for (DemoTable* table : {&fond_, &opis_, &delo_, &doc_, &rename_, &top_, &deloPhoto_, &rubr_, &persona1_, &geograf1_,
                           &tematik1_, &persona2_, &geograf2_, &tematik2_}) {
    table->finish();
  }
}

void DemoBaseWriter::writeIndexes() {
  auto recordCountOf = [this](std::string_view tableFile) {
    if (tableFile == "FOND.DBF") return fond_.recordCount();
    if (tableFile == "DELO.DBF") return delo_.recordCount();
    if (tableFile == "DOCUM.DBF") return doc_.recordCount();
    if (tableFile == "FOND3.DBF") return rename_.recordCount();
    if (tableFile == "OPIS2.DBF") return top_.recordCount();
    throw std::logic_error("no demo table " + std::string(tableFile));
  };
  // Tags of one file stand together in demoTags(); the keys go as each file is written.
  for (std::size_t i = 0; i < tagKeys_.size();) {
    const std::string_view indexFile = tagKeys_[i].tag().indexFile;
    progress("writing " + std::string(indexFile));
    std::vector<dbf::CdxTagInput> tags;
    for (; i < tagKeys_.size() && tagKeys_[i].tag().indexFile == indexFile; ++i) {
      tags.push_back(tagKeys_[i].take(recordCountOf(tagKeys_[i].tag().tableFile)));
    }
    writeDemoIndex(folder_, indexFile, std::move(tags));
  }
}

void DemoBaseWriter::writeStorageList() { writeFileBytes(folder_ / "Hran.txt", storageList_); }

}  // namespace kestrin::demo
