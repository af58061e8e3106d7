// One JSON object per line, keys in the order written. Strings go in as
// UTF-8; the writer only escapes them.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace kestrin::cli {

std::string jsonQuote(std::string_view utf8);

class JsonLine {
 public:
  explicit JsonLine(std::ostream& out) : out_(out) { out_ << '{'; }
  ~JsonLine() { out_ << "}\n"; }
  JsonLine(const JsonLine&) = delete;
  JsonLine& operator=(const JsonLine&) = delete;

  JsonLine& string(std::string_view key, std::string_view utf8);
  JsonLine& integer(std::string_view key, std::int64_t value);
  JsonLine& number(std::string_view key, double value);
  JsonLine& boolean(std::string_view key, bool value);
  JsonLine& null(std::string_view key);
  // A value already in JSON form.
  JsonLine& raw(std::string_view key, std::string_view json);

 private:
  void key(std::string_view name);
  std::ostream& out_;
  bool first_ = true;
};

// A number in JSON form: integers without a fraction, others with up to 17
// significant digits; non-finite values as null.
std::string jsonNumber(double value);

}  // namespace kestrin::cli
