#pragma once

#include <string>

#include "gui/ButtonEventHandler.h"

// Vexmoor's menu commands: state changes and starting, quitting and leaving the game. Commands
// compare exactly (case-sensitively); anything else is ignored.
class VexmoorButtonEventHandler : public ButtonEventHandler {
 public:
  void handleButtonEvents(Game& game, const std::wstring& command) override;
};
