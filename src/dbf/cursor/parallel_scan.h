// A filter scan of records 1..last split into chunks of consecutive records
// that worker threads read and evaluate, each with its own compiled copy of
// the expression, its own record buffer and its own memo file. The calling
// thread merges the chunks' matches into the filter bits strictly in record
// order and reports progress between chunks, so that a stop request or the
// first failure (in record order) ends the scan as the scan on one thread
// would. At most two chunks per worker are read ahead of the merge: the
// memory stays a few blocks whatever the table's size. Where the filter is
// one of searches for words, a sieve (RecordSieve) passes over the records
// of each block that cannot hold them before any record is evaluated.
#pragma once

#include <functional>
#include <memory>

#include "dbf/cursor/huge_bit_set.h"
#include "dbf/expr/handler.h"
#include "dbf/table/dbf_fields.h"

namespace kestrin::dbf {

class ParallelScan {
 public:
  struct Settings {
    int threads = 2;
    int chunkRecords = 1;  // records per chunk, at least 1
    int readRecords = 1;   // records per read within a chunk
  };
  ParallelScan(const DbfFields& table, int lastRecord, bool useDeleted, Settings settings);

  // A compiled copy of the filter that evaluates over `link`.
  using MakeExpression = std::function<std::unique_ptr<ExprHandler>(ExprTableLink& link)>;
  // Told, on the calling thread, the record number all records up to which
  // are merged; it throws to stop the scan (the exception leaves run()).
  using Merged = std::function<void(int through)>;

  // Sets in `bits` the live (or, with useDeleted, every) record whose
  // expression gives true. Returns the number of the last record evaluated:
  // lastRecord, or less where the file came short of it (the caller reads on
  // from there as a scan on one thread does), or 0 when no worker thread
  // could be started. A read or evaluation error of a worker is thrown here,
  // the one of the lowest record first.
  int run(const MakeExpression& makeExpression, HugeBitSet& bits, const Merged& merged);

 private:
  const DbfFields& table_;
  int lastRecord_;
  bool useDeleted_;
  Settings settings_;
};

}  // namespace kestrin::dbf
