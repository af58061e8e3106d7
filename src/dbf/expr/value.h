// Values of the expression language: a kind code and a variant holding a
// text, a number, a logical or nothing.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrin::dbf {

// The kind of a value. The codes are part of the language: error messages
// print their names and callers test them (a filter must yield Boolean).
enum class ExprKind : std::uint8_t {
  Unknown = 0,  // no value at all (no expression)
  Empty = 1,    // an argument not given, an empty pair of parentheses
  Any = 2,      // only as the expected kind of an argument taking every kind
  Text = 3,
  Number = 4,
  Integer = 5,
  Date = 6,  // a day number held as a Number; 0 is the blank date
  DateTime = 7,
  Boolean = 8,
  Memo = 9,  // the bytes of a field whose type the engine does not decode
  Pointer = 10,
};

// "Unknown", "Text", ...; codes above 10 print as "Invalid Value".
std::string_view kindName(ExprKind kind);

// Number, Integer, Date and DateTime agree with each other wherever two kinds
// must agree.
constexpr bool isNumericKind(ExprKind kind) { return kind >= ExprKind::Number && kind <= ExprKind::DateTime; }

// A value as evaluation yields it. A text is a view: it stays valid until the
// same handler evaluates again or the table moves to another record.
struct ExprValue {
  enum class Holds : std::uint8_t { Nothing, Text, Number, Logical };

  ExprKind kind = ExprKind::Unknown;
  Holds holds = Holds::Nothing;
  bool logical = false;
  double number = 0.0;
  std::string_view text;

  bool isNull() const { return holds == Holds::Nothing; }
  // False for anything but a true logical.
  bool asBoolean() const { return holds == Holds::Logical && logical; }
  // 0 when the value holds no number.
  double asNumber() const { return holds == Holds::Number ? number : 0.0; }
  // Empty when the value holds no text.
  std::string_view asText() const { return holds == Holds::Text ? text : std::string_view(); }

  void setText(ExprKind k, std::string_view t) {
    kind = k;
    holds = Holds::Text;
    text = t;
  }
  void setNumber(ExprKind k, double n) {
    kind = k;
    holds = Holds::Number;
    number = n;
  }
  void setLogical(bool b) {
    kind = ExprKind::Boolean;
    holds = Holds::Logical;
    logical = b;
  }
  void setNothing(ExprKind k) {
    kind = k;
    holds = Holds::Nothing;
  }
};

}  // namespace kestrin::dbf
