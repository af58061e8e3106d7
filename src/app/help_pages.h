// The pages of the built-in help: which page each help context opens, and
// the pages every help window offers. Page names are resource-relative.
#pragma once

#include <string_view>

#include "app/help_context.h"

namespace kestrin::app {

inline constexpr std::string_view kHelpContentsPage = "index.html";
inline constexpr std::string_view kHelpNewsPage = "news.html";

// The page a "Справка" button or F1 of that window opens.
std::string_view helpPageOf(HelpContext context);

}  // namespace kestrin::app
