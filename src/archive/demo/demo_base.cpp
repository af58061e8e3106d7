#include "archive/demo/demo_base.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "archive/demo/demo_random.h"
#include "archive/demo/demo_schema.h"
#include "text/cp1251_utf8.h"

namespace kestrin::archive::demo {
namespace {

using dbf::CivilDate;
using dbf::DbfWriter;
using dbf::FieldValue;

std::string cp(const char* utf8) { return text::utf8ToCp1251(utf8); }

std::vector<std::string> cpList(std::initializer_list<const char*> items) {
  std::vector<std::string> out;
  for (const char* item : items) out.push_back(cp(item));
  return out;
}

std::string key7(int n) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%7d", n);
  return buffer;
}

struct Vocabulary {
  std::vector<std::string> institutions =
      cpList({"Управление сельского хозяйства", "Городской отдел народного образования", "Завод «Красный металлист»",
              "Губернская земская управа", "Исполнительный комитет районного Совета", "Товарищество «Заря»",
              "Отдел здравоохранения", "Статистическое управление", "Педагогический институт", "Окружной суд"});
  std::vector<std::string> places =
      cpList({"Ярославской губернии", "г. Рыбинска", "Угличского уезда", "Ростовского района", "г. Ярославля"});
  std::vector<std::string> subjects =
      cpList({"Приказы по основной деятельности", "Протоколы заседаний", "Переписка с учреждениями", "Годовой отчёт",
              "Списки личного состава", "Сметы и финансовые отчёты", "Документы о строительстве школы",
              "Статистические сведения о посевах", "Личные дела сотрудников", "Фотографии демонстрации"});
  std::vector<std::string> kinds = cpList({"приказ", "протокол", "письмо", "отчёт", "доклад", "решение"});
  std::string fondPrefix = cp("Р");
};

// A record under construction, with values set by field name.
class RecordBuilder {
 public:
  explicit RecordBuilder(const std::vector<dbf::FieldSpec>& fields) : fields_(fields), values_(fields.size()) {}
  RecordBuilder& set(const char* name, FieldValue value) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
      if (fields_[i].name == name) {
        values_[i] = std::move(value);
        return *this;
      }
    }
    throw std::invalid_argument(std::string("no demo field ") + name);
  }
  const std::vector<FieldValue>& values() const { return values_; }

 private:
  const std::vector<dbf::FieldSpec>& fields_;
  std::vector<FieldValue> values_;
};

void progress(const DemoOptions& options, const std::string& message) {
  if (options.progress) options.progress(message);
}

}  // namespace

DemoCounts writeDemoLevelTables(const std::string& baseFolder, const DemoOptions& options) {
  namespace fs = std::filesystem;
  const Vocabulary words;
  DemoRandom random(options.seed);
  DemoCounts counts;

  const auto fondSchema = fondFields();
  const auto opisSchema = opisFields();
  const auto deloSchema = deloFields();
  const auto documSchema = documFields();
  DbfWriter fonds((fs::path(baseFolder) / "FOND.DBF").string(), fondSchema);
  DbfWriter inventories((fs::path(baseFolder) / "OPIS.DBF").string(), opisSchema);
  DbfWriter files((fs::path(baseFolder) / "DELO.DBF").string(), deloSchema);
  DbfWriter documents((fs::path(baseFolder) / "DOCUM.DBF").string(), documSchema);

  for (int f = 1; f <= options.fonds; ++f) {
    const int firstYear = random.between(1900, 1960);
    const int lastYear = firstYear + random.between(0, 40);
    const std::string name = random.pick(words.institutions) + " " + random.pick(words.places);
    const int inventoryCount = random.between(1, std::max(1, options.inventoriesPerFond));
    char number[16];
    if (random.chance(70)) {
      std::snprintf(number, sizeof number, "%s-%5d ", words.fondPrefix.c_str(), f * 7);
    } else {
      std::snprintf(number, sizeof number, "%7d ", f * 7);
    }
    RecordBuilder fond(fondSchema);
    fond.set("KOD", key7(f));
    fond.set("FKOD", std::string(number));
    fond.set("FNAME", name);
    fond.set("A1", name + cp(" (полное наименование)"));
    fond.set("A3", 1.0 * random.between(0, 3));
    fond.set("A4", 1.0 * random.between(1, 10));
    fond.set("A5", 1.0 * inventoryCount);
    fond.set("A7", 1.0 * firstYear);
    fond.set("A9", 1.0 * lastYear);
    fond.set("A16", 0.0);  // A16, filled below
    fond.set("A100", random.chance(85) ? 1.0 : 1.0 * random.between(2, 5));
    fonds.addRecord(fond.values(), random.chance(5));
    ++counts.fonds;

    for (int o = 1; o <= inventoryCount; ++o) {
      const int opisKey = ++counts.inventories;
      const int fileCount = random.between(1, std::max(1, options.filesPerInventory));
      char okod[16];
      std::snprintf(okod, sizeof okod, "%3d  %-3s", o, o == 1 ? "" : "1");
      RecordBuilder opis(opisSchema);
      opis.set("KOD", key7(opisKey));
      opis.set("FOND", key7(f));
      opis.set("OKOD", std::string(okod));
      opis.set("ONAME", cp("Опись дел постоянного хранения за ") + std::to_string(firstYear) + "-" +
                            std::to_string(lastYear) + cp(" гг."));
      opis.set("G1", 1.0 * random.between(1, 10));
      opis.set("G2", 1.0 * random.between(0, 3));
      opis.set("G3", 1.0 * firstYear);
      opis.set("G5", 1.0 * lastYear);
      opis.set("G7", 1.0 * fileCount);
      opis.set("G15", random.chance(90) ? 1.0 : 2.0);
      if (random.chance(30))
        opis.set("G45", cp("Предисловие к описи: документы поступили в архив в ") + std::to_string(lastYear + 5) +
                            cp(" году."));
      inventories.addRecord(opis.values());

      for (int d = 1; d <= fileCount; ++d) {
        const int deloKey = ++counts.files;
        const int year = random.between(firstYear, lastYear);
        char l1[16];
        std::snprintf(l1, sizeof l1, "%8d  ", d);
        RecordBuilder delo(deloSchema);
        delo.set("KOD", key7(deloKey));
        delo.set("OPIS", key7(opisKey));
        delo.set("L1", std::string(l1));
        delo.set("L4", random.pick(words.subjects) + cp(" за ") + std::to_string(year) + cp(" г."));
        if (random.chance(25))
          delo.set("L5", cp("Аннотация: ") + random.pick(words.subjects) + " " + random.pick(words.places));
        delo.set("L8", CivilDate{year, random.between(1, 12), random.between(1, 28)});
        delo.set("L9", CivilDate{year, 12, random.between(1, 28)});
        if (random.chance(40)) delo.set("L10", std::to_string(year) + cp(" г."));
        delo.set("L11", 1.0 * random.between(1, 300));
        delo.set("L12", 1.0 * random.between(0, 3));
        delo.set("L13", 1.0 * random.between(1, 10));
        delo.set("L21", random.chance(10));
        files.addRecord(delo.values(), random.chance(3));

        const int documentCount = random.between(0, std::max(0, options.documentsPerFile));
        for (int t = 1; t <= documentCount; ++t) {
          RecordBuilder doc(documSchema);
          doc.set("KOD", key7(++counts.documents));
          doc.set("DELO", key7(deloKey));
          doc.set("T1", std::to_string(t));
          const std::string& kind = random.pick(words.kinds);
          if (random.chance(80)) {
            doc.set("T2", kind + " " + random.pick(words.institutions));
          } else {
            doc.set("T3", cp("Документ без заголовка: ") + kind);
          }
          doc.set("T7", kind);
          doc.set("T8", CivilDate{year, random.between(1, 12), random.between(1, 28)});
          documents.addRecord(doc.values());
        }
      }
    }
    if (f % 100 == 0) progress(options, "fonds: " + std::to_string(f));
  }
  fonds.finish();
  inventories.finish();
  files.finish();
  documents.finish();
  return counts;
}

}  // namespace kestrin::archive::demo
