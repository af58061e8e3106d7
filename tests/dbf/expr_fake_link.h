// A table held in memory for the expression tests: fields with raw record
// bytes, memo texts, and counters that show what the engine read.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dbf/base/errors.h"
#include "dbf/expr/dates.h"
#include "dbf/expr/handler.h"
#include "dbf/expr/table_link.h"
#include "text/cp1251_utf8.h"

namespace kestrin::dbf::testing {

inline std::string cp(std::string_view utf8) { return text::utf8ToCp1251(utf8); }

struct FakeField {
  std::string name;
  char type;
  int width;
  int decimals = 0;
};

class FakeTable : public ExprTableLink {
 public:
  explicit FakeTable(std::vector<FakeField> fields, std::string alias = "DELO")
      : alias_(std::move(alias)), fields_(std::move(fields)) {}

  // Adds a record; values are given in field order and padded to the width
  // (character and date fields on the right, numbers on the left).
  void addRecord(const std::vector<std::string>& values, std::vector<std::string> memos = {}) {
    std::vector<std::string> record;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
      std::string v = i < values.size() ? values[i] : "";
      const auto width = static_cast<std::size_t>(fields_[i].width);
      const char t = fields_[i].type;
      if (v.size() < width) {
        if (t == 'N' || t == 'F') {
          v.insert(0, width - v.size(), ' ');
        } else {
          v.append(width - v.size(), ' ');
        }
      }
      record.push_back(v);
    }
    records_.push_back(std::move(record));
    memos_.push_back(std::move(memos));
  }
  void go(std::size_t recno) { current_ = recno - 1; }

  int memoReads = 0;
  bool deleted = false;
  bool bof = false;
  bool eof = false;
  const OemTables* oem = nullptr;

  std::string_view alias() const override { return alias_; }
  int fieldCount() const override { return static_cast<int>(fields_.size()); }
  std::string_view fieldName(int f) const override { return field(f).name; }
  char fieldType(int f) const override { return field(f).type; }
  int fieldWidth(int f) const override { return field(f).width; }
  std::string_view fieldBytes(int f) override { return records_.at(current_).at(index(f)); }
  double fieldNumber(int f) override {
    std::string text(fieldBytes(f));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return 0;
    char* end = nullptr;
    const double v = std::strtod(text.c_str() + first, &end);
    if (*end != '\0') throw EDbfError("Invalid numeric value in field %s", {field(f).name});
    return v;
  }
  double fieldJulian(int f) override {
    const auto day = expr_detail::dayNumberFromText(fieldBytes(f), "dd.MM.yyyy");
    if (!day) throw EDbfError("Invalid date in field %s", {field(f).name});
    return *day;
  }
  bool fieldLogical(int f) override {
    const std::string_view b = fieldBytes(f);
    return !b.empty() && std::string_view("TtYyJj").find(b[0]) != std::string_view::npos;
  }
  void readMemo(int f, std::string& text) override {
    ++memoReads;
    const auto& memos = memos_.at(current_);
    const std::size_t slot = memoSlot(f);
    text = slot < memos.size() ? memos[slot] : std::string();
  }
  std::int64_t recordNumber() override { return static_cast<std::int64_t>(current_ + 1); }
  bool isDeleted() override { return deleted; }
  bool isBof() override { return bof; }
  bool isEof() override { return eof; }
  const OemTables* oemTables() const override { return oem; }

 private:
  std::size_t index(int f) const { return static_cast<std::size_t>(f - 1); }
  const FakeField& field(int f) const { return fields_.at(index(f)); }
  // Memo texts are given in the order of the memo fields.
  std::size_t memoSlot(int f) const {
    std::size_t slot = 0;
    for (int i = 1; i < f; ++i) slot += field(i).type == 'M';
    return slot;
  }

  std::string alias_;
  std::vector<FakeField> fields_;
  std::vector<std::vector<std::string>> records_;
  std::vector<std::vector<std::string>> memos_;
  std::size_t current_ = 0;
};

// The archive's file table in small: the shapes the searches use.
inline FakeTable makeDeloTable() {
  FakeTable t({{"KOD", 'C', 7},
               {"NAME", 'C', 20},
               {"L4", 'C', 40},
               {"L5", 'M', 10},
               {"A100", 'N', 3},
               {"SUM", 'N', 8, 2},
               {"D1", 'D', 8},
               {"OK", 'L', 1},
               {"BIN", 'I', 4},
               {"STAMP", 'T', 8},
               {"PIC", 'G', 10}});
  return t;
}

// The result of one evaluation, copied out of the handler.
struct Evaluated {
  ExprKind kind = ExprKind::Unknown;
  bool isNull = true;
  std::string text;
  double number = 0;
  bool logical = false;
};

inline Evaluated copyResult(const ExprValue& v) {
  return Evaluated{v.kind, v.isNull(), std::string(v.asText()), v.asNumber(), v.asBoolean()};
}

// Compiles (text given in UTF-8) and evaluates once.
inline Evaluated evaluateText(std::string_view utf8, ExprTableLink* link = nullptr, ExprOptions options = {}) {
  ExprHandler handler(link, {}, {}, options);
  handler.setExpression(cp(utf8));
  return copyResult(handler.evaluate());
}

// The message of the EDbfExpression that compiling and evaluating raises, or
// "" when there is none.
inline std::string errorOf(std::string_view utf8, ExprTableLink* link = nullptr, ExprOptions options = {}) {
  try {
    evaluateText(utf8, link, options);
  } catch (const EDbfExpression& e) {
    return text::cp1251ToUtf8(e.what());
  }
  return "";
}

}  // namespace kestrin::dbf::testing
