#include "cli/terminal_text.h"

#include <cstdio>

#include "dbf/base/errors.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length;
  unsigned minimum;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, minimum = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  unsigned code = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = utf8SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string terminalText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
      ++i;
      continue;
    }
    const std::size_t length = utf8SequenceLength(text, i);
    if (length == 0) {
      out += text::cp1251ToUtf8(text.substr(i, 1));
      ++i;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  return out;
}

std::string errorMessage(const std::exception& error) {
  const auto* engine = dynamic_cast<const dbf::EDbfError*>(&error);
  std::string message = engine ? engine->message() : std::string(error.what());
  if (const auto* damaged = dynamic_cast<const dbf::EDbfDamaged*>(&error)) message += ": " + damaged->detail();
  return message;
}

std::string errorLine(const std::exception& error) { return terminalText(errorMessage(error)); }

}  // namespace kestrin::cli
