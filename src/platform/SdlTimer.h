#pragma once

#include <cstdint>
#include <functional>

#include "platform/GameTimer.h"

// Frame timer on SDL's millisecond clock. The clock and the sleep can be replaced (tests drive the
// bookkeeping with a fake clock). All times are milliseconds; differences wrap modulo 2^32.
class SdlTimer : public GameTimer {
 public:
  using Clock = std::function<uint32_t()>;
  using Sleeper = std::function<void(uint32_t)>;

  SdlTimer();
  SdlTimer(Clock clock, Sleeper sleeper);

  uint32_t getLoopCounter() const override { return loopCounter; }
  uint32_t getTotalWorkTime() const override { return totalWorkTime; }
  float getLoopSpeedFactor() const override { return loopSpeedFactor; }
  uint32_t getTotalLoopTime() const override { return totalLoopTime; }
  uint32_t getAveragePotentialFPS() const override;
  uint32_t getAverageFPS() const override;
  uint32_t getAverageSleepTime() const override;
  uint32_t getMinSystemTimerResolution() const override { return 1; }
  void resetTimer() override;
  void timeGameLoop() override;
  int32_t getTargetFPS() const override { return targetFPS; }
  void setTargetFPS(int32_t fps) override;

  uint32_t getTargetMillisPerFrame() const { return targetMillisPerFrame; }
  uint32_t getLoopTime() const { return loopTime; }
  uint32_t getWorkTime() const { return workTime; }
  uint32_t getSleepTime() const { return sleepTime; }
  uint32_t getTotalSleepTime() const { return totalSleepTime; }
  uint32_t getFPS() const { return fps; }
  uint32_t getPotentialFPS() const { return potentialFPS; }

 private:
  Clock clock;
  Sleeper sleeper;
  int32_t targetFPS = 60;
  uint32_t timerResolution = 1;
  uint32_t targetMillisPerFrame = 1000 / 60;  // integer: 16, not 16.67
  uint32_t gameLoopStartTime = 0;
  uint32_t sleepEndTime = 0;
  uint32_t gameLoopEndTime = 0;
  uint32_t loopTime = 0;  // previous frame start to this measurement, previous sleep included
  uint32_t workTime = 0;  // end of the previous sleep to this measurement
  uint32_t totalLoopTime = 0;
  uint32_t totalWorkTime = 0;
  uint32_t fps = 0;
  uint32_t potentialFPS = 0;
  uint32_t sleepTime = 0;
  uint32_t totalSleepTime = 0;
  float loopSpeedFactor = 1.0f;
  uint32_t loopCounter = 0;
};
