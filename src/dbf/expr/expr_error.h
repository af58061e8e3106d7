// Errors of the expression engine: compile errors of a filter or key text and
// faults while it is evaluated. Messages are the engine's English texts.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "dbf/base/errors.h"

namespace kestrin::dbf {

class EDbfExpression : public EDbfError {
 public:
  using EDbfError::EDbfError;
};

// The message patterns, with %s and %d filled in order by formatMessage.
namespace expr_msg {
inline constexpr std::string_view kSyntaxError = "Syntax Error in expression \"%s\"";
inline constexpr std::string_view kMissingParenthesis = "Missing closing parentheses";
inline constexpr std::string_view kMissingPeriod = "Missing closing period";
inline constexpr std::string_view kExpectingLogical = "Expecting \".T.\" or \".F.\"";
inline constexpr std::string_view kMissingQuote = "Missing closing \"%s\" on literal";
inline constexpr std::string_view kNoFunction = "There is no function for %s";
inline constexpr std::string_view kUnknownVariable = "Field/variable %s is unknown";
inline constexpr std::string_view kCannotEvaluate = "Expression cannot be evaluated";
inline constexpr std::string_view kTargetMissing = "Target value missing for %s operation";
inline constexpr std::string_view kSidesDiffer = "The two sides of an operation do not match";
inline constexpr std::string_view kValueRequired = "A %s value is required but invalid";
inline constexpr std::string_view kArgumentNeeded = "%s needed for Argument %d of %s";
inline constexpr std::string_view kArgumentRange = "Argument for %s must be %s";
inline constexpr std::string_view kValueRequiredFor = "A value is required for %s";
inline constexpr std::string_view kSameType = "All arguments for %s must be of the same type";
// Faults the language leaves open: arithmetic faults, limits that keep user
// input from exhausting the stack or memory, dates no calendar holds.
inline constexpr std::string_view kDivisionByZero = "Floating point division by zero";
inline constexpr std::string_view kOverflow = "Floating point overflow";
inline constexpr std::string_view kInvalidFloat = "Invalid floating point operation";
inline constexpr std::string_view kTooDeep = "Expression is nested too deeply";
inline constexpr std::string_view kTextTooLong = "Text result of %s is too long";
inline constexpr std::string_view kInvalidDate = "'%s' is not a valid date";
inline constexpr std::string_view kDateOutOfRange = "Date value is out of range";
}  // namespace expr_msg

[[noreturn]] inline void throwExpr(std::string_view pattern, std::initializer_list<std::string_view> args = {}) {
  throw EDbfExpression(pattern, args);
}

}  // namespace kestrin::dbf
