// The kind of memo file a table's header announces: the table decides it, the
// memo layer reads by it.
#pragma once

namespace kestrin::dbf {

enum class MemoKind { None, Dbt3, Dbt4, Fpt };

}  // namespace kestrin::dbf
