// kestrin-cli format OPERATION TEXT: the archival formatting rules applied to
// one text, printed as one JSON line.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "archive/format/date_parts.h"
#include "archive/format/date_range.h"
#include "archive/format/number_keys.h"
#include "archive/format/text_cleanup.h"
#include "archive/title/title_autoformat.h"
#include "cli/command.h"
#include "cli/command_parser.h"
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

const Choices<Operation>& operations() {
  static const Choices<Operation> table = {
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

}  // namespace

int runFormat(const Args& args, std::ostream& out) {
  Operation operation;
  std::string input;
  CommandParser parser("format");
  parser.addChoice("OPERATION", operation, operations(), "format operation")->required();
  parser.app().add_option("TEXT", input)->required();
  parser.parse(args);
  operation(text::utf8ToCp1251(input), out);
  return 0;
}

}  // namespace kestrin::cli
