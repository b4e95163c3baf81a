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

  // Moves by (dx, dy) pixels and keeps the viewport inside a world of the given size, stopping
  // one pixel short of its right and bottom edges.
  void moveViewport(int32_t dx, int32_t dy, int32_t worldWidth, int32_t worldHeight);
  // Whether the rectangle (x, y, width, height) in world pixels overlaps the viewport; one that
  // only touches its edge is outside.
  bool areWorldCoordinatesInViewport(float x, float y, int32_t width, int32_t height) const;

 private:
  static int32_t clampedPosition(int32_t position, int32_t size, int32_t worldSize);

  int32_t viewportX = 0;
  int32_t viewportY = 0;
  int32_t viewportWidth = 0;
  int32_t viewportHeight = 0;
  int32_t viewportOffsetX = 0;
  int32_t viewportOffsetY = 0;
};
