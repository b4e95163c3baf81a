#pragma once

#include <cstdint>

// Holds the game to its target frame rate with one sleep per frame. Times in milliseconds.
class GameTimer {
 public:
  virtual ~GameTimer() = default;
  virtual uint32_t getLoopCounter() const = 0;
  virtual uint32_t getTotalWorkTime() const = 0;
  virtual float getLoopSpeedFactor() const = 0;
  virtual uint32_t getTotalLoopTime() const = 0;
  virtual uint32_t getAveragePotentialFPS() const = 0;
  virtual uint32_t getAverageFPS() const = 0;
  virtual uint32_t getAverageSleepTime() const = 0;
  virtual uint32_t getMinSystemTimerResolution() const = 0;
  virtual void resetTimer() = 0;
  virtual void timeGameLoop() = 0;
  virtual int32_t getTargetFPS() const = 0;
  virtual void setTargetFPS(int32_t fps) = 0;
};
