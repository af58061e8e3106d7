// Dates of the demo archive in the archivists' own notation: "5-7 марта
// 1920", "1920-е", "нач. 1900-х", "[1925]", "1920-25", lists of days, and
// now and then a text no rule can read ("б/д", "1920 г.").
#pragma once

#include <optional>
#include <string>

#include "dbf/table/dbf_date.h"
#include "demo/demo_random.h"

namespace kestrin::demo {

struct ArchivalDates {
  std::string text;                     // L10 or T9; may be empty
  std::optional<dbf::CivilDate> first;  // L8 or T8
  std::optional<dbf::CivilDate> last;   // L9
};

// Extreme dates of a file whose documents begin in `year` and end by
// `later`: the free text and, as "Архивный Фонд" fills them in, the first and
// last dates that the text stands for (or dates alone, or nothing at all).
ArchivalDates fileDates(DemoRandom& random, int year, int later);

// The date of one document of `year`.
ArchivalDates documentDate(DemoRandom& random, int year);

// A valid day of `year`.
dbf::CivilDate randomDay(DemoRandom& random, int year);

}  // namespace kestrin::demo
