#include "platform/SdlTimer.h"

#include <SDL.h>

#include <utility>

SdlTimer::SdlTimer()
    : SdlTimer([] { return static_cast<uint32_t>(SDL_GetTicks()); },
               [](uint32_t ms) { SDL_Delay(ms); }) {}

SdlTimer::SdlTimer(Clock clockSource, Sleeper sleepCall)
    : clock(std::move(clockSource)), sleeper(std::move(sleepCall)) {
  timerResolution = getMinSystemTimerResolution();
}

uint32_t SdlTimer::getAveragePotentialFPS() const {
  if (loopCounter == 0) return 0;
  const float average = static_cast<float>(static_cast<double>(totalWorkTime) / loopCounter);
  const auto whole = static_cast<uint32_t>(average);
  if (whole == 0) return 1000;
  return static_cast<uint32_t>(1000.0f / average);
}

uint32_t SdlTimer::getAverageFPS() const {
  if (loopCounter == 0) return 0;
  const uint32_t average = totalLoopTime / loopCounter;
  return average == 0 ? 1000 : 1000 / average;
}

uint32_t SdlTimer::getAverageSleepTime() const {
  return loopCounter == 0 ? 0 : totalSleepTime / loopCounter;
}

void SdlTimer::resetTimer() {
  gameLoopStartTime = clock();
  sleepEndTime = clock();
  loopCounter = 0;
  totalLoopTime = 0;
  totalWorkTime = 0;
  totalSleepTime = 0;
  fps = 0;
  potentialFPS = 0;
}

void SdlTimer::timeGameLoop() {
  gameLoopEndTime = clock();
  loopTime = gameLoopEndTime - gameLoopStartTime;
  // The next frame starts now: the sleep below counts towards its loop time.
  gameLoopStartTime = clock();
  totalLoopTime += loopTime;
  workTime = gameLoopEndTime - sleepEndTime;
  totalWorkTime += workTime;
  fps = loopTime == 0 ? 1000 : 1000 / loopTime;
  potentialFPS = workTime == 0 ? 1000 : 1000 / workTime;
  if (targetMillisPerFrame > workTime) {
    sleepTime = targetMillisPerFrame - workTime;
    totalSleepTime += sleepTime;
    sleeper(sleepTime);
    loopSpeedFactor = 1.0f;
  } else {
    sleepTime = 0;
    loopSpeedFactor = static_cast<float>(static_cast<double>(targetFPS) / potentialFPS);
  }
  sleepEndTime = clock();
  ++loopCounter;
}

void SdlTimer::setTargetFPS(int32_t rate) {
  if (rate <= 0) return;  // a zero rate would divide by zero; callers keep 5..100
  targetFPS = rate;
  targetMillisPerFrame = static_cast<uint32_t>(1000 / rate);
}
