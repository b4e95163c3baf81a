#pragma once

#include <string>

class Game;

// The game layer's reaction to a clicked button's command.
class ButtonEventHandler {
 public:
  virtual ~ButtonEventHandler() = default;
  virtual void handleButtonEvents(Game& game, const std::wstring& command) = 0;
};
