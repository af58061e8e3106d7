// The parents a card names: always the record's own, whatever was shown
// before, and read without touching the level cursors the user looks at.
#include <gtest/gtest.h>

#include "browse/card/card_fixture.h"

namespace kestrin::browse::testing {
namespace {

using archive::Level;

class CardParentsTest : public CardFixture {};

std::string header(const std::optional<Card>& card) {
  return card && !card->lines.empty() ? text::cp1251ToUtf8(card->lines.front().text) : "";
}

TEST_F(CardParentsTest, FileAfterAnInventoryOfAnotherFondNamesItsOwnFond) {
  EXPECT_EQ(header(cardOf(Level::Files, 1)), "Ф.12. Оп.12. Т.3. Д.45");
  EXPECT_EQ(header(cardOf(Level::Inventories, 2)), "Ф.р-7. Оп.12.");
  // Inventory 1 is still remembered; the fond remembered is now fond 2's.
  EXPECT_EQ(header(cardOf(Level::Files, 3)), "Ф.12. Оп.12. Т.3. Д.47");
  EXPECT_EQ(header(cardOf(Level::Documents, 4)), "Ф.р-7. Оп.12. Д.46");
  EXPECT_EQ(header(cardOf(Level::Documents, 2)), "Ф.12. Оп.12. Т.3. Д.47");
}

TEST_F(CardParentsTest, BrokenLinkAfterAFoundParentNamesNoStaleParent) {
  EXPECT_EQ(header(cardOf(Level::Inventories, 1)), "Ф.12. Оп.12. Т.3.");
  const auto card = cardOf(Level::Inventories, 3);
  EXPECT_EQ(header(card), "Ф.?. Оп.5.");
  for (const LabelText& label : card->labels) {
    EXPECT_EQ(text::cp1251ToUtf8(label.caption).find("12"), std::string::npos) << text::cp1251ToUtf8(label.caption);
  }
  EXPECT_EQ(header(cardOf(Level::Files, 4)), "Ф.?. Оп.?. Д.48");
}

TEST_F(CardParentsTest, LabelsNameTheParents) {
  const auto card = cardOf(Level::Files, 1);
  ASSERT_TRUE(card);
  ASSERT_EQ(card->labels.size(), 2u);
  EXPECT_EQ(card->labels[0].label, CardLabel::DeloFondNum);
  EXPECT_EQ(text::cp1251ToUtf8(card->labels[0].caption), "Ф.12");
  EXPECT_EQ(text::cp1251ToUtf8(card->labels[0].hint),
            "Показать информацию о фонде 12\rФонд \"Заря\"\rКолхоз \"Заря\" Ярославского района");
  EXPECT_EQ(card->labels[1].label, CardLabel::DeloOpisNum);
  EXPECT_EQ(text::cp1251ToUtf8(card->labels[1].caption), "Оп.12. Т.3");
  EXPECT_EQ(text::cp1251ToUtf8(card->labels[1].hint), "Показать информацию об описи 12. Т.3\rОпись дел N1");
  EXPECT_EQ(text::cp1251ToUtf8(card->statusHint.value_or("")), "Колхоз \"Заря\" Ярославского района");

  const auto fond = cardOf(Level::Fonds, 2);
  ASSERT_EQ(fond->labels.size(), 1u);
  EXPECT_EQ(fond->labels[0].label, CardLabel::OpisFondNum);
  EXPECT_EQ(text::cp1251ToUtf8(fond->labels[0].caption), "Ф.р-7");
}

TEST_F(CardParentsTest, PhotoListerGetsTheFileSubfolderAndItsCountIsShown) {
  std::vector<FilePhotoKey> asked;
  builder_->setPhotoLister([&](const FilePhotoKey& key) {
    asked.push_back(key);
    return 3;
  });
  const auto card = cardOf(Level::Files, 1);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], (FilePhotoKey{"12", text::utf8ToCp1251("12. Т.3"), "45"}));
  EXPECT_EQ(listed(card->lines[5]), "10-- Изображений: 3");
}

// What the user has on screen: filter, order and current record of the four
// level cursors stay as they were through cards of every level.
TEST_F(CardParentsTest, LevelCursorsKeepFilterOrderAndRecord) {
  fond_.setFilter("A100=1");
  fond_.setFiltered(true);
  opis_.setFilter("G15=1");
  opis_.setFiltered(true);
  delo_.setFilter("L13=6");
  delo_.setFiltered(true);
  fond_.gotoRecNo(2);
  opis_.gotoRecNo(2);
  delo_.gotoRecNo(2);
  struct State {
    std::string filter;
    bool filtered;
    std::vector<std::string> indexFiles;
    std::string indexName;
    int recno;
    bool operator==(const State&) const = default;
  };
  auto state = [](const dbf::TableCursor& c) {
    return State{c.filter(), c.filtered(), c.indexFiles(), c.indexName(), c.recNo()};
  };
  const std::vector<State> before = {state(fond_), state(opis_), state(delo_), state(doc_)};
  for (int recno = 1; recno <= 4; ++recno) {
    doc_.gotoRecNo(recno);
    ASSERT_TRUE(builder_->build(Level::Documents, {}));
  }
  doc_.gotoRecNo(1);
  ASSERT_TRUE(builder_->build(Level::Fonds, {}));
  ASSERT_TRUE(builder_->build(Level::Inventories, {}));
  ASSERT_TRUE(builder_->build(Level::Files, {}));
  const std::vector<State> after = {state(fond_), state(opis_), state(delo_), state(doc_)};
  EXPECT_TRUE(before == after);
}

TEST_F(CardParentsTest, EmptyListBuildsNoCardAndClosedTablesTheNoBaseCard) {
  opis_.setFilter("G15=3");
  opis_.setFiltered(true);
  EXPECT_FALSE(builder_->build(Level::Inventories, {}).has_value());
  doc_.close();
  EXPECT_FALSE(builder_->tablesOpen());
  EXPECT_EQ(builder_->build(Level::Fonds, {}), noBaseCard());
}

TEST_F(CardParentsTest, ReopenedTablesAreReadAfresh) {
  EXPECT_EQ(header(cardOf(Level::Inventories, 1)), "Ф.12. Оп.12. Т.3.");
  fond_.close();
  writeCardTable(dir_.path(), archive::ArchiveCursor::Fond, {{{"KOD", key(1)}, {"FKOD", std::string("     99 ")}}});
  fond_.open();
  EXPECT_EQ(header(cardOf(Level::Inventories, 1)), "Ф.99. Оп.12. Т.3.");
  builder_->forgetParents();
  EXPECT_EQ(header(cardOf(Level::Inventories, 1)), "Ф.99. Оп.12. Т.3.");
}

}  // namespace
}  // namespace kestrin::browse::testing
