#include "app/base_tables.h"

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
  const auto exists = [&](const char* name) { return dbf::fileExistsNoCase(baseFolder, name); };

  if (exists("fond.dbf")) {
    status("Загрузка: фонды..."_cp1251);
    tables.fond.setFilter(std::string(archive::kFondsPresentFilter));
    tables.fond.setFiltered(true);
    archive::applyIndexOrder(tables.fond, baseFolder, "fond.cdx", "FKOD");
    archive::openArchiveCursor(tables.fond, archive::ArchiveCursor::Fond);
  }
  if (exists("opis.dbf")) {
    status("Загрузка: описи..."_cp1251);
    archive::openArchiveCursor(tables.opis, archive::ArchiveCursor::Opis);
    tables.opis.setFilter(std::string(archive::kInventoriesPresentFilter));
    tables.opis.setFiltered(true);
    tables.opis.clearIndexFiles();
  }
  if (exists("delo.dbf")) {
    status("Загрузка: дела..."_cp1251);
    archive::openArchiveCursor(tables.delo, archive::ArchiveCursor::Delo);
  }
  if (exists("docum.dbf")) {
    status("Загрузка: документы..."_cp1251);
    archive::openArchiveCursor(tables.doc, archive::ArchiveCursor::Doc);
  }
  if (exists("fond3.dbf")) {
    status("Загрузка: переименования..."_cp1251);
    archive::applyIndexOrder(tables.rename, baseFolder, "fond3.cdx", "FOND");
    archive::openArchiveCursor(tables.rename, archive::ArchiveCursor::Rename);
  }
  if (exists("opis2.dbf")) {
    status("Загрузка: топография..."_cp1251);
    archive::applyIndexOrder(tables.top, baseFolder, "opis2.cdx", "OPIS");
    archive::openArchiveCursor(tables.top, archive::ArchiveCursor::Top);
  }
  if (exists("delo5.dbf")) {
    status("Загрузка: фото..."_cp1251);
    tables.deloPhoto.clearIndexFiles();
    archive::openArchiveCursor(tables.deloPhoto, archive::ArchiveCursor::DeloPhoto);
  }
  status("Загружено."_cp1251);
}

}  // namespace kestrin::app
