// Text for the terminal: what kestrin-cli prints on stderr is valid UTF-8
// and shows control bytes, whatever a damaged file put into a message.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace kestrin::cli {

bool isValidUtf8(std::string_view text);

// `text` as valid UTF-8 on one line: valid UTF-8 sequences stay (file names
// arrive so), any other byte is taken as Windows-1251 (field texts quoted
// from a record), and control bytes, NUL included, are shown as \xNN.
std::string terminalText(std::string_view text);

// The engine's whole message of `error` and, for a damaged file, what was
// wrong with it; the bytes as they are.
std::string errorMessage(const std::exception& error);
// errorMessage as terminalText: the one line an error is reported by.
std::string errorLine(const std::exception& error);

}  // namespace kestrin::cli
