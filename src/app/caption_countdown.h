// The caption timer's countdown: a status text stays in the caption for ten
// one-second ticks after the last one shown, then the caption goes back.
#pragma once

namespace kestrin::app {

class CaptionCountdown {
 public:
  static constexpr int kTicks = 10;
  static constexpr int kTickMilliseconds = 1000;

  // A status text was shown: count from the start again.
  void restart() { remaining_ = kTicks; }
  // One tick; true when this tick ends the countdown (put the caption back).
  bool tick() { return remaining_ > 0 && --remaining_ == 0; }
  bool running() const { return remaining_ > 0; }

 private:
  int remaining_ = 0;
};

}  // namespace kestrin::app
