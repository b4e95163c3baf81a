#pragma once

#include "platform/InputStateSource.h"

// Reads SDL's keyboard and mouse state and maps it onto the virtual-key numbering.
class SdlInputStateSource : public InputStateSource {
 public:
  void readKeys(std::array<bool, KeyCodes::COUNT>& down) override;
  MousePoint readMouse() override;
  bool isLeftButtonDown() override;
};
