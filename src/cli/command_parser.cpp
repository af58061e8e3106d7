#include "cli/command_parser.h"

#include <stdexcept>

#include "cli/command_help.h"

namespace kestrin::cli {
namespace {

// CLI11 takes an argument such as "-N" or "-(1+2)" for an unknown short
// option, yet no command here has short options and such an argument is a
// text: an expression, a title, a query. It reaches CLI11 behind a byte that
// no UTF-8 text holds (main refuses arguments that are no UTF-8), and every
// value sheds that byte again.
constexpr char kShield = '\xFF';

std::string shielded(const std::string& arg) {
  const bool shortOptionLike = arg.size() > 1 && arg[0] == '-' && arg[1] != '-';
  return shortOptionLike || (!arg.empty() && arg[0] == kShield) ? kShield + arg : arg;
}

std::string unshielded(std::string arg) {
  if (!arg.empty() && arg[0] == kShield) arg.erase(0, 1);
  return arg;
}

// The usage line of a help text with its continuation lines (indented
// deeper than the list of arguments below it), joined into one line.
std::string synopsisOf(std::string_view help) {
  std::string synopsis;
  for (std::size_t start = 0; start < help.size();) {
    const std::size_t end = std::min(help.find('\n', start), help.size());
    const std::string_view line = help.substr(start, end - start);
    if (start > 0 && !line.starts_with("   ")) break;
    if (!synopsis.empty()) synopsis += ' ';
    synopsis += line.substr(line.find_first_not_of(' '));
    start = end + 1;
  }
  return synopsis;
}

}  // namespace

CommandParser::CommandParser(std::string_view command) : command_(command), app_("", "kestrin-cli " + command_) {
  const CommandHelp* help = commandHelp(command);
  if (!help) throw std::logic_error("kestrin-cli " + command_ + " has no help text");
  help_ = help->usage;
  synopsis_ = synopsisOf(help_);
  // main answers COMMAND --help with the hand-written text.
  app_.set_help_flag();
  // As the program always did: an option given twice counts with its last value.
  app_.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void CommandParser::parse(const Args& args) {
  checkHelpDescribesEverything();
  for (CLI::Option* option : app_.get_options()) option->transform(unshielded);
  // CLI11 takes the arguments last to first.
  std::vector<std::string> reversed;
  for (auto arg = args.rbegin(); arg != args.rend(); ++arg) reversed.push_back(shielded(*arg));
  try {
    app_.parse(reversed);
  } catch (const CLI::ParseError& error) {
    refuseParse(error, args);
  }
}

void CommandParser::refuse(const std::string& problem) const { throw UsageError(problem + "; " + synopsis_); }

void CommandParser::refuseParse(const CLI::ParseError& error, const Args& args) const {
  // An unknown option first: it may be why a positional seems missing.
  const std::vector<std::string> extras = app_.remaining();
  for (const std::string& extra : extras) {
    if (extra.starts_with("--")) refuse("Unknown option " + extra);
  }
  if (dynamic_cast<const CLI::ExtrasError*>(&error) && !extras.empty()) {
    refuse("Unexpected argument " + unshielded(extras.front()));
  }
  if (dynamic_cast<const CLI::RequiredError*>(&error)) {
    for (const CLI::Option* option : app_.get_options()) {
      if (option->get_required() && option->count() == 0) refuse("Missing " + option->get_name() + " argument");
    }
  }
  // An option takes the argument after it whatever it is, so only the last
  // argument can lack its value.
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) && !args.empty() && args.back().starts_with("--")) {
    throw UsageError("Option " + args.back().substr(0, args.back().find('=')) + " needs a value");
  }
  refuse(error.what());
}

void CommandParser::checkHelpDescribesEverything() const {
  for (const CLI::Option* option : app_.get_options()) {
    if (help_.find(option->get_name()) == std::string::npos) {
      throw std::logic_error("The help of kestrin-cli " + command_ + " does not describe " + option->get_name());
    }
  }
}

std::string CommandParser::notWholeNumber(const std::string& name, const std::string& text, const std::string& least) {
  const std::string what = name.starts_with("-") ? "Option " + name : name;
  return what + " needs a whole number" + (least.empty() ? "" : " of at least " + least) + ", not \"" + text + "\"";
}

std::string CommandParser::unknownChoice(const std::string& what, const std::string& word,
                                         const std::vector<std::string>& words) {
  std::string listed;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) listed += i + 1 == words.size() ? " or " : ", ";
    listed += words[i];
  }
  return "Unknown " + what + " " + word + " (" + listed + ")";
}

}  // namespace kestrin::cli
