#include "cli/json_writer.h"

#include <cmath>
#include <cstdio>

namespace kestrin::cli {

std::string jsonQuote(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() + 2);
  out.push_back('"');
  for (char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
          out += buffer;
        } else {
          out.push_back(c);
        }
    }
  }
  out.push_back('"');
  return out;
}

std::string jsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buffer[64];
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    double back = 0;
    if (std::sscanf(buffer, "%lf", &back) != 1 || back != value) std::snprintf(buffer, sizeof buffer, "%.17g", value);
  }
  return buffer;
}

void JsonLine::key(std::string_view name) {
  if (!first_) out_ << ", ";
  first_ = false;
  out_ << jsonQuote(name) << ": ";
}

JsonLine& JsonLine::string(std::string_view name, std::string_view utf8) {
  key(name);
  out_ << jsonQuote(utf8);
  return *this;
}

JsonLine& JsonLine::integer(std::string_view name, std::int64_t value) {
  key(name);
  out_ << value;
  return *this;
}

JsonLine& JsonLine::number(std::string_view name, double value) {
  key(name);
  out_ << jsonNumber(value);
  return *this;
}

JsonLine& JsonLine::boolean(std::string_view name, bool value) {
  key(name);
  out_ << (value ? "true" : "false");
  return *this;
}

JsonLine& JsonLine::null(std::string_view name) {
  key(name);
  out_ << "null";
  return *this;
}

JsonLine& JsonLine::raw(std::string_view name, std::string_view json) {
  key(name);
  out_ << json;
  return *this;
}

}  // namespace kestrin::cli
