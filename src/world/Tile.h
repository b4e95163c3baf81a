#pragma once

#include <cstdint>

// One cell of a tiled layer.
struct Tile {
  // Texture id of the world texture manager; 0xFFFFFFFF draws nothing.
  uint32_t textureId = 0xFFFFFFFF;
  // The physics binding makes a static wall body for a collidable tile.
  bool collidable = false;
};
