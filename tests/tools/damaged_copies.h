// Damaged copies of a demo base, one fault per copy, made by byte surgery on
// the files the demo writer produced: truncations, wrong lengths, bad index
// nodes and memo pointers, missing or replaced memo files, letter-case twins,
// a zero-filled tail. Each copy names the kestrin-cli command that meets the
// fault and what a person must get from it: a clear one-line error naming
// the damaged file, or the right records; never exit 0 with other data.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kestrin::damage {

enum class Expect {
  ErrorNamingTheFile,  // exit 1, one line on stderr that names `file`
  SameAsIntact,        // exit 0, the output the intact base gives
  SameAsReference,     // exit 0, the output `reference` gives on the same copy
};

struct DamagedCopy {
  std::string name;
  std::string file;  // the file damaged, in the base folder
  std::function<void(const std::filesystem::path& base)> damage;
  // kestrin-cli arguments; "{base}" stands for the copy's base folder.
  std::vector<std::string> command;
  Expect expect = Expect::ErrorNamingTheFile;
  std::vector<std::string> reference;  // for SameAsReference
};

// Every case, in a fixed order; names are unique and usable as folder names.
const std::vector<DamagedCopy>& damagedCopies();

// Copies the base folder `intact` to `target` (created; must not exist) and
// applies the case's damage there.
void makeDamagedCopy(const std::filesystem::path& intact, const std::filesystem::path& target, const DamagedCopy& copy);

// `command` with "{base}" replaced by `base`.
std::vector<std::string> commandFor(const std::vector<std::string>& command, const std::filesystem::path& base);

}  // namespace kestrin::damage
