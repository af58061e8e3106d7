// The writer behind writeDemoBase: walks the planned fonds and streams the
// records of every table, gathering index keys, storage places and the files
// of photographs on the way. Fonds, inventories and the tables around them
// are in demo_writer.cpp, files and documents in demo_writer_files.cpp.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "demo/demo_base.h"
#include "demo/demo_fond_plan.h"
#include "demo/demo_indexes.h"
#include "demo/demo_random.h"
#include "demo/demo_tables.h"

namespace kestrin::demo {

class DemoBaseWriter {
 public:
  DemoBaseWriter(const std::filesystem::path& folder, const DemoOptions& options);
  ~DemoBaseWriter();

  // Writes everything; call once.
  DemoCounts run();
  const std::vector<PhotoFile>& photoFiles() const { return photoFiles_; }

 private:
  // The fields of the two largest tables, found once.
  struct DeloColumns {
    explicit DeloColumns(const DemoTable& t)
        : kod(t.column("KOD")),
          opis(t.column("OPIS")),
          l1(t.column("L1")),
          l4(t.column("L4")),
          l5(t.column("L5")),
          l6(t.column("L6")),
          l8(t.column("L8")),
          l9(t.column("L9")),
          l10(t.column("L10")),
          l11(t.column("L11")),
          l12(t.column("L12")),
          l13(t.column("L13")),
          l14(t.column("L14")),
          l21(t.column("L21")) {}
    std::size_t kod, opis, l1, l4, l5, l6, l8, l9, l10, l11, l12, l13, l14, l21;
  };

  struct DocColumns {
    explicit DocColumns(const DemoTable& t)
        : kod(t.column("KOD")),
          delo(t.column("DELO")),
          t1(t.column("T1")),
          t2(t.column("T2")),
          t3(t.column("T3")),
          t4(t.column("T4")),
          t6(t.column("T6")),
          t7(t.column("T7")),
          t8(t.column("T8")),
          t9(t.column("T9")),
          t10(t.column("T10")),
          t11(t.column("T11")),
          t12(t.column("T12")),
          t15(t.column("T15")),
          t16(t.column("T16")),
          t17(t.column("T17")) {}
    std::size_t kod, delo, t1, t2, t3, t4, t6, t7, t8, t9, t10, t11, t12, t15, t16, t17;
  };

  // demo_writer.cpp
  void writeFond(const FondPlan& fond);
  void writeDraftFond();
  void writeRenamings(const FondPlan& fond, const std::string& fondKey);
  void writeFondKeywords(const FondPlan& fond, const std::string& fondKey);
  void writeInventory(const FondPlan& fond, const InventoryPlan& inventory, const std::string& fondKey,
                      const std::string& place);
  void writeTopography(const std::string& opisKey, const std::string& place);
  void writeRubrics(const std::string& opisKey);
  void writeKeyword(DemoTable& table, const std::string& key, const std::string& word);
  void finishTables();
  void writeIndexes();
  void writeStorageList();
  // Whether the record about to be written into `table` is a deleted one.
  bool deleteNext(DemoTable& table, int perMille);
  void progress(const std::string& message) const;

  // demo_writer_files.cpp
  void writeFiles(const FondPlan& fond, const InventoryPlan& inventory, const std::string& opisKey);
  void writeFile(const FondPlan& fond, const InventoryPlan& inventory, const std::string& opisKey,
                 const FileNumber& number, bool deleted);
  void writeDocuments(const std::string& deloKey, int fromYear, int toYear);
  void writePhotoRecord(const std::string& deloKey, int year);
  void notePhotoFolder(const FondPlan& fond, const InventoryPlan& inventory, const FileNumber& number,
                       const std::string& title, int year);

  std::filesystem::path folder_;
  DemoOptions options_;
  DemoRandom random_;
  FondNumbering numbering_;

  DemoTable fond_, opis_, delo_, doc_, rename_, top_, deloPhoto_, rubr_;
  DemoTable persona1_, geograf1_, tematik1_, persona2_, geograf2_, tematik2_;
  DeloColumns deloColumns_{delo_};
  DocColumns docColumns_{doc_};
  std::vector<TagKeys> tagKeys_;  // in the order of demoTags()
  TagKeys* fondNumberKeys_ = nullptr;
  TagKeys* fondNameKeys_ = nullptr;
  TagKeys* fileKeys_ = nullptr;
  TagKeys* documentKeys_ = nullptr;
  TagKeys* renamingKeys_ = nullptr;
  TagKeys* topographyKeys_ = nullptr;

  std::string storageList_;  // Hran.txt
  std::vector<PhotoFile> photoFiles_;
  int photoChancePerMillion_ = 1000000;
  DemoCounts counts_;
  long long nextProgress_ = 0;
};

}  // namespace kestrin::demo
