#include "search/text_literal.h"

namespace kestrin::search {

namespace {

bool holds(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

// Characters a "..." literal inside a group cannot hold as they are.
bool needsChr(char c) { return c == '"' || c == '(' || c == ')'; }

}  // namespace

std::string textLiteral(std::string_view text) {
  if (!holds(text, '(') && !holds(text, ')')) {
    if (!holds(text, '"')) return "\"" + std::string(text) + "\"";
    if (!holds(text, '\'')) return "'" + std::string(text) + "'";
    if (!holds(text, ']')) return "[" + std::string(text) + "]";
  }
  std::string out;
  std::string run;
  const auto flushRun = [&] {
    if (run.empty()) return;
    if (!out.empty()) out += '+';
    out += '"' + run + '"';
    run.clear();
  };
  for (const char c : text) {
    if (!needsChr(c)) {
      run += c;
      continue;
    }
    flushRun();
    if (!out.empty()) out += '+';
    out += "CHR(" + std::to_string(static_cast<unsigned char>(c)) + ")";
  }
  flushRun();
  return out.empty() ? "\"\"" : out;
}

}  // namespace kestrin::search
