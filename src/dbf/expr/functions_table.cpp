// The functions of a table: RECNO, DELETED, BOF, EOF, TYPE, LEN, FIELDNO. They
// are found only in expressions compiled with a table link. (The global LEN is
// always found first, so the table's LEN is never reached.)
#include "dbf/expr/functions.h"
#include "dbf/expr/table_link.h"
#include "dbf/expr/text_compare.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf::expr_detail {
namespace {

ExprTableLink& link(CallContext& call) { return *call.env().link; }

// The field of that name (letter case and trailing blanks ignored), or 0.
int fieldByName(CallContext& call) {
  const std::string_view name = text::trimControlsRight(call.argument(0, ExprKind::Text).asText());
  ExprTableLink& table = link(call);
  for (int field = 1; field <= table.fieldCount(); ++field) {
    if (text::equalsNoCase1251(text::trimControlsRight(table.fieldName(field)), name)) return field;
  }
  return 0;
}

void fieldType(CallContext& call, ExprValue& result) {
  const int field = fieldByName(call);
  call.buffer().assign(1, field > 0 ? link(call).fieldType(field) : 'U');
  result.setText(ExprKind::Text, call.buffer());
}

const FunctionDef kFunctions[] = {
    {"BOF", [](CallContext& c, ExprValue& r) { r.setLogical(link(c).isBof()); }},
    {"DELETED", [](CallContext& c, ExprValue& r) { r.setLogical(link(c).isDeleted()); }},
    {"EOF", [](CallContext& c, ExprValue& r) { r.setLogical(link(c).isEof()); }},
    {"FIELDNO",
     [](CallContext& c, ExprValue& r) { r.setNumber(ExprKind::Number, static_cast<double>(fieldByName(c))); }},
    {"LEN",
     [](CallContext& c, ExprValue& r) {
       const int field = fieldByName(c);
       r.setNumber(ExprKind::Number, field > 0 ? link(c).fieldWidth(field) : 0.0);
     }},
    {"RECNO",
     [](CallContext& c, ExprValue& r) { r.setNumber(ExprKind::Number, static_cast<double>(link(c).recordNumber())); }},
    {"TYPE", fieldType},
};

}  // namespace

FunctionList tableFunctions() { return {kFunctions, std::size(kFunctions)}; }

}  // namespace kestrin::dbf::expr_detail
