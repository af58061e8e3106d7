#include "search/lookups/alternatives.h"

namespace kestrin::search {

void Alternatives::add(std::string condition) {
  if (condition.empty() || !seen_.insert(condition).second) return;
  items_.push_back(std::move(condition));
}

}  // namespace kestrin::search
