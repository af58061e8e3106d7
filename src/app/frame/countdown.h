// The frame's timers count down in ticks: the caption keeps a status text for
// ten one-second ticks after the last one shown; the hint labels under the
// search results stay for 100 ticks of 200 ms, and a page change or an edit
// of the search box cuts them short so that they go at the next tick.
#pragma once

namespace kestrin::app {

// How long a countdown runs: `ticks` ticks of `tickMilliseconds` each.
struct CountdownLength {
  int ticks;
  int tickMilliseconds;
};

inline constexpr CountdownLength kCaptionCountdown{10, 1000};
inline constexpr CountdownLength kHintCountdown{100, 200};

class Countdown {
 public:
  // What one tick found: nothing was counting, the count goes on, or this
  // tick was the last one (the caption goes back, the hints are hidden).
  enum class Tick { idle, counting, ended };

  explicit constexpr Countdown(CountdownLength length) : length_(length) {}

  const CountdownLength& length() const { return length_; }

  // Counts from the start, also while a count is running.
  void start() { remaining_ = length_.ticks; }
  // A running count ends at the next tick; an idle one stays idle.
  void cutShort() {
    if (remaining_ > 0) remaining_ = 1;
  }
  Tick tick() {
    if (remaining_ <= 0) return Tick::idle;
    return --remaining_ > 0 ? Tick::counting : Tick::ended;
  }
  bool running() const { return remaining_ > 0; }

 private:
  CountdownLength length_;
  int remaining_ = 0;
};

}  // namespace kestrin::app
