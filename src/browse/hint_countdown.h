// The hint labels under the search results: shown while a countdown of 100
// ticks of 200 ms runs; a page change or an edit of the search box cuts it
// short so that they disappear at the next tick.
#pragma once

namespace kestrin::browse {

class HintCountdown {
 public:
  static constexpr int kTicks = 100;
  static constexpr int kTickMilliseconds = 200;

  void start() { remaining_ = kTicks; }
  void cutShort() {
    if (remaining_ > 0) remaining_ = 1;
  }
  // One tick: true while the labels are to be shown, false when they are
  // hidden and the timer stops.
  bool tick() {
    if (remaining_ <= 0) return false;
    --remaining_;
    return remaining_ > 0;
  }
  bool running() const { return remaining_ > 0; }

 private:
  int remaining_ = 0;
};

}  // namespace kestrin::browse
