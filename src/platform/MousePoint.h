#pragma once

#include <cstdint>

// A mouse position in game (client-area) pixels.
struct MousePoint {
  int32_t x = 0;
  int32_t y = 0;
};
