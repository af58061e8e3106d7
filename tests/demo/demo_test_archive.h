// The small demo archive the demo tests read, written once per test program,
// and a cursor opened on one of its tables.
#pragma once

#include <memory>
#include <string>

#include "dbf/cursor/table_cursor.h"
#include "demo/demo_base.h"
#include "support/temp_dir.h"

namespace kestrin::demo::testing {

struct SharedArchive {
  kestrin::testing::TempDir dir;
  DemoArchive archive;
};

// The default ("small") demo archive with seed 7.
inline const SharedArchive& smallArchive() {
  static const std::unique_ptr<SharedArchive> shared = [] {
    auto s = std::make_unique<SharedArchive>();
    DemoOptions options = demoOptionsForScale("small");
    options.seed = 7;
    s->archive = writeDemoArchive(s->dir.path() + "/demo", options);
    return s;
  }();
  return *shared;
}

// A cursor on `tableFile` of `baseFolder` with every field of the table,
// deleted records hidden unless `withDeleted`.
inline std::unique_ptr<dbf::TableCursor> openTable(const std::string& baseFolder, std::string_view tableFile,
                                                   bool withDeleted = false) {
  auto cursor = std::make_unique<dbf::TableCursor>();
  cursor->setDatabaseName(baseFolder);
  cursor->setTableName(std::string(tableFile));
  cursor->setUseDeleted(withDeleted);
  cursor->setExactCount(true);
  cursor->open();
  return cursor;
}

}  // namespace kestrin::demo::testing
