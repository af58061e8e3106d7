#include "entries/expr_fuzz_entry.h"

#include <array>
#include <string>
#include <string_view>

#include "dbf/expr/dates.h"
#include "dbf/expr/handler.h"

namespace kestrin::fuzz {
namespace {

using namespace std::string_view_literals;

struct MemoryField {
  std::string_view name;
  char type;
  int width;
};

constexpr std::array<MemoryField, 9> kFields = {{{"KOD", 'C', 7},
                                                 {"NAME", 'C', 20},
                                                 {"L5", 'M', 10},
                                                 {"A100", 'N', 3},
                                                 {"SUM", 'N', 8},
                                                 {"D1", 'D', 8},
                                                 {"OK", 'L', 1},
                                                 {"BIN", 'I', 4},
                                                 {"PIC", 'G', 10}}};

struct MemoryRecord {
  std::array<std::string_view, 9> bytes;
  double numbers[3];  // A100, SUM, BIN
  std::string_view memo;
};

// Three records: ordinary values, blanks, and awkward bytes.
const std::array<MemoryRecord, 3> kRecords = {{
    {{"     12"sv, "Archive word        "sv, "         1"sv, "  1"sv, "   12.50"sv, "19800102"sv, "T"sv, "\x01\0\0\0"sv,
      "         0"sv},
     {1, 12.5, 1},
     "memo text"sv},
    {{"       "sv, "                    "sv, "          "sv, "   "sv, "        "sv, "        "sv, " "sv, "    "sv,
      "          "sv},
     {0, 0, 0},
     ""sv},
    {{"*\xFF\0  \x7F "sv, "\xC0\xE0\xA8\xB8???***  \"'[]{}  "sv, "         2"sv, "-99"sv, "-1234.56"sv, "20000229"sv,
      "y"sv, "\xFF\xFF\xFF\xFF"sv, "\0\0\0\0\0\0\0\0\0\0"sv},
     {-99, -1234.56, -1},
     "\0\xFF*?"sv},
}};

class MemoryTable final : public dbf::ExprTableLink {
 public:
  void go(std::size_t index) { current_ = index; }

  std::string_view alias() const override { return "DELO"; }
  int fieldCount() const override { return static_cast<int>(kFields.size()); }
  std::string_view fieldName(int f) const override { return field(f).name; }
  char fieldType(int f) const override { return field(f).type; }
  int fieldWidth(int f) const override { return field(f).width; }
  std::string_view fieldBytes(int f) override { return record().bytes[static_cast<std::size_t>(f - 1)]; }
  double fieldNumber(int f) override {
    return f == 4 ? record().numbers[0] : f == 5 ? record().numbers[1] : record().numbers[2];
  }
  double fieldJulian(int f) override {
    return dbf::expr_detail::dayNumberFromText(fieldBytes(f), "dd.MM.yyyy").value_or(0.0);
  }
  bool fieldLogical(int f) override {
    const std::string_view b = fieldBytes(f);
    return !b.empty() && std::string_view("TtYyJj").find(b[0]) != std::string_view::npos;
  }
  void readMemo(int, std::string& text) override { text.assign(record().memo); }
  std::int64_t recordNumber() override { return static_cast<std::int64_t>(current_ + 1); }
  bool isDeleted() override { return current_ == 2; }
  bool isBof() override { return current_ == 0; }
  bool isEof() override { return false; }

 private:
  const MemoryField& field(int f) const { return kFields[static_cast<std::size_t>(f - 1)]; }
  const MemoryRecord& record() const { return kRecords[current_]; }
  std::size_t current_ = 0;
};

}  // namespace

bool evaluateExpressionInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return false;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  MemoryTable table;
  dbf::ExprOptions options;
  options.caseInsensitive = (data[0] & 1) != 0;
  options.partialCompare = (data[0] & 2) == 0;
  try {
    dbf::ExprHandler handler(&table, "DELO", text, options);
    handler.getText();
    handler.listNames(dbf::ExprHandler::kFieldClassId);
    for (std::size_t r = 0; r < kRecords.size(); ++r) {
      table.go(r);
      try {
        handler.evaluate();
        dbf::ExprKeyValue key;
        handler.evaluateKey(key);
      } catch (const dbf::EDbfError&) {
        // an evaluation fault on one record does not end the others
      }
    }
    return true;
  } catch (const dbf::EDbfError&) {
    return false;
  }
}

}  // namespace kestrin::fuzz
