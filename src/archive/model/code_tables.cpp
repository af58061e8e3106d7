#include "archive/model/code_tables.h"

#include <array>

#include "archive/format/type_abbrev.h"
#include "text/cp1251_literal.h"

namespace kestrin::archive {
namespace {

using namespace text::literals;

constexpr CodeLabel kMovement[] = {
    {1, "наличие"_cp1251}, {2, "перед."_cp1251}, {3, "присоед."_cp1251}, {4, "утрач."_cp1251}, {5, "уничт."_cp1251},
};

constexpr CodeLabel kValue[] = {{1, "уник."_cp1251}, {2, "ОЦД"_cp1251}, {3, "ценные"_cp1251}};

constexpr int kCategories[] = {0, 1, 2, 3};

constexpr std::string_view kDocumentKinds[] = {
    "постановление"_cp1251, "решение"_cp1251,   "приказ"_cp1251,
    "распоряжение"_cp1251,  "циркуляр"_cp1251,  "положение"_cp1251,
    "устав"_cp1251,         "протокол"_cp1251,  "план"_cp1251,
    "отчёт"_cp1251,         "обзор"_cp1251,     "стат. отч."_cp1251,
    "стат. таблица"_cp1251, "доклад"_cp1251,    "докл. записка"_cp1251,
    "письмо"_cp1251,        "переписка"_cp1251, "перечни вопросов"_cp1251,
};

std::string_view labelOf(std::span<const CodeLabel> table, long long code) {
  for (const CodeLabel& entry : table) {
    if (entry.code == code) return entry.label;
  }
  return {};
}

}  // namespace

std::span<const CodeLabel> typeCodes() {
  static const auto table = [] {
    std::array<CodeLabel, 10> codes{};
    for (int code = 1; code <= 10; ++code) codes[static_cast<std::size_t>(code - 1)] = {code, typeAbbrev(code)};
    return codes;
  }();
  return table;
}

std::span<const CodeLabel> movementCodes() { return kMovement; }

std::string_view movementLabel(long long code) { return labelOf(kMovement, code); }

std::span<const CodeLabel> valueCodes() { return kValue; }

std::string_view valueLabel(long long code) { return labelOf(kValue, code); }

std::span<const int> categoryCodes() { return kCategories; }

std::span<const std::string_view> documentKinds() { return kDocumentKinds; }

}  // namespace kestrin::archive
