#pragma once

#include <cstdint>
#include <memory>

#include "app/Game.h"
#include "data/VexmoorDataLoader.h"
#include "support/FakeInputSource.h"

// A game with its real services on a hidden window and the software renderer; the input state
// and the timer's clock are the test's.
struct HeadlessGame {
  explicit HeadlessGame(int32_t width = 320, int32_t height = 240);
  ~HeadlessGame();

  VexmoorDataLoader loader;
  Game game;
  FakeInputSource* input = nullptr;  // owned by the game's input service
  uint32_t clockMs = 0;              // what the timer reads; each sleep advances it
  uint32_t sleeps = 0;
};
