#pragma once

#include <array>

#include "platform/KeyCodes.h"
#include "platform/KeyRecord.h"
#include "platform/MousePoint.h"

class Game;
class KeyEventHandler;

// Polled keyboard and mouse. The per-key records and the first-press rule live here so every
// implementation shares them; implementations supply the raw "down now" state.
class GameInput {
 public:
  virtual ~GameInput() = default;

  virtual void updateKeyStates() = 0;
  virtual void processInput(Game& game) = 0;
  virtual void processMouse(Game& game) = 0;
  virtual void shutdown() = 0;
  virtual MousePoint getMousePoint() const = 0;
  virtual bool wasMouseClicked() const = 0;

  bool isKeyDown(int keyCode) const { return inRange(keyCode) && keys[keyCode].isPressed; }
  bool isKeyDownForFirstTime(int keyCode) const { return inRange(keyCode) && keys[keyCode].isFirstPress; }
  void registerKeyHandler(KeyEventHandler* handler) { keyHandler = handler; }

 protected:
  // Applies one poll of raw key states (true = down now) to the records.
  void applyKeyStates(const std::array<bool, KeyCodes::COUNT>& down);

  std::array<KeyRecord, KeyCodes::COUNT> keys{};
  KeyEventHandler* keyHandler = nullptr;  // not owned

 private:
  static bool inRange(int keyCode) { return keyCode >= 0 && keyCode < KeyCodes::COUNT; }
};
