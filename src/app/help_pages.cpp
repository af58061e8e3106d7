#include "app/help_pages.h"

namespace kestrin::app {

std::string_view helpPageOf(HelpContext context) {
  switch (context) {
    case HelpContext::MainWindow:
      return "main.html";
    case HelpContext::Settings:
      return "settings.html";
    case HelpContext::Card:
      return "card.html";
    case HelpContext::Picture:
      return "pictures.html";
    case HelpContext::AdvancedSearch:
      return "advanced.html";
  }
  return kHelpContentsPage;
}

}  // namespace kestrin::app
