// Text helpers of the demo archive: filling word patterns, fitting texts into
// fields, people's names, and the slips of hurried typing that the title
// autoformatting of the program mends.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "demo/demo_random.h"

namespace kestrin::demo {

// Replaces every "{X}" of `pattern` by the text given for X; placeholders
// without a text are left as they are.
std::string fillPattern(std::string_view pattern, std::initializer_list<std::pair<char, std::string_view>> slots);

// `text` cut to at most `width` bytes, without blanks at the end.
std::string fitText(std::string_view text, std::size_t width);

// The first letter in upper case (Windows-1251).
std::string capitalized(std::string_view text);

// A person of the archive's papers.
struct Person {
  std::string fullName;      // Иванов Пётр Николаевич
  std::string withInitials;  // П.Н. Иванов
  std::string genitive;      // Иванова П.Н.
  std::string indexForm;     // Иванов П.Н., as keyword indexes list people
};
Person randomPerson(DemoRandom& random);

// The title as a hurried typist might have entered it: missing blanks after
// commas, "N5" and "#12" for "№ 5", "1920г" for "1920 г.", straight quotes,
// "/б/" for "(б)", initials written apart, spaced hyphens, doubled blanks.
std::string typedCarelessly(std::string text, DemoRandom& random);

}  // namespace kestrin::demo
