#pragma once

#include <array>

#include "platform/KeyCodes.h"
#include "platform/MousePoint.h"

// Where the input service reads the raw keyboard and mouse state each poll. The SDL source is the
// game's; tests supply their own to drive input frame by frame.
class InputStateSource {
 public:
  virtual ~InputStateSource() = default;
  // Fills one flag per virtual-key code: true when the key or button is down now.
  virtual void readKeys(std::array<bool, KeyCodes::COUNT>& down) = 0;
  // The mouse position in game pixels (not yet clamped to the screen).
  virtual MousePoint readMouse() = 0;
  virtual bool isLeftButtonDown() = 0;
};
