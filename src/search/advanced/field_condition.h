// The condition on one field that the advanced search and the lookups build
// from a person's words: a phrase, any word, all words, an exact value, or any
// word also matching values that are too short for a "*word*" pattern.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrin::search {

enum class FieldMode {
  Phrase = 0,        // ( F="*text*")
  AnyWord = 1,       // ( F="*w*") joined by " OR "
  AllWords = 2,      // ( F="*w*") joined by " AND "
  ExactValue = 3,    // ( F="text")
  AnyWordShort = 4,  // each word also as exact value and one-sided patterns, joined by " OR "
};

// The words of `text` for the word modes: `"`, `,`, `.`, `:`, `;`, `(` and `)`
// count as blanks; the pieces between blanks, left to right.
std::vector<std::string> conditionWords(std::string_view text);

// The condition on `field`; empty for an empty text (or a text without words
// in the word modes). Every value becomes a safe literal, so any character
// the person typed stays part of the value.
std::string fieldCondition(std::string_view text, std::string_view field, FieldMode mode);

}  // namespace kestrin::search
