// ALLTRIM, ASC, AT, ATC, CHR, LEFT, LEN, LOWER, LTRIM, PROPER, RIGHT, RTRIM,
// SOUNDEX, SPACE, STRTRAN, SUBSTR, TRIM, UPPER. Results that are a piece of an
// argument are views into it; the others are built in the call's buffer.
#include <algorithm>

#include "dbf/expr/expr_error.h"
#include "dbf/expr/functions.h"
#include "dbf/expr/table_link.h"
#include "dbf/expr/text_compare.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf::expr_detail {
namespace {

std::string_view textArg(CallContext& call, int index) { return call.argument(index, ExprKind::Text).asText(); }

long long intArg(CallContext& call, int index) { return truncToInt(call.argument(index, ExprKind::Number).asNumber()); }

void setText(ExprValue& result, std::string_view text) { result.setText(ExprKind::Text, text); }

const text::FoldTable& latinUpperFold() {
  static const text::FoldTable table = [] {
    text::FoldTable t = text::identityFold();
    for (int c = 'a'; c <= 'z'; ++c) t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c - 32);
    return t;
  }();
  return table;
}

// AT and ATC: the position (from 1) of the n-th occurrence, 0 when there are
// fewer than n.
void position(CallContext& call, ExprValue& result, const text::FoldTable& fold) {
  const std::string_view needle = textArg(call, 0);
  const std::string_view haystack = textArg(call, 1);
  const long long occurrence = call.argumentCount() >= 3 ? intArg(call, 2) : 1;
  double found = 0;
  if (!needle.empty() && occurrence >= 1) {
    const text::TextSearcher& searcher = call.searcherFor(needle, fold);
    std::size_t from = 0;
    for (long long n = 1; from <= haystack.size(); ++n) {
      const std::size_t at = searcher.find(haystack.substr(from));
      if (at == std::string_view::npos) break;
      if (n == occurrence) {
        found = static_cast<double>(from + at + 1);
        break;
      }
      from += at + 1;
    }
  }
  result.setNumber(ExprKind::Number, found);
}

void left(CallContext& call, ExprValue& result) {
  const std::string_view text = textArg(call, 0);
  const double n = call.argument(1, ExprKind::Number).asNumber();
  if (!(n > 0.01)) {
    setText(result, {});
    return;
  }
  const auto count = static_cast<std::size_t>(std::max(0LL, truncToInt(n)));
  if (count <= text.size()) {
    setText(result, text.substr(0, count));
    return;
  }
  call.checkLength(count);
  std::string& out = call.buffer();
  out.assign(text);
  out.resize(count, ' ');
  setText(result, out);
}

// RIGHT(text, n): the last n characters; nothing for n below 1.
void right(CallContext& call, ExprValue& result) {
  const std::string_view text = textArg(call, 0);
  const long long n = intArg(call, 1);
  if (n < 1) {
    setText(result, {});
  } else if (static_cast<unsigned long long>(n) >= text.size()) {
    setText(result, text);
  } else {
    setText(result, text.substr(text.size() - static_cast<std::size_t>(n)));
  }
}

void substring(CallContext& call, ExprValue& result) {
  const std::string_view text = textArg(call, 0);
  const long long start = intArg(call, 1);
  const bool hasCount = call.argumentCount() >= 3;
  const long long count = hasCount ? intArg(call, 2) : 0;
  if (start < 1 || static_cast<unsigned long long>(start) > text.size() || (hasCount && count < 1)) {
    setText(result, {});
    return;
  }
  const std::string_view rest = text.substr(static_cast<std::size_t>(start - 1));
  setText(result, hasCount ? rest.substr(0, static_cast<std::size_t>(std::min<unsigned long long>(
                                                static_cast<unsigned long long>(count), rest.size())))
                           : rest);
}

void mapBytes(CallContext& call, ExprValue& result, const std::array<unsigned char, 256>& table) {
  const std::string_view text = textArg(call, 0);
  std::string& out = call.buffer();
  out.resize(text.size());
  std::transform(text.begin(), text.end(), out.begin(),
                 [&](char c) { return static_cast<char>(table[static_cast<unsigned char>(c)]); });
  setText(result, out);
}

// UPPER on a table that keeps OEM text converts to ANSI, upper-cases and
// converts back.
void upper(CallContext& call, ExprValue& result) {
  const ExprTableLink* link = call.env().link;
  const ExprTableLink::OemTables* oem = link != nullptr ? link->oemTables() : nullptr;
  if (oem == nullptr) {
    mapBytes(call, result, text::kUpperTable);
    return;
  }
  const std::string_view text = textArg(call, 0);
  std::string& out = call.buffer();
  out.resize(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char ansi = oem->oemToAnsi[static_cast<unsigned char>(text[i])];
    out[i] = static_cast<char>(oem->ansiToOem[text::kUpperTable[ansi]]);
  }
  setText(result, out);
}

bool startsWord(unsigned char previous) {
  return (previous >= 32 && previous <= 38) || (previous >= 40 && previous <= 47) ||
         (previous >= 58 && previous <= 64) || (previous >= 91 && previous <= 95) ||
         (previous >= 123 && previous <= 127);
}

void proper(CallContext& call, ExprValue& result) {
  const std::string_view text = textArg(call, 0);
  std::string& out = call.buffer();
  out.resize(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool capital = i == 0 || startsWord(static_cast<unsigned char>(out[i - 1]));
    out[i] = capital ? text::toUpper1251(text[i]) : text::toLower1251(text[i]);
  }
  setText(result, out);
}

void space(CallContext& call, ExprValue& result) {
  const long long n = intArg(call, 0);
  std::string& out = call.buffer();
  out.clear();
  if (n > 0) {
    call.checkLength(static_cast<unsigned long long>(n));
    out.assign(static_cast<std::size_t>(n), ' ');
  }
  setText(result, out);
}

// STRTRAN(text, find [, replacement [, first [, count]]]).
void replace(CallContext& call, ExprValue& result) {
  const std::string_view text = textArg(call, 0);
  const std::string_view find = textArg(call, 1);
  const std::string_view replacement = call.argumentCount() >= 3 ? textArg(call, 2) : "";
  const long long first = call.argumentCount() >= 4 ? intArg(call, 3) : 1;
  // Without a count every occurrence is replaced.
  const long long limit = call.argumentCount() >= 5 ? std::max(0LL, intArg(call, 4)) : -1;
  if (text.empty() || find.empty()) {
    setText(result, text);
    return;
  }
  const text::TextSearcher& searcher = call.searcherFor(find, text::identityFold());
  std::string& out = call.buffer();
  out.clear();
  std::size_t from = 0;
  long long occurrence = 0;
  long long replaced = 0;
  while (from < text.size() && (limit < 0 || replaced < limit)) {
    const std::size_t at = searcher.find(text.substr(from));
    if (at == std::string_view::npos) break;
    ++occurrence;
    out.append(text.substr(from, at));
    if (occurrence >= first) {
      call.checkLength(out.size() + replacement.size());
      out.append(replacement);
      ++replaced;
    } else {
      out.append(find);
    }
    from += at + find.size();
  }
  call.checkLength(out.size() + text.size() - from);
  out.append(text.substr(from));
  setText(result, out);
}

char soundexCode(unsigned char upper) {
  switch (upper) {
    case 'B':
    case 'F':
    case 'P':
    case 'V':
      return '1';
    case 'C':
    case 'G':
    case 'J':
    case 'K':
    case 'Q':
    case 'S':
    case 'X':
    case 'Z':
      return '2';
    case 'D':
    case 'T':
      return '3';
    case 'L':
      return '4';
    case 'M':
    case 'N':
      return '5';
    case 'R':
      return '6';
    default:
      return 0;
  }
}

// The first character upper-cased, then the codes of the following ones; a
// code equal to the previous character's is dropped.
void soundex(CallContext& call, ExprValue& result) {
  const std::string_view text = textArg(call, 0);
  std::string& out = call.buffer();
  out.clear();
  if (!text.empty()) {
    const auto first = static_cast<unsigned char>(text::toUpper1251(text[0]));
    out.push_back(static_cast<char>(first));
    char previous = soundexCode(first);
    for (std::size_t i = 1; i < text.size() && out.size() < 4; ++i) {
      const char code = soundexCode(static_cast<unsigned char>(text::toUpper1251(text[i])));
      if (code != 0 && code != previous) out.push_back(code);
      previous = code;
    }
  }
  out.append("0000");
  out.resize(4);
  setText(result, out);
}

const FunctionDef kFunctions[] = {
    {"ALLTRIM", [](CallContext& c, ExprValue& r) { setText(r, text::trimControls(textArg(c, 0))); }},
    {"ASC",
     [](CallContext& c, ExprValue& r) {
       const std::string_view t = textArg(c, 0);
       r.setNumber(ExprKind::Number, t.empty() ? 0.0 : static_cast<unsigned char>(t[0]));
     }},
    {"AT", [](CallContext& c, ExprValue& r) { position(c, r, text::identityFold()); }},
    {"ATC", [](CallContext& c, ExprValue& r) { position(c, r, latinUpperFold()); }},
    {"CHR",
     [](CallContext& c, ExprValue& r) {
       const long long code = intArg(c, 0);
       if (code < 0 || code > 255) throwExpr(expr_msg::kValueRequired, {"Byte"});
       c.buffer().assign(1, static_cast<char>(static_cast<unsigned char>(code)));
       setText(r, c.buffer());
     }},
    {"LEFT", left},
    {"LEN",
     [](CallContext& c, ExprValue& r) { r.setNumber(ExprKind::Number, static_cast<double>(textArg(c, 0).size())); }},
    {"LOWER", [](CallContext& c, ExprValue& r) { mapBytes(c, r, text::kLowerTable); }},
    {"LTRIM", [](CallContext& c, ExprValue& r) { setText(r, text::trimControlsLeft(textArg(c, 0))); }},
    {"PROPER", proper},
    {"RIGHT", right},
    {"RTRIM", [](CallContext& c, ExprValue& r) { setText(r, text::trimControlsRight(textArg(c, 0))); }},
    {"SOUNDEX", soundex},
    {"SPACE", space},
    {"STRTRAN", replace},
    {"SUBSTR", substring},
    {"TRIM", [](CallContext& c, ExprValue& r) { setText(r, text::trimControlsRight(textArg(c, 0))); }},
    {"UPPER", upper},
};

}  // namespace

FunctionList textFunctions() { return {kFunctions, std::size(kFunctions)}; }

}  // namespace kestrin::dbf::expr_detail
