#include "demo/demo_dates.h"

#include <algorithm>
#include <cstdio>

#include "archive/format/date_range.h"
#include "demo/demo_vocabulary.h"
#include "text/cp1251_literal.h"

namespace kestrin::demo {
namespace {

using namespace text::literals;

constexpr std::size_t kDateTextWidth = 30;  // L10 and T9

std::string number(int n) { return std::to_string(n); }

std::string twoDigits(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", n % 100);
  return buffer;
}

std::string dotted(const dbf::CivilDate& d) {
  return twoDigits(d.day) + "." + twoDigits(d.month) + "." + number(d.year);
}

std::string monthGenitive(int month) {
  return std::string(words::monthsGenitive()[static_cast<std::size_t>(month - 1)]);
}
std::string monthNominative(int month) {
  return std::string(words::monthsNominative()[static_cast<std::size_t>(month - 1)]);
}

dbf::CivilDate civil(const std::chrono::year_month_day& ymd) {
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

// The text with the dates the program's own rules read from it; texts that
// the rules cannot read keep dates of the years around them, or none.
ArchivalDates withParsedDates(std::string text, DemoRandom& random, int fromYear, int toYear) {
  if (text.size() > kDateTextWidth) text = number(fromYear);  // the two long forms of a range may not fit
  ArchivalDates out;
  const archive::DateRange range = archive::parseDateRange(text);
  if (range.ok) {
    out.first = civil(range.start);
    out.last = civil(range.end);
  } else if (random.chance(50)) {
    out.first = dbf::CivilDate{fromYear, 1, 1};
    out.last = dbf::CivilDate{toYear, 12, 31};
  }
  out.text = std::move(text);
  return out;
}

std::string unreadableText(DemoRandom& random, int fromYear, int toYear) {
  switch (random.between(1, 6)) {
    case 1:
      return std::string("б/д"_cp1251);
    case 2:
      return number(fromYear) + std::string(" г."_cp1251);
    case 3:
      return "0." + number(fromYear) + " - 0." + number(toYear);
    case 4:
      return fromYear < 1901 ? std::string("XIX в."_cp1251) : std::string("XX в."_cp1251);
    case 5:
      return number(fromYear) + "-" + number(toYear) + std::string(" гг."_cp1251);
    default:
      return std::string("не ранее "_cp1251) + number(fromYear);
  }
}

}  // namespace

dbf::CivilDate randomDay(DemoRandom& random, int year) { return {year, random.between(1, 12), random.between(1, 28)}; }

ArchivalDates fileDates(DemoRandom& random, int year, int later) {
  const int month = random.between(1, 12);
  const int day = random.between(1, 26);
  const std::string y = number(year);
  // The last day of December, early or late, after any day of the first year.
  const dbf::CivilDate lastDay{later, 12, later > year ? random.between(1, 28) : 31};
  const int roll = random.between(1, 100);
  if (roll <= 14) {  // dates only, no text
    ArchivalDates out;
    out.first = randomDay(random, year);
    if (random.chance(80)) out.last = lastDay;
    return out;
  }
  if (roll <= 17) return {};  // nothing: "н/д"
  std::string text;
  if (roll <= 30) {
    text = y;
  } else if (roll <= 38) {
    text = number(day) + "-" + number(day + random.between(1, 2)) + " " + monthGenitive(month) + " " + y;
  } else if (roll <= 44) {
    text = number(day) + " " + monthGenitive(month) + " " + y;
  } else if (roll <= 50) {
    const int from = std::min(month, 11);
    text = monthNominative(from) + "-" + monthNominative(std::min(12, from + random.between(1, 3))) + " " + y;
  } else if (roll <= 56) {
    const int end = year + random.between(1, 9);
    text = y + "-" + twoDigits(end % 100 < year % 100 ? 99 : end % 100);
  } else if (roll <= 63) {
    text = y + "-" + number(later);
  } else if (roll <= 66) {
    const int decade = year / 10 * 10;
    // "20-е" means the 1920s to the program: only decades of that century drop their first digits.
    const bool short20th = decade >= 1900 && decade < 2000 && random.chance(30);
    text = (short20th ? twoDigits(decade) : number(decade)) + std::string("-е"_cp1251);
  } else if (roll <= 70) {
    static constexpr std::string_view kParts[] = {"нач. "_cp1251, "начало "_cp1251, "сер. "_cp1251, "конец "_cp1251,
                                                  "кон. "_cp1251};
    const bool century = random.chance(30);
    const int base = century ? year / 100 * 100 : year / 10 * 10;
    text =
        std::string(random.pick(std::span<const std::string_view>(kParts))) + number(base) + std::string("-х"_cp1251);
  } else if (roll <= 74) {
    text = "[" + y + "]";
  } else if (roll <= 77) {
    text = number(day) + "," + number(day + random.between(2, 3)) + " " + monthGenitive(month) + " " + y;
  } else if (roll <= 83) {
    text = dotted(randomDay(random, year)) + "-" + dotted(lastDay);
  } else if (roll <= 85) {
    text = dotted(randomDay(random, year)) + " " + dotted(lastDay);
  } else if (roll <= 87) {
    text = number(day) + " " + monthGenitive(month) + " " + y + " " + number(random.between(1, 28)) + " " +
           monthGenitive(random.between(1, 12)) + " " + number(later + 1);
  } else if (roll <= 89) {
    text = (random.chance(60) ? "" : "[") + monthNominative(1) + "-" + monthNominative(12) + " " + y;
    if (text[0] == '[') text += "]";
  } else if (roll <= 90) {
    text = number(day) + monthGenitive(month) + y;  // typed without blanks
  } else if (roll <= 93) {
    text = twoDigits(month) + "." + y;
  } else if (roll <= 95) {
    const int from = std::min(month, 10);
    text = number(from) + "-" + number(from + 2) + "." + y;
  } else {
    text = unreadableText(random, year, later);
  }
  return withParsedDates(std::move(text), random, year, later);
}

ArchivalDates documentDate(DemoRandom& random, int year) {
  const dbf::CivilDate day = randomDay(random, year);
  const int roll = random.between(1, 100);
  if (roll <= 40) return {{}, day, {}};
  if (roll <= 43) return {};  // "б/д"
  std::string text;
  if (roll <= 58) {
    text = number(day.day) + " " + monthGenitive(day.month) + " " + number(year);
  } else if (roll <= 73) {
    text = dotted(day);
  } else if (roll <= 78) {
    text = monthNominative(day.month) + " " + number(year);
  } else if (roll <= 83) {
    text = number(year);
  } else if (roll <= 86) {
    text = "[" + number(year) + "]";
  } else if (roll <= 88) {
    text = "[" + number(day.day) + " " + monthGenitive(day.month) + " " + number(year) + "]";
  } else if (roll <= 92) {
    text = number(day.day) + "-" + number(day.day + 1) + " " + monthGenitive(day.month) + " " + number(year);
  } else if (roll <= 94) {
    text = number(day.day) + "," + number(day.day + 2) + " " + monthGenitive(day.month) + " " + number(year);
  } else {
    text = unreadableText(random, year, year);
  }
  ArchivalDates out = withParsedDates(std::move(text), random, year, year);
  out.last.reset();
  return out;
}

}  // namespace kestrin::demo
