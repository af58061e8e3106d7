#include "app/base_tables.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "app/folders.h"
#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "archive/model/code_tables.h"
#include "archive/model/index_order.h"
#include "dbf/base/file_name.h"
#include "text/cp1251_literal.h"

namespace kestrin::app {

using namespace text::literals;

BaseTables::BaseTables() {
  using archive::ArchiveCursor;
  archive::setUpArchiveCursor(fond, ArchiveCursor::Fond);
  archive::setUpArchiveCursor(opis, ArchiveCursor::Opis);
  archive::setUpArchiveCursor(delo, ArchiveCursor::Delo);
  archive::setUpArchiveCursor(doc, ArchiveCursor::Doc);
  archive::setUpArchiveCursor(rename, ArchiveCursor::Rename);
  archive::setUpArchiveCursor(top, ArchiveCursor::Top);
  archive::setUpArchiveCursor(deloPhoto, ArchiveCursor::DeloPhoto);
  archive::setUpArchiveCursor(temp, ArchiveCursor::Temp);
  archive::setUpArchiveCursor(rubr, ArchiveCursor::Rubr);
}

std::array<dbf::TableCursor*, 9> BaseTables::all() {
  return {&fond, &opis, &delo, &deloPhoto, &doc, &rename, &top, &temp, &rubr};
}

dbf::TableCursor& BaseTables::level(archive::Level level) {
  switch (level) {
    case archive::Level::Fonds:
      return fond;
    case archive::Level::Inventories:
      return opis;
    case archive::Level::Files:
      return delo;
    case archive::Level::Documents:
      return doc;
  }
  return fond;
}

namespace {

bool sameNameNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::string openFailureText(const OpenFailure& failure) {
  if (failure.indexOnly) {
    return std::string("Индексный файл "_cp1251) + failure.file +
           std::string(" поврежден, список показан без сортировки."_cp1251);
  }
  return std::string("Таблица "_cp1251) + failure.file +
         std::string(" повреждена или занята другой программой."_cp1251);
}

std::string memoFaultText(const std::string& tableName) {
  const std::string memo = std::filesystem::path(tableName).stem().string() + ".FPT";
  return std::string("Файл "_cp1251) + memo +
         std::string(" не найден или повреждён: тексты из него в списке не показаны."_cp1251);
}

const OpenFailure* BaseTables::tableFailure(const dbf::TableCursor& table) const {
  if (table.active()) return nullptr;
  for (const auto& failure : openFailures) {
    if (!failure.indexOnly && sameNameNoCase(failure.file, table.tableName())) return &failure;
  }
  return nullptr;
}

namespace {

std::string fileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// Opens `cursor`; when that fails with index files attached and succeeds
// without them, the table shows in record order and its index is the fault.
// A failure is kept and the opening of the other tables goes on.
void openKeepingFailures(BaseTables& tables, dbf::TableCursor& cursor, archive::ArchiveCursor which) {
  try {
    archive::openArchiveCursor(cursor, which);
    return;
  } catch (const std::exception& error) {
    cursor.close();
    if (!cursor.indexFiles().empty()) {
      const std::string index = cursor.indexFiles().front();
      cursor.clearIndexFiles();
      try {
        archive::openArchiveCursor(cursor, which);
        tables.damagedIndexes.add(index);
        tables.openFailures.push_back({fileNameOf(index), true, error.what()});
        return;
      } catch (const std::exception& again) {
        cursor.close();
        tables.openFailures.push_back({cursor.tableName(), false, again.what()});
        return;
      }
    }
    tables.openFailures.push_back({cursor.tableName(), false, error.what()});
  }
}

}  // namespace

DroppedIndex dropDamagedIndex(BaseTables& tables, std::string_view engineMessage) {
  DroppedIndex dropped;
  for (dbf::TableCursor* cursor : {&tables.fond, &tables.opis, &tables.delo, &tables.doc}) {
    for (const std::string& index : cursor->indexFiles()) {
      const std::string name = fileNameOf(index);
      if (engineMessage.find(name) == std::string_view::npos) continue;
      dropped.file = name;
      dropped.firstTime = tables.damagedIndexes.add(name) || dropped.firstTime;
      cursor->clearIndexFiles();
      break;
    }
  }
  return dropped;
}

void dropIndexFilesOfOtherFolders(dbf::TableCursor& cursor, const std::string& baseFolder) {
  const std::filesystem::path folder = std::filesystem::path(withTrailingSeparator(baseFolder)).parent_path();
  std::vector<std::string> kept;
  for (const auto& name : cursor.indexFiles()) {
    const std::filesystem::path parent = std::filesystem::path(name).parent_path();
    if (parent.empty() || parent == folder) kept.push_back(name);
  }
  if (kept.size() == cursor.indexFiles().size()) return;
  cursor.setIndexFiles(kept);
  if (kept.empty()) cursor.clearIndexFiles();
}

void openBaseTables(BaseTables& tables, const std::string& baseFolder, const StatusSink& status) {
  for (auto* cursor : tables.all()) {
    cursor->close();
    cursor->setDatabaseName(baseFolder);
  }
  // The file and document lists keep the index files they were given, but
  // never those of another base folder.
  dropIndexFilesOfOtherFolders(tables.delo, baseFolder);
  dropIndexFilesOfOtherFolders(tables.doc, baseFolder);
  tables.openFailures.clear();
  tables.damagedIndexes.clear();
  const auto exists = [&](const char* name) { return dbf::fileExistsNoCase(baseFolder, name); };

  if (exists("fond.dbf")) {
    status("Загрузка: фонды..."_cp1251);
    tables.fond.setFilter(std::string(archive::kFondsPresentFilter));
    tables.fond.setFiltered(true);
    archive::applyIndexOrder(tables.fond, baseFolder, "fond.cdx", "FKOD");
    openKeepingFailures(tables, tables.fond, archive::ArchiveCursor::Fond);
  }
  if (exists("opis.dbf")) {
    status("Загрузка: описи..."_cp1251);
    openKeepingFailures(tables, tables.opis, archive::ArchiveCursor::Opis);
    tables.opis.setFilter(std::string(archive::kInventoriesPresentFilter));
    if (tables.opis.active()) tables.opis.setFiltered(true);
    tables.opis.clearIndexFiles();
  }
  if (exists("delo.dbf")) {
    status("Загрузка: дела..."_cp1251);
    openKeepingFailures(tables, tables.delo, archive::ArchiveCursor::Delo);
  }
  if (exists("docum.dbf")) {
    status("Загрузка: документы..."_cp1251);
    openKeepingFailures(tables, tables.doc, archive::ArchiveCursor::Doc);
  }
  if (exists("fond3.dbf")) {
    status("Загрузка: переименования..."_cp1251);
    archive::applyIndexOrder(tables.rename, baseFolder, "fond3.cdx", "FOND");
    openKeepingFailures(tables, tables.rename, archive::ArchiveCursor::Rename);
  }
  if (exists("opis2.dbf")) {
    status("Загрузка: топография..."_cp1251);
    archive::applyIndexOrder(tables.top, baseFolder, "opis2.cdx", "OPIS");
    openKeepingFailures(tables, tables.top, archive::ArchiveCursor::Top);
  }
  if (exists("delo5.dbf")) {
    status("Загрузка: фото..."_cp1251);
    tables.deloPhoto.clearIndexFiles();
    openKeepingFailures(tables, tables.deloPhoto, archive::ArchiveCursor::DeloPhoto);
  }
  // A failure is not "loaded": the caption names the first one instead.
  status(tables.openFailures.empty() ? std::string("Загружено."_cp1251) : openFailureText(tables.openFailures.front()));
}

}  // namespace kestrin::app
