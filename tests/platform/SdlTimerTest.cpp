#include "platform/SdlTimer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A clock the test moves by hand; each sleep moves it by the time slept.
struct FakeClock {
  uint32_t now = 1000;
  std::vector<uint32_t> sleeps;
  SdlTimer timer{[this] { return now; }, [this](uint32_t ms) {
                   sleeps.push_back(ms);
                   now += ms;
                 }};
};

TEST(SdlTimer, SleepsOutTheIntegerBudget) {
  FakeClock clock;
  clock.timer.resetTimer();
  clock.now += 5;
  clock.timer.timeGameLoop();
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{11}));  // 16 ms budget at 60 fps
  EXPECT_EQ(clock.timer.getWorkTime(), 5u);
  EXPECT_FLOAT_EQ(clock.timer.getLoopSpeedFactor(), 1.0f);
  EXPECT_EQ(clock.timer.getLoopCounter(), 1u);
}

TEST(SdlTimer, SlowFrameDoesNotSleepAndReportsItsSlowness) {
  FakeClock clock;
  clock.timer.resetTimer();
  clock.now += 20;
  clock.timer.timeGameLoop();
  EXPECT_TRUE(clock.sleeps.empty());
  EXPECT_EQ(clock.timer.getPotentialFPS(), 50u);
  EXPECT_FLOAT_EQ(clock.timer.getLoopSpeedFactor(), 1.2f);
}

TEST(SdlTimer, ZeroWorkSleepsTheWholeBudget) {
  FakeClock clock;
  clock.timer.resetTimer();
  clock.timer.timeGameLoop();
  EXPECT_EQ(clock.timer.getPotentialFPS(), 1000u);
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{16}));
}

TEST(SdlTimer, SleepCountsTowardsTheNextFramesLoopTime) {
  FakeClock clock;
  clock.timer.resetTimer();
  clock.now += 4;
  clock.timer.timeGameLoop();  // sleeps 12
  clock.now += 6;
  clock.timer.timeGameLoop();
  EXPECT_EQ(clock.timer.getLoopTime(), 18u);  // 12 slept + 6 worked
  EXPECT_EQ(clock.timer.getWorkTime(), 6u);
  EXPECT_EQ(clock.timer.getTotalLoopTime(), 22u);
  EXPECT_EQ(clock.timer.getTotalWorkTime(), 10u);
  EXPECT_EQ(clock.timer.getAverageFPS(), 1000u / 11u);
  EXPECT_EQ(clock.timer.getAverageSleepTime(), 11u);
  EXPECT_EQ(clock.timer.getAveragePotentialFPS(), 200u);
}

TEST(SdlTimer, ClockWrapAroundStillMeasuresTheFrame) {
  FakeClock clock;
  clock.now = 0xFFFFFFFE;
  clock.timer.resetTimer();
  clock.now += 5;  // wraps to 3
  clock.timer.timeGameLoop();
  EXPECT_EQ(clock.timer.getWorkTime(), 5u);
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{11}));
}

TEST(SdlTimer, AveragesAreZeroBeforeTheFirstFrameAndTargetRateSetsTheBudget) {
  FakeClock clock;
  clock.timer.resetTimer();
  EXPECT_EQ(clock.timer.getAverageFPS(), 0u);
  EXPECT_EQ(clock.timer.getAveragePotentialFPS(), 0u);
  EXPECT_EQ(clock.timer.getAverageSleepTime(), 0u);
  clock.timer.setTargetFPS(100);
  EXPECT_EQ(clock.timer.getTargetMillisPerFrame(), 10u);
  clock.timer.setTargetFPS(5);
  EXPECT_EQ(clock.timer.getTargetMillisPerFrame(), 200u);
  clock.timer.setTargetFPS(0);
  EXPECT_EQ(clock.timer.getTargetFPS(), 5);
}

}  // namespace
