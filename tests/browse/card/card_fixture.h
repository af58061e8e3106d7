// The crafted card base opened as the program opens it, with a card builder
// over it, and the card written out as lines a test can compare.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/model/archive_schema.h"
#include "archive/model/index_order.h"
#include "archive/model/storage_places.h"
#include "browse/card/card_builder.h"
#include "browse/card/card_test_base.h"
#include "support/temp_dir.h"

namespace kestrin::browse::testing {

class CardFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    writeCardBase(dir_.path());
    using archive::ArchiveCursor;
    open(fond_, ArchiveCursor::Fond);
    open(opis_, ArchiveCursor::Opis);
    open(delo_, ArchiveCursor::Delo);
    open(doc_, ArchiveCursor::Doc);
    open(rename_, ArchiveCursor::Rename);
    open(top_, ArchiveCursor::Top);
    open(deloPhoto_, ArchiveCursor::DeloPhoto);
    places_ = archive::StoragePlaces(archive::loadStorageList(dir_.path()));
    builder_ = std::make_unique<CardBuilder>(
        CardTables{&fond_, &opis_, &delo_, &doc_, &rename_, &top_, &deloPhoto_, &places_}, dbf::RegionalSettings{});
  }

  void open(dbf::TableCursor& cursor, archive::ArchiveCursor which) {
    archive::setUpArchiveCursor(cursor, which);
    cursor.setDatabaseName(dir_.path());
    archive::openArchiveCursor(cursor, which);
  }

  dbf::TableCursor& cursorOf(archive::Level level) {
    dbf::TableCursor* cursors[] = {&fond_, &opis_, &delo_, &doc_};
    return *cursors[static_cast<int>(level)];
  }

  // The card of record `recno` of the level, clicked.
  std::optional<Card> cardOf(archive::Level level, int recno, const CardQuery& query = {"", HighlightMode::Number}) {
    cursorOf(level).gotoRecNo(recno);
    return builder_->build(level, query);
  }

  kestrin::testing::TempDir dir_{"kestrin-card-test"};
  dbf::TableCursor fond_, opis_, delo_, doc_, rename_, top_, deloPhoto_;
  archive::StoragePlaces places_;
  std::unique_ptr<CardBuilder> builder_;
};

// A line as "<size><b|-><g|-> text" in UTF-8: "+2b- Ф.12." is bold at base + 2
// in the text colour; sizes "0" (base), "+2", "10".
inline std::string listed(const CardLine& line) {
  const char* size = line.size == CardSize::Base ? "0" : line.size == CardSize::BasePlus2 ? "+2" : "10";
  return std::string(size) + (line.bold ? "b" : "-") + (line.colour == CardColor::Grey ? "g" : "-") + " " +
         text::cp1251ToUtf8(line.text);
}

inline std::vector<std::string> listing(const Card& card) {
  std::vector<std::string> lines;
  for (const CardLine& line : card.lines) lines.push_back(listed(line));
  return lines;
}

}  // namespace kestrin::browse::testing
