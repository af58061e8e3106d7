#include "cli/command_help.h"

#include <algorithm>
#include <array>

namespace kestrin::cli {

namespace {

const std::array<CommandHelp, 13> kCommands = {{
    {"dump", "print the records of a table as JSON lines",
     "usage: kestrin-cli dump TABLE [options]\n"
     "  TABLE                     a .dbf file; its letter case is resolved as the program does\n"
     "  --fields F1,F2,...        only these fields, in descriptor order\n"
     "  --filter EXPR             show only the records EXPR accepts\n"
     "  --case-insensitive        text comparisons of the filter ignore case\n"
     "  --no-partial              \"*\" in the filter's texts is a plain character\n"
     "  --index FILE.cdx --tag T  walk the records in the order of tag T of FILE.cdx\n"
     "  --with-deleted            show deleted records too\n"},
    {"count", "count the visible records of a table",
     "usage: kestrin-cli count TABLE [--filter EXPR] [--case-insensitive] [--no-partial]\n"
     "                              [--index FILE.cdx --tag T] [--with-deleted]\n"
     "  Prints the number of visible records (the options as for dump).\n"},
    {"eval", "evaluate an expression, optionally on a record",
     "usage: kestrin-cli eval [--table TABLE [--recno N]] [--case-insensitive] [--no-partial] EXPR\n"
     "  --table TABLE             evaluate with the fields of TABLE\n"
     "  --recno N                 on record N (default 1)\n"
     "  --case-insensitive        text comparisons ignore case\n"
     "  --no-partial              \"*\" in texts is a plain character\n"},
    {"format", "run one of the archive's text rules",
     "usage: kestrin-cli format OPERATION TEXT\n"
     "  OPERATION                 date-range, date-parts, title, quotes, fond-key, inventory-key,\n"
     "                            file-key or group\n"},
    {"columns", "print a level's display columns",
     "usage: kestrin-cli columns BASE LEVEL [--all] [--filter EXPR]\n"
     "  BASE                      the base folder\n"
     "  LEVEL                     0..3 (fonds, inventories, files, documents)\n"
     "  --all                     drop the held-only filters\n"
     "  --filter EXPR             replace the level's filter\n"},
    {"make-demo", "write the synthetic demo archive",
     "usage: kestrin-cli make-demo DIR [--scale small|medium|large | --files N] [--seed S]\n"
     "  DIR                       DIR/DBF gets the base, DIR/Photo the photographs\n"
     "  --scale SCALE             small (default), medium or large\n"
     "  --files N                 about N files instead of a scale\n"
     "  --seed S                  the random seed; the same seed writes the same bytes\n"},
    {"card", "print the record card of a record",
     "usage: kestrin-cli card BASE LEVEL RECNO [--query Q [--mode all|any|phrase|number]] [--all]\n"
     "  BASE                      the base folder\n"
     "  LEVEL                     fond, opis, delo, doc (or 0..3)\n"
     "  --all                     start with \"Только в наличии\" unchecked (no held-only filters)\n"
     "  RECNO                     the record's number in its table\n"
     "  --query Q                 the search box text whose words the card highlights\n"
     "  --mode MODE               the search mode (default: the one the box selects)\n"},
    {"search", "run the quick search of the search box",
     "usage: kestrin-cli search BASE LEVEL QUERY [--mode all|any|phrase|number] [--fast] [--all]\n"
     "                          [--explain]\n"
     "  BASE                      the base folder\n"
     "  LEVEL                     fond, opis, delo, doc (or 0..3)\n"
     "  --all                     start with \"Только в наличии\" unchecked (no held-only filters)\n"
     "  QUERY                     the text of the search box\n"
     "  --mode MODE               the search mode (default: the one the box selects)\n"
     "  --fast                    the fast search (\"Ускоренный\")\n"
     "  --explain                 print the filter, case flag, count, status and advice\n"},
    {"advanced", "run the advanced search",
     "usage: kestrin-cli advanced BASE LEVEL [conditions] [--all] [--explain]\n"
     "  BASE                      the base folder\n"
     "  LEVEL                     fond, opis, delo, doc (or 0..3)\n"
     "  --all                     start with \"Только в наличии\" unchecked (no held-only filters)\n"
     "  --text T                  the words\n"
     "  --text-mode MODE          all, any or phrase\n"
     "  --case-sensitive          \"Учитывать регистр\"\n"
     "  --no-name --no-pred --no-rename --no-keywords --no-rubric --no-doctext\n"
     "                            leave out those fields or lookups\n"
     "  --move N --type N --category N\n"
     "                            item numbers of the lists (0 = \"(все)\")\n"
     "  --years FROM-TO           the two year boxes, as typed\n"
     "  --special EXPR            the special filter\n"
     "  --explain                 print what the dialog set instead of the records\n"},
    {"export", "save a level's list as \"Сохранить как...\" does",
     "usage: kestrin-cli export BASE LEVEL [--all] [--filter EXPR] [--format tsv|csv] [--output FILE]\n"
     "  BASE                      the base folder\n"
     "  LEVEL                     fond, opis, delo, doc (or 0..3)\n"
     "  --all                     start with \"Только в наличии\" unchecked (no held-only filters)\n"
     "  --filter EXPR             replace the level's filter\n"
     "  --format FORMAT           tsv (the saved-list file, Windows-1251) or csv (UTF-8)\n"
     "  --output FILE             write to FILE instead of stdout\n"},
    {"photos", "list the photographs of one file",
     "usage: kestrin-cli photos PHOTO_DIR FOND OPIS DELO\n"
     "  PHOTO_DIR                 the photo folder\n"
     "  FOND OPIS DELO            the numbers of the fond, the inventory and the file\n"},
    {"photo-search", "search the photo catalogue",
     "usage: kestrin-cli photo-search PHOTO_DIR QUERY [--mode all|any|phrase]\n"
     "  --mode MODE               all words (the default), any word or the phrase\n"},
    {"photo-info", "describe a photograph as the picture window does", "usage: kestrin-cli photo-info FILE\n"},
}};

}  // namespace

const CommandHelp* commandHelp(std::string_view name) {
  const auto it =
      std::find_if(kCommands.begin(), kCommands.end(), [&](const CommandHelp& c) { return c.name == name; });
  return it == kCommands.end() ? nullptr : &*it;
}

std::string programHelp(const std::function<bool(std::string_view)>& isCommand) {
  std::string text =
      "usage: kestrin-cli COMMAND [arguments]\n"
      "       kestrin-cli COMMAND --help\n"
      "       kestrin-cli --version\n"
      "\n"
      "The command-line tool of Kestrin over an \"Архивный Фонд\" base; it never writes to the base.\n"
      "\n"
      "commands:\n";
  for (const CommandHelp& command : kCommands) {
    if (!isCommand(command.name)) continue;
    std::string line = "  " + std::string(command.name);
    line.resize(std::max<std::size_t>(line.size() + 2, 16), ' ');
    text += line + std::string(command.summary) + "\n";
  }
  return text;
}

std::string programVersion() { return std::string("kestrin-cli ") + KESTRIN_VERSION; }

}  // namespace kestrin::cli
