// Large generated bases for the benchmarks, made once and kept between runs
// in $KESTRIN_BENCH_DIR (default /tmp/kestrin-bench).
#pragma once

#include <memory>
#include <string>

#include "dbf/cursor/table_cursor.h"

namespace kestrin::bench {

// The folder of a DELO.DBF of `records` files, every one with an L5 memo of
// about 100-300 bytes; written on first use.
std::string deloBase(int records);

// A cursor on the DELO.DBF of `folder` (from deloBase), open.
std::unique_ptr<dbf::TableCursor> openDelo(const std::string& folder);

// The base folder (DIR/DBF) of a demo archive of about `files` files, as
// kestrin-cli make-demo writes it; written on first use.
std::string demoBase(long long files);

// The base folder of a demo base of `scale` ("small", "medium", "large":
// 1,000,000 files and about 3,000,000 documents) with its CDX indexes,
// without photographs; written on first use.
std::string demoBase(const std::string& scale);

// The demo base of the scale $KESTRIN_BENCH_SCALE names ("large" by default),
// written on first use and kept for the run.
const std::string& scaleBase();

// Reads every byte of `path` with large sequential reads; returns the bytes read.
long long plainRead(const std::string& path);

}  // namespace kestrin::bench
