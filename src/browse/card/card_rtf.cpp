#include "browse/card/card_rtf.h"

#include <algorithm>
#include <cstdio>

namespace kestrin::browse {

namespace {

void appendEscaped(std::string& out, const std::string& text) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '\\' || ch == '{' || ch == '}') {
      out += '\\';
      out += ch;
    } else if (ch == '\t') {
      out += "\\tab ";
    } else if (byte < 0x20) {
      continue;
    } else if (byte > 0x7F) {
      out += "\\'";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += ch;
    }
  }
}

}  // namespace

std::string toRtf(const std::vector<StyledParagraph>& paragraphs) {
  std::vector<Rgb> colours;
  const auto colourIndex = [&colours](const Rgb& colour) {
    auto it = std::find(colours.begin(), colours.end(), colour);
    if (it == colours.end()) it = colours.insert(colours.end(), colour);
    return static_cast<int>(it - colours.begin()) + 1;  // entry 0 is the reader's automatic colour
  };

  std::string body;
  for (std::size_t p = 0; p < paragraphs.size(); ++p) {
    if (p > 0) body += "\\par\n";
    for (const StyledRun& run : paragraphs[p]) {
      char attributes[64];
      std::snprintf(attributes, sizeof attributes, "{\\f0\\fs%d\\cf%d%s ", run.points * 2, colourIndex(run.colour),
                    run.bold ? "\\b" : "");
      body += attributes;
      appendEscaped(body, run.text);
      body += '}';
    }
  }

  std::string rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}\n{\\colortbl;";
  for (const Rgb& colour : colours) {
    char entry[48];
    std::snprintf(entry, sizeof entry, "\\red%d\\green%d\\blue%d;", colour.red, colour.green, colour.blue);
    rtf += entry;
  }
  rtf += "}\n\\pard\\plain\n";
  rtf += body;
  rtf += "}\n";
  return rtf;
}

}  // namespace kestrin::browse
