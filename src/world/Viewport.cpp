#include "world/Viewport.h"

int32_t Viewport::clampedPosition(int32_t position, int32_t size, int32_t worldSize) {
  if (position < 0) return 0;
  if (position >= worldSize - size) return worldSize - size - 1;
  return position;
}

void Viewport::moveViewport(int32_t dx, int32_t dy, int32_t worldWidth, int32_t worldHeight) {
  viewportX = clampedPosition(viewportX + dx, viewportWidth, worldWidth);
  viewportY = clampedPosition(viewportY + dy, viewportHeight, worldHeight);
}

bool Viewport::areWorldCoordinatesInViewport(float x, float y, int32_t width, int32_t height) const {
  const auto left = static_cast<float>(viewportX);
  const auto top = static_cast<float>(viewportY);
  return !(left >= x + static_cast<float>(width) || top >= y + static_cast<float>(height) ||
           x >= left + static_cast<float>(viewportWidth) || y >= top + static_cast<float>(viewportHeight));
}
