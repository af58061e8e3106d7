// The seam between the cursor and the expression engine: a filter text is
// compiled once per table and then evaluated over the table's active record
// image for every record a scan reaches.
#pragma once

#include <memory>
#include <string_view>

namespace kestrin::dbf {

class DbfFields;

class CompiledFilter {
 public:
  virtual ~CompiledFilter() = default;
  // Evaluates over the table's active record image.
  virtual bool matches() = 0;
  // True when the expression yields a logical value; checked once after
  // compiling by evaluating over the current record.
  virtual bool yieldsBoolean() = 0;
};

class FilterCompiler {
 public:
  virtual ~FilterCompiler() = default;
  // Compiles `text` for `table`; throws the expression engine's errors.
  virtual std::unique_ptr<CompiledFilter> compile(DbfFields& table, std::string_view text, bool caseInsensitive,
                                                  bool partialCompare) = 0;
};

// The compiler every cursor uses; set once at start-up by the layer that owns
// the expression engine. Null means filter texts are not supported.
FilterCompiler* defaultFilterCompiler();
void setDefaultFilterCompiler(FilterCompiler* compiler);

}  // namespace kestrin::dbf
