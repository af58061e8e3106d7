// kestrin-damaged-copies BASE OUT: writes OUT/<case>/ for every damaged-copy
// case, each a copy of the base folder BASE (a demo base made by kestrin-cli
// make-demo) with one fault, and prints the case, its command and what it
// must give, one line each, for trying the copies by hand or in the window.
#include <exception>
#include <filesystem>
#include <iostream>

#include "tools/damaged_copies.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kestrin-damaged-copies BASE OUT\n";
    return 1;
  }
  namespace fs = std::filesystem;
  using kestrin::damage::Expect;
  try {
    const fs::path base = argv[1];
    const fs::path out = argv[2];
    for (const auto& copy : kestrin::damage::damagedCopies()) {
      const fs::path target = out / copy.name;
      kestrin::damage::makeDamagedCopy(base, target, copy);
      std::cout << copy.name << "\tkestrin-cli";
      for (const auto& arg : kestrin::damage::commandFor(copy.command, target)) std::cout << ' ' << arg;
      std::cout << '\t'
                << (copy.expect == Expect::ErrorNamingTheFile ? "error naming " + copy.file
                                                              : std::string("right records"))
                << '\n';
    }
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
