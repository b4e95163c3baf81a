#pragma once

#include <cstdint>

// The part of the world shown, in world pixels, and where on the screen it is drawn. A world
// point (wx, wy) appears at (wx - x + offsetX, wy - y + offsetY).
class Viewport {
 public:
  int32_t getViewportX() const { return viewportX; }
  int32_t getViewportY() const { return viewportY; }
  int32_t getViewportWidth() const { return viewportWidth; }
  int32_t getViewportHeight() const { return viewportHeight; }
  int32_t getViewportOffsetX() const { return viewportOffsetX; }
  int32_t getViewportOffsetY() const { return viewportOffsetY; }
  void setViewportX(int32_t value) { viewportX = value; }
  void setViewportY(int32_t value) { viewportY = value; }
  void setViewportWidth(int32_t value) { viewportWidth = value; }
  void setViewportHeight(int32_t value) { viewportHeight = value; }
  void setViewportOffsetX(int32_t value) { viewportOffsetX = value; }
  void setViewportOffsetY(int32_t value) { viewportOffsetY = value; }

 private:
  int32_t viewportX = 0;
  int32_t viewportY = 0;
  int32_t viewportWidth = 0;
  int32_t viewportHeight = 0;
  int32_t viewportOffsetX = 0;
  int32_t viewportOffsetY = 0;
};
