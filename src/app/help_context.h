// Help contexts: each window's "Справка" opens the help at its page.
#pragma once

namespace kestrin::app {

enum class HelpContext : int {
  MainWindow = 10,
  Settings = 60,
  Card = 100,
  Picture = 300,
  AdvancedSearch = 400,
};

}  // namespace kestrin::app
