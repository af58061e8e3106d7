// kestrin-cli format OPERATION TEXT: the archival formatting rules applied to
// one text, printed as one JSON line.
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "archive/format/date_parts.h"
#include "archive/format/date_range.h"
#include "archive/format/number_keys.h"
#include "archive/format/text_cleanup.h"
#include "archive/title/title_autoformat.h"
#include "cli/command.h"
#include "cli/json_writer.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

using text::cp1251ToUtf8;

std::string isoDate(const std::chrono::year_month_day& date) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return buffer;
}

void printDateRange(const std::string& text, std::ostream& out) {
  const archive::DateRange range = archive::parseDateRange(text);
  JsonLine line(out);
  line.boolean("ok", range.ok);
  if (range.ok) {
    line.string("start", isoDate(range.start)).string("end", isoDate(range.end));
  } else {
    line.null("start").null("end");
  }
  line.string("display", cp1251ToUtf8(range.display));
}

void printDateParts(const std::string& text, std::ostream& out) {
  const auto parts = archive::parseDateParts(text);
  const archive::DateParts shown = parts.value_or(archive::DateParts{});
  JsonLine(out)
      .boolean("ok", parts.has_value())
      .integer("day", shown.day)
      .integer("month", shown.month)
      .integer("year", shown.year);
}

void printTitle(const std::string& text, std::ostream& out) {
  const std::string formatted = archive::titleAutoformat(text);
  JsonLine(out)
      .string("autoformat", cp1251ToUtf8(formatted))
      .string("typography", cp1251ToUtf8(archive::quoteTypography(formatted)));
}

void printQuotes(const std::string& text, std::ostream& out) {
  JsonLine(out).string("typography", cp1251ToUtf8(archive::quoteTypography(text)));
}

auto printKey(std::string (*key)(std::string_view)) {
  return [key](const std::string& text, std::ostream& out) { JsonLine(out).string("key", cp1251ToUtf8(key(text))); };
}

void printGroup(const std::string& text, std::ostream& out) {
  JsonLine(out).string("text", cp1251ToUtf8(archive::groupThousands(text)));
}

using Operation = std::function<void(const std::string& cp1251Text, std::ostream&)>;

const std::map<std::string, Operation>& operations() {
  static const std::map<std::string, Operation> table = {
      {"date-range", printDateRange},
      {"date-parts", printDateParts},
      {"title", printTitle},
      {"quotes", printQuotes},
      {"fond-key", printKey(archive::fondNumberKey)},
      {"inventory-key", printKey(archive::inventoryNumberKey)},
      {"file-key", printKey(archive::fileNumberKey)},
      {"group", printGroup},
  };
  return table;
}

constexpr const char* kUsage =
    "usage: kestrin-cli format OPERATION TEXT (OPERATION: date-range, date-parts, title, quotes, fond-key, "
    "inventory-key, file-key, group)";

}  // namespace

int runFormat(const Args& args, std::ostream& out) {
  if (args.size() != 2) throw UsageError(kUsage);
  const auto operation = operations().find(args[0]);
  if (operation == operations().end()) throw UsageError("Unknown format operation " + args[0] + "; " + kUsage);
  operation->second(text::utf8ToCp1251(args[1]), out);
  return 0;
}

}  // namespace kestrin::cli
