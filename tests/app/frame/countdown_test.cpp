// The countdown behind the caption timer and the hint labels.
#include "app/frame/countdown.h"

#include <gtest/gtest.h>

namespace kestrin::app {
namespace {

using Tick = Countdown::Tick;

TEST(Countdown, Lengths) {
  EXPECT_EQ(kCaptionCountdown.ticks, 10);
  EXPECT_EQ(kCaptionCountdown.tickMilliseconds, 1000);
  EXPECT_EQ(kHintCountdown.ticks, 100);
  EXPECT_EQ(kHintCountdown.tickMilliseconds, 200);
}

// Both timers: the last tick of a count ends it, the ones before go on.
TEST(Countdown, EveryLengthEndsAtItsLastTick) {
  for (const CountdownLength length : {kCaptionCountdown, kHintCountdown}) {
    Countdown countdown(length);
    EXPECT_EQ(countdown.tick(), Tick::idle);
    countdown.start();
    int counting = 0;
    Tick tick;
    while ((tick = countdown.tick()) == Tick::counting) ++counting;
    EXPECT_EQ(tick, Tick::ended) << length.ticks;
    EXPECT_EQ(counting, length.ticks - 1);
    EXPECT_FALSE(countdown.running());
    EXPECT_EQ(countdown.tick(), Tick::idle);
  }
}

TEST(Countdown, CaptionTenTicksAfterTheLastStatus) {
  Countdown countdown(kCaptionCountdown);
  EXPECT_EQ(countdown.tick(), Tick::idle);
  countdown.start();
  for (int i = 0; i < 9; ++i) EXPECT_EQ(countdown.tick(), Tick::counting);
  countdown.start();  // a later status starts the count again
  for (int i = 0; i < 9; ++i) EXPECT_EQ(countdown.tick(), Tick::counting);
  EXPECT_EQ(countdown.tick(), Tick::ended);
  EXPECT_FALSE(countdown.running());
}

TEST(Countdown, HintsShownForTheirTicksOrCutShort) {
  Countdown hints(kHintCountdown);
  EXPECT_EQ(hints.tick(), Tick::idle);
  hints.start();
  int shown = 0;
  while (hints.tick() == Tick::counting) ++shown;
  EXPECT_EQ(shown, kHintCountdown.ticks - 1);
  EXPECT_FALSE(hints.running());
  hints.start();
  EXPECT_EQ(hints.tick(), Tick::counting);
  hints.cutShort();
  EXPECT_EQ(hints.tick(), Tick::ended);  // gone at the next tick
  hints.cutShort();                      // nothing running: nothing starts
  EXPECT_FALSE(hints.running());
  EXPECT_EQ(hints.tick(), Tick::idle);
}

}  // namespace
}  // namespace kestrin::app
