#include "dbf/cursor/parallel_scan.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "dbf/cursor/record_sieve.h"
#include "dbf/cursor/scan_expr_link.h"
#include "dbf/expr/flat_condition.h"

namespace kestrin::dbf {
namespace {

// One chunk's outcome, in the slot the chunk's number selects.
struct Slot {
  std::vector<int> matches;
  int records = 0;  // whole records read
  std::exception_ptr error;
  bool ready = false;  // filled, and not yet merged
};

struct Worker {
  std::unique_ptr<ScanExprLink> link;
  std::unique_ptr<ExprHandler> expression;
  std::unique_ptr<FlatCondition> flat;             // the expression's steps, where it has the shape
  std::unique_ptr<RecordSieve> sieve;              // where the steps let records be passed over
  std::vector<RecordSieve::Candidate> candidates;  // the records of a piece the sieve keeps
  std::thread thread;

  bool accepts(bool fieldsMiss) {
    return flat ? flat->evaluate(*link, fieldsMiss) : expression->evaluate().asBoolean();
  }
};

}  // namespace

ParallelScan::ParallelScan(const DbfFields& table, int lastRecord, bool useDeleted, Settings settings)
    : table_(table), lastRecord_(lastRecord), useDeleted_(useDeleted), settings_(settings) {
  settings_.threads = std::max(settings_.threads, 1);
  settings_.chunkRecords = std::max(settings_.chunkRecords, 1);
}

int ParallelScan::run(const MakeExpression& makeExpression, HugeBitSet& bits, const Merged& merged) {
  if (lastRecord_ <= 0) return lastRecord_;
  const int chunkRecords = settings_.chunkRecords;
  const int chunkCount = static_cast<int>((static_cast<long long>(lastRecord_) + chunkRecords - 1) / chunkRecords);
  const int window = 2 * settings_.threads;
  const auto recordLength = static_cast<std::size_t>(table_.recordLength());
  const std::int64_t headerLength = table_.headerLength();

  std::vector<Slot> slots(static_cast<std::size_t>(window));
  std::mutex mutex;
  std::condition_variable changed;
  int nextChunk = 0;
  int mergedChunks = 0;
  bool stop = false;

  const auto chunkFirst = [&](int k) { return k * chunkRecords + 1; };
  const auto chunkSize = [&](int k) { return std::min(chunkRecords, lastRecord_ - chunkFirst(k) + 1); };

  const auto work = [&](Worker& worker) {
    // A chunk is read in pieces that stay in the second-level cache while
    // they are evaluated; the chunk itself is large so that the threads meet
    // at the lock seldom (a wake-up costs microseconds, more in a VM).
    const int pieceRecords = std::clamp(settings_.readRecords, 1, chunkRecords);
    std::vector<char> buffer(static_cast<std::size_t>(pieceRecords) * recordLength);
    while (true) {
      int k = 0;
      {
        std::unique_lock lock(mutex);
        k = nextChunk++;
        // The slot is free once the chunk a window before is merged.
        changed.wait(lock, [&] { return stop || k >= chunkCount || k < mergedChunks + window; });
        if (stop || k >= chunkCount) return;
      }
      // Until it is marked ready, the slot is this worker's alone.
      Slot& slot = slots[static_cast<std::size_t>(k % window)];
      slot.matches.clear();
      slot.records = 0;
      slot.error = nullptr;
      try {
        const int first = chunkFirst(k);
        const int size = chunkSize(k);
        for (int start = 0; start < size;) {
          const int piece = std::min(pieceRecords, size - start);
          const std::size_t wanted = static_cast<std::size_t>(piece) * recordLength;
          const std::size_t got = table_.source().read(
              headerLength + static_cast<std::int64_t>(first + start - 1) * static_cast<std::int64_t>(recordLength),
              buffer.data(), wanted);
          const auto whole = static_cast<int>(got / recordLength);
          const auto consider = [&](int i, bool fieldsMiss) {
            const RecordView record(buffer.data() + static_cast<std::size_t>(i) * recordLength);
            if (!useDeleted_ && record.isDeleted()) return;
            worker.link->setRecord(record, first + start + i);
            if (worker.accepts(fieldsMiss)) slot.matches.push_back(first + start + i);
          };
          if (worker.sieve) {
            worker.candidates.clear();
            worker.sieve->sift(buffer.data(), whole, worker.candidates);
            for (const RecordSieve::Candidate& candidate : worker.candidates) {
              consider(candidate.index, candidate.fieldsMiss);
            }
          } else {
            for (int i = 0; i < whole; ++i) consider(i, false);
          }
          start += whole;
          slot.records = start;
          if (whole < piece) break;  // the file came short
        }
      } catch (...) {
        slot.error = std::current_exception();
      }
      {
        std::lock_guard lock(mutex);
        slot.ready = true;
      }
      changed.notify_all();
    }
  };

  std::vector<Worker> workers(static_cast<std::size_t>(settings_.threads));
  for (Worker& worker : workers) {
    worker.link = std::make_unique<ScanExprLink>(table_);
    worker.expression = makeExpression(*worker.link);
    worker.flat = FlatCondition::of(*worker.expression);
    if (worker.flat) worker.sieve = RecordSieve::of(*worker.flat, table_);
  }
  // However the merge ends, the workers are stopped and waited for.
  struct Join {
    std::vector<Worker>& workers;
    std::mutex& mutex;
    std::condition_variable& changed;
    bool& stop;
    ~Join() {
      {
        std::lock_guard lock(mutex);
        stop = true;
      }
      changed.notify_all();
      for (Worker& worker : workers) {
        if (worker.thread.joinable()) worker.thread.join();
      }
    }
  } join{workers, mutex, changed, stop};
  try {
    for (Worker& worker : workers) worker.thread = std::thread(work, std::ref(worker));
  } catch (const std::system_error&) {
    return 0;  // no threads to be had: nothing merged, the caller scans alone
  }

  for (int k = 0; k < chunkCount; ++k) {
    Slot& slot = slots[static_cast<std::size_t>(k % window)];
    {
      std::unique_lock lock(mutex);
      changed.wait(lock, [&] { return slot.ready; });
    }
    if (slot.error) std::rethrow_exception(slot.error);
    for (const int n : slot.matches) bits.set(n);
    const int through = chunkFirst(k) + slot.records - 1;
    const bool cameShort = slot.records < chunkSize(k);
    {
      std::lock_guard lock(mutex);
      slot.ready = false;
      mergedChunks = k + 1;
    }
    changed.notify_all();
    merged(through);
    if (cameShort) return through;
  }
  return lastRecord_;
}

}  // namespace kestrin::dbf
