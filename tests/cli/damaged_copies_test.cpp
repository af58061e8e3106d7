// kestrin-cli on damaged copies of a small demo base, one fault per copy:
// each gives a clear one-line error naming the damaged file, or the right
// records; none exits 0 with other data.
#include "tools/damaged_copies.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "cli/cli_run.h"
#include "demo/demo_base.h"
#include "support/temp_dir.h"
#include "text/cp1251_case.h"

namespace kestrin::damage {
namespace {

namespace fs = std::filesystem;

using testing::CliRun;
using testing::runCli;

// A small demo base written once for every case.
const fs::path& intactBase() {
  static const std::unique_ptr<testing::TempDir> dir = std::make_unique<testing::TempDir>("kestrin-damage");
  static const fs::path base = [] {
    demo::DemoOptions options = demo::demoOptionsForFiles(300);
    options.photoFolders = 0;
    return fs::path(demo::writeDemoArchive(dir->path() + "/demo", options).baseFolder);
  }();
  return base;
}

}  // namespace

void PrintTo(const DamagedCopy& copy, std::ostream* out) { *out << copy.name; }

namespace {

class DamagedCopies : public ::testing::TestWithParam<DamagedCopy> {};

TEST_P(DamagedCopies, ClearErrorOrTheRightRecords) {
  const DamagedCopy& copy = GetParam();
  testing::TempDir scratch("kestrin-damaged");
  const fs::path base = fs::path(scratch.path()) / copy.name;
  makeDamagedCopy(intactBase(), base, copy);
  const CliRun run = runCli(commandFor(copy.command, base), scratch.path());
  switch (copy.expect) {
    case Expect::ErrorNamingTheFile: {
      EXPECT_EQ(run.status, 1) << run.out.substr(0, 200);
      ASSERT_FALSE(run.err.empty());
      EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
      // The file by its name, or a value of it as the engine names one (DELO->L5).
      const std::string said = text::upper1251(run.err);
      const bool named = said.find(text::upper1251(copy.file)) != std::string::npos ||
                         said.find(text::upper1251(fs::path(copy.file).stem().string() + "->")) != std::string::npos;
      EXPECT_TRUE(named) << run.err;
      break;
    }
    case Expect::SameAsIntact: {
      const CliRun intact = runCli(commandFor(copy.command, intactBase()), scratch.path());
      ASSERT_EQ(intact.status, 0) << intact.err;
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(run.out, intact.out);
      break;
    }
    case Expect::SameAsReference: {
      const CliRun reference = runCli(commandFor(copy.reference, base), scratch.path());
      ASSERT_EQ(reference.status, 0) << reference.err;
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(run.out, reference.out);
      break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Surgery, DamagedCopies, ::testing::ValuesIn(damagedCopies()),
                         [](const auto& test) { return test.param.name; });

}  // namespace
}  // namespace kestrin::damage
