#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Where the player can walk in a level, as the physics sees it: every collidable tile of column c
// and row r is a 30 x 30 box centred on the tile's top-left corner (c * 32, r * 32), and the player
// is a 32 x 32 box centred on its position. A position is free when the player's box overlaps no
// wall box (touching is allowed). Positions are world pixels.
class ReachabilityMap {
 public:
  static constexpr int32_t tileSize = 32;

  // collidable[c + r * columns] marks the wall tiles.
  ReachabilityMap(int32_t columns, int32_t rows, std::vector<bool> collidable);

  bool isFree(int32_t x, int32_t y) const;
  // Walks from (x, y) in steps of `step` pixels through free positions inside the world. A step is
  // smaller than a wall box, so no wall fits between two free neighbours.
  void floodFrom(int32_t x, int32_t y, int32_t step);
  // Whether the walk reached a position strictly inside the square left < x < left + size,
  // top < y < top + size.
  bool reachesInside(int32_t left, int32_t top, int32_t size) const;
  bool isReached(int32_t x, int32_t y) const;

 private:
  bool isCollidable(int32_t column, int32_t row) const;
  bool onGrid(int32_t x, int32_t y) const;
  size_t cellIndex(int32_t x, int32_t y) const;

  int32_t columns;
  int32_t rows;
  std::vector<bool> collidable;
  int32_t step = 1;
  int32_t originX = 0;  // the walk's grid: originX + i * step, originY + j * step
  int32_t originY = 0;
  int32_t gridColumns = 0;
  int32_t gridRows = 0;
  std::vector<bool> reached;
};
