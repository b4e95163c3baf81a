#pragma once

class Game;

// The game layer's reaction to the keys, called once per frame after the keys are polled.
class KeyEventHandler {
 public:
  virtual ~KeyEventHandler() = default;
  virtual void handleKeyEvents(Game& game) = 0;
};
