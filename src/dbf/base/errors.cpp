#include "dbf/base/errors.h"

namespace kestrin::dbf {

std::string formatMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size() + 64);
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && (pattern[i + 1] == 's' || pattern[i + 1] == 'd')) {
      if (next != args.end()) out.append(*next++);
      ++i;
      continue;
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace kestrin::dbf
