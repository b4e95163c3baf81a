#pragma once

#include <cstdint>
#include <vector>

// The game's own mouse cursor, drawn at the polled mouse position.
class Cursor {
 public:
  void initCursor(std::vector<uint32_t> imageIds, uint32_t activeImageId, int32_t x, int32_t y,
                  int32_t z, int32_t alpha, int32_t width, int32_t height);
  int32_t getX() const { return x; }
  int32_t getY() const { return y; }
  void setX(int32_t value) { x = value; }
  void setY(int32_t value) { y = value; }
  uint32_t getActiveImageId() const { return activeImageId; }
  int32_t getZ() const { return z; }
  int32_t getAlpha() const { return alpha; }
  int32_t getWidth() const { return width; }
  int32_t getHeight() const { return height; }

 private:
  std::vector<uint32_t> imageIds;
  uint32_t activeImageId = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t z = 0;
  int32_t alpha = 0;
  int32_t width = 0;
  int32_t height = 0;
};
