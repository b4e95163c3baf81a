#pragma once

#include <memory>

#include "app/Game.h"

// A game on the real SDL services with a hidden 800 by 600 window and the game's text generator,
// for tests that need named texts. Run headless (dummy video driver, software renderer).
class LeavesTestGame {
 public:
  LeavesTestGame();
  Game& get() { return *game; }

 private:
  std::unique_ptr<Game> game;
};
