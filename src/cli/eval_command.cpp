// kestrin-cli eval: compiles an expression, evaluates it once and prints its
// kind and value.
#include <memory>

#include "cli/command.h"
#include "cli/command_parser.h"
#include "cli/json_writer.h"
#include "cli/table_options.h"
#include "dbf/base/errors.h"
#include "dbf/cursor/table_cursor.h"
#include "dbf/expr/handler.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {

int runEval(const Args& args, std::ostream& out) {
  std::string table;
  std::string expression;
  int recno = 1;
  dbf::ExprOptions options;
  CommandParser parser("eval");
  CLI::App& app = parser.app();
  app.add_option("--table", table);
  parser.addNumber("--recno", recno);
  app.add_flag("--case-insensitive", options.caseInsensitive);
  app.add_flag_callback("--no-partial", [&options] { options.partialCompare = false; });
  app.add_option("EXPR", expression)->required();
  parser.parse(args);

  std::unique_ptr<dbf::TableCursor> cursor;
  dbf::ExprTableLink* link = nullptr;
  std::string alias;
  if (!table.empty()) {
    cursor = cursorForTablePath(table);
    cursor->setUseDeleted(true);
    cursor->open();
    // Record 0 would leave a blank image and one past the end the last
    // record read: neither is the record asked for.
    dbf::DbfHandler& records = cursor->table();
    if (recno > 0) records.readRecord(recno);
    if (recno <= 0 || records.eofFlag() || records.currentRecNo() != recno) {
      throw dbf::EDbfError("Record number %d is not in table %s", {std::to_string(recno), records.fileName()});
    }
    link = &cursor->table().exprLink();
    alias = cursor->table().tableAlias();
  }

  dbf::ExprHandler handler(link, alias, {}, options);
  handler.setExpression(text::utf8ToCp1251(expression));
  const dbf::ExprValue& result = handler.evaluate();

  JsonLine line(out);
  line.string("kind", std::string(dbf::kindName(handler.resultKind())));
  if (result.isNull()) {
    line.null("value");
  } else if (result.holds == dbf::ExprValue::Holds::Text) {
    line.string("value", text::cp1251ToUtf8(result.asText()));
  } else if (result.holds == dbf::ExprValue::Holds::Logical) {
    line.boolean("value", result.asBoolean());
  } else {
    line.number("value", result.asNumber());
  }
  return 0;
}

}  // namespace kestrin::cli
