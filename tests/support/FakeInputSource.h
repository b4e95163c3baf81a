#pragma once

#include "platform/InputStateSource.h"

// Keyboard and mouse state set by a test, read by the input service each poll.
class FakeInputSource : public InputStateSource {
 public:
  void readKeys(std::array<bool, KeyCodes::COUNT>& down) override { down = keys; }
  MousePoint readMouse() override { return mouse; }
  bool isLeftButtonDown() override { return keys[KeyCodes::LEFT_BUTTON]; }

  std::array<bool, KeyCodes::COUNT> keys{};
  MousePoint mouse;
};
