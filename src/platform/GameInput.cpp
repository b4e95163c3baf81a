#include "platform/GameInput.h"

void GameInput::applyKeyStates(const std::array<bool, KeyCodes::COUNT>& down) {
  for (int code = 0; code < KeyCodes::COUNT; ++code) {
    KeyRecord& key = keys[code];
    key.isPressed = down[code];
    if (!key.isPressed) {
      key.wasHeldDown = false;
      key.isFirstPress = false;
    } else if (key.wasHeldDown) {
      key.isFirstPress = false;
    } else {
      key.wasHeldDown = true;
      key.isFirstPress = true;
    }
  }
}
