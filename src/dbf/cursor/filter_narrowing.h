// Narrowing a filter scan through an index tag. A filter that is one equality
// of a character field with a text, FIELD="text", can only accept records
// whose field begins with the text's leading bytes; when a tag's key is that
// field, or begins with it (FIELD+...), those records are the entries of one
// key-prefix range of the tag. The scan then evaluates the filter on the
// records of that range alone, and sets the same bits a scan of every record
// would.
//
// Only what can be proven is narrowed: the prefix is a superset of every
// value the comparison accepts (trailing blanks and case folding allowed
// for), and the tag must hold every record under the field's bytes as they
// are (character key, MACHINE collation, no FOR condition, not unique).
// Everything else scans the table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dbf/cdx/cdx_tag.h"
#include "dbf/cursor/index_set.h"
#include "dbf/expr/handler.h"
#include "dbf/table/dbf_table.h"

namespace kestrin::dbf {

// A character field compared for equality with a text literal.
struct FieldEquality {
  int field = 0;  // 1-based
  int width = 0;
  std::string_view literal;  // as written, valid while the expression lives
  bool literalOnLeft = false;
};

// The comparison when `filter` is nothing but one (perhaps parenthesised)
// `=` of a character field and a text literal.
std::optional<FieldEquality> asFieldEquality(const ExprHandler& filter);

// The leading bytes of `literal` that every field value the comparison
// accepts begins with: the literal without its trailing blanks, cut before a
// NUL and, with `caseInsensitive`, before the first byte whose case has
// another form. Empty when nothing is certain.
std::string equalityKeyPrefix(std::string_view literal, bool caseInsensitive);

// The entries of one tag that hold every record `filter` can accept.
struct KeyPrefixRange {
  CdxTag* tag = nullptr;
  std::string prefix;
};

// The range for `filter` compiled with these options, from the active tag
// when it qualifies, else from the first tag of the open index files that
// does; nullopt when the filter has another shape or no tag qualifies. Tags
// whose key expression does not compile for the table are passed over.
std::optional<KeyPrefixRange> findKeyPrefixRange(const ExprHandler& filter, IndexSet& indexes, bool caseInsensitive,
                                                 bool partialCompare);

// A step of an ascending `tag` confined to the entries whose keys begin with
// `prefix`, as the cursor steps when every record in its filter bits came
// from that range: first and last seek the range's ends, and a step that
// leaves the range ends the walk instead of crossing the rest of the tag.
// Returns the record number reached, or 0 at the range's end.
std::uint32_t stepWithinPrefix(CdxTag& tag, std::string_view prefix, Step step);

}  // namespace kestrin::dbf
