#include "archive/format/type_abbrev.h"

#include <array>

#include "text/cp1251_literal.h"

namespace kestrin::archive {

using namespace text::literals;

std::string_view typeAbbrev(long long typeCode) {
  static constexpr std::array<std::string_view, 10> kAbbrevs = {
      "упр."_cp1251, "л/п"_cp1251,  "НТД"_cp1251,   "л/с"_cp1251, "кино"_cp1251,
      "фото"_cp1251, "фоно"_cp1251, "видео"_cp1251, "МЧД"_cp1251, "м/ф-подл."_cp1251,
  };
  if (typeCode < 1 || typeCode > 10) return {};
  return kAbbrevs[static_cast<std::size_t>(typeCode - 1)];
}

}  // namespace kestrin::archive
