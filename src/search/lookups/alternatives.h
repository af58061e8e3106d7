// The alternatives a lookup adds to the text condition of the advanced
// search: conditions on the level table's key, each kept once. A record
// reached through several keywords needs its condition only once; the set of
// records the condition selects stays the same.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace kestrin::search {

class Alternatives {
 public:
  // Adds `condition` unless it is empty or there already.
  void add(std::string condition);
  const std::vector<std::string>& items() const { return items_; }
  bool empty() const { return items_.empty(); }

 private:
  std::vector<std::string> items_;
  std::unordered_set<std::string> seen_;
};

// What the lookups of one search produced: the alternatives, and the tables
// that were not there to look in (their names as the base spells them).
struct LookupOutput {
  Alternatives alternatives;
  std::vector<std::string> skippedTables;
};

}  // namespace kestrin::search
