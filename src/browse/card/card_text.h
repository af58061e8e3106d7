// The record card as the card builders produce it: lines of Windows-1251 text
// with their character attributes, plus what a card build sets around the
// card (caption, status panels, the left panel's labels). The rich-text view
// and `kestrin-cli card` both render this value.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrin::browse {

// The grid font size (base), base + 2 points, or a fixed 10 points.
enum class CardSize { Base, BasePlus2, Ten };
// The system window-text colour, or grey for notes of absent values.
enum class CardColor { Text, Grey };

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kGreyNote{128, 128, 128};
// The search words' colours in the order the words are typed, repeating.
inline constexpr std::array<Rgb, 3> kHighlightColours{Rgb{0, 0, 255}, Rgb{0, 128, 0}, Rgb{128, 0, 0}};

// A highlighted run of one line, always bold. Offsets count characters of
// the line (one per Windows-1251 byte, which is one UTF-16 unit too); `to`
// is exclusive.
struct HighlightRun {
  int from = 0;
  int to = 0;
  Rgb colour;
  bool operator==(const HighlightRun&) const = default;
};

// One paragraph of the card. A line holds no line breaks: text that has them
// becomes several lines with the same attributes.
struct CardLine {
  std::string text;
  bool bold = false;
  CardSize size = CardSize::BasePlus2;
  CardColor colour = CardColor::Text;
  std::vector<HighlightRun> spans;
  bool operator==(const CardLine&) const = default;
};

// The search mode chosen in the quick search box, which decides what the
// card highlights.
enum class HighlightMode { AllWords, AnyWord, Phrase, Number };

// The left panel's navigation labels that a card names.
enum class CardLabel { OpisFondNum, DeloFondNum, DeloOpisNum };

struct LabelText {
  CardLabel label;
  std::string caption;
  std::string hint;
  bool operator==(const LabelText&) const = default;
};

// What a file card tells the photo list: the parts of the file's photo
// subfolder.
struct FilePhotoKey {
  std::string fondNumber;  // trimmed, inner blanks kept
  std::string opisNumber;  // for display ("1. Т.2")
  std::string deloNumber;
  bool operator==(const FilePhotoKey&) const = default;
};

struct Card {
  std::vector<CardLine> lines;
  // ShowStatus text for the caption; nullopt leaves the caption alone.
  std::optional<std::string> caption;
  // Status bar panels 0 and 1.
  std::array<std::string, 2> status;
  // The status bar's hint; nullopt leaves it alone.
  std::optional<std::string> statusHint;
  std::vector<LabelText> labels;
  // The document card keeps the scroll position; the others scroll to the top.
  bool scrollToTop = true;
  bool operator==(const Card&) const = default;
};

}  // namespace kestrin::browse
