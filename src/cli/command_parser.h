// The command line of one kestrin-cli command, read with CLI11. A command
// declares its options and positionals on app() and calls parse(); every
// refusal becomes a UsageError that names the argument at fault, so main
// reports it on one line with exit status 1 as for any other usage error.
// The command's --help is the hand-written text of command_help (main answers
// it), and parse() checks that it mentions every declared argument.
#pragma once

#include <CLI/CLI.hpp>
#include <charconv>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/command.h"

namespace kestrin::cli {

// The words an option takes and what each stands for, in the order a
// refusal lists them.
template <typename Value>
using Choices = std::vector<std::pair<std::string, Value>>;

class CommandParser {
 public:
  // `command` must have a help text in command_help.
  explicit CommandParser(std::string_view command);

  CLI::App& app() { return app_; }

  // --name N (or the positional NAME): a whole number of at least `least`,
  // all of the text; anything else, a number too large for `Number`
  // included, is "Option --name needs a whole number, not "abc"".
  template <typename Number>
  CLI::Option* addNumber(const std::string& name, Number& target,
                         Number least = std::numeric_limits<Number>::lowest()) {
    return app_.add_option_function<std::string>(name, [&target, name, least](const std::string& text) {
      Number value{};
      const char* end = text.data() + text.size();
      const auto [stop, error] = std::from_chars(text.data(), end, value);
      if (text.empty() || error != std::errc() || stop != end || value < least) {
        throw UsageError(notWholeNumber(
            name, text, least == std::numeric_limits<Number>::lowest() ? std::string() : std::to_string(least)));
      }
      target = value;
    });
  }

  // --name WORD (or the positional NAME): one of `choices`, stored into
  // `target` (a Value or an optional one); another word is
  // "Unknown <what> WORD (a, b or c)".
  template <typename Value, typename Target>
  CLI::Option* addChoice(const std::string& name, Target& target, Choices<Value> choices, const std::string& what) {
    return app_.add_option_function<std::string>(name, [&target, choices, what](const std::string& word) {
      std::vector<std::string> words;
      for (const auto& [text, value] : choices) {
        if (text == word) {
          target = value;
          return;
        }
        words.push_back(text);
      }
      throw UsageError(unknownChoice(what, word, words));
    });
  }

  // Reads `args` (after the command name) into the declared targets; throws
  // UsageError.
  void parse(const Args& args);

  // A usage error that CLI11 cannot see (options that go together, a value
  // out of range): `problem`, then the command's synopsis.
  [[noreturn]] void refuse(const std::string& problem) const;

 private:
  static std::string notWholeNumber(const std::string& name, const std::string& text, const std::string& least);
  static std::string unknownChoice(const std::string& what, const std::string& word,
                                   const std::vector<std::string>& words);
  [[noreturn]] void refuseParse(const CLI::ParseError& error, const Args& args) const;
  void checkHelpDescribesEverything() const;

  std::string command_;
  std::string help_;      // what COMMAND --help prints
  std::string synopsis_;  // its usage line(s) as one line
  CLI::App app_;
};

}  // namespace kestrin::cli
