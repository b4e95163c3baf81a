#pragma once

#include <cstdint>

// What the application is doing. The values are fixed: they key the GUI's screen map and the
// screen files refer to them. 4, 10 and 11 are unused.
enum GameState : int32_t {
  GS_MAIN_MENU = 0,
  GS_LOADING_LEVEL = 1,
  GS_GAME_IN_PROGRESS = 2,
  GS_EXIT_GAME = 3,
  GS_ABOUT_MENU = 5,
  GS_CONTROLS_MENU = 6,
  GS_PAUSED = 7,
  GS_GAME_OVER = 8,
  GS_OBJECTIVE = 9,
  GS_GAME_END = 12,
};
