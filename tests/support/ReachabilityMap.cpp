#include "support/ReachabilityMap.h"

#include <cstdlib>
#include <deque>
#include <utility>

namespace {
// Half the player box plus half a wall box: closer centres than this overlap.
constexpr int32_t overlapDistance = 16 + 15;

int32_t floorDiv(int32_t a, int32_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
}  // namespace

ReachabilityMap::ReachabilityMap(int32_t columns, int32_t rows, std::vector<bool> collidable)
    : columns(columns), rows(rows), collidable(std::move(collidable)) {}

bool ReachabilityMap::isCollidable(int32_t column, int32_t row) const {
  return column >= 0 && row >= 0 && column < columns && row < rows &&
         collidable[static_cast<size_t>(column + row * columns)];
}

bool ReachabilityMap::isFree(int32_t x, int32_t y) const {
  for (int32_t c = floorDiv(x - overlapDistance, tileSize); c <= floorDiv(x + overlapDistance, tileSize); ++c) {
    if (std::abs(x - c * tileSize) >= overlapDistance) continue;
    for (int32_t r = floorDiv(y - overlapDistance, tileSize); r <= floorDiv(y + overlapDistance, tileSize); ++r) {
      if (std::abs(y - r * tileSize) < overlapDistance && isCollidable(c, r)) return false;
    }
  }
  return true;
}

bool ReachabilityMap::onGrid(int32_t x, int32_t y) const {
  return x >= originX && y >= originY && (x - originX) % step == 0 && (y - originY) % step == 0 &&
         (x - originX) / step < gridColumns && (y - originY) / step < gridRows;
}

size_t ReachabilityMap::cellIndex(int32_t x, int32_t y) const {
  return static_cast<size_t>((x - originX) / step + (y - originY) / step * gridColumns);
}

void ReachabilityMap::floodFrom(int32_t x, int32_t y, int32_t walkStep) {
  step = walkStep;
  originX = x - floorDiv(x, step) * step;
  originY = y - floorDiv(y, step) * step;
  gridColumns = (columns * tileSize - originX + step - 1) / step;
  gridRows = (rows * tileSize - originY + step - 1) / step;
  reached.assign(static_cast<size_t>(gridColumns) * static_cast<size_t>(gridRows), false);
  if (!onGrid(x, y) || !isFree(x, y)) return;
  std::deque<std::pair<int32_t, int32_t>> open{{x, y}};
  reached[cellIndex(x, y)] = true;
  while (!open.empty()) {
    const auto [px, py] = open.front();
    open.pop_front();
    const std::pair<int32_t, int32_t> neighbours[] = {
        {px + step, py}, {px - step, py}, {px, py + step}, {px, py - step}};
    for (const auto& [nx, ny] : neighbours) {
      if (!onGrid(nx, ny) || reached[cellIndex(nx, ny)] || !isFree(nx, ny)) continue;
      reached[cellIndex(nx, ny)] = true;
      open.emplace_back(nx, ny);
    }
  }
}

bool ReachabilityMap::isReached(int32_t x, int32_t y) const { return onGrid(x, y) && reached[cellIndex(x, y)]; }

bool ReachabilityMap::reachesInside(int32_t left, int32_t top, int32_t size) const {
  for (int32_t y = top + 1; y < top + size; ++y) {
    for (int32_t x = left + 1; x < left + size; ++x) {
      if (isReached(x, y)) return true;
    }
  }
  return false;
}
