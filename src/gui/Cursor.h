#pragma once

#include <cstdint>
#include <vector>

class RenderList;

// The game's own mouse cursor, drawn centred on the polled mouse position.
class Cursor {
 public:
  // Takes over the list of GUI texture ids the cursor can show.
  void initCursor(std::vector<uint32_t> imageIds, uint32_t activeCursorId, int32_t x, int32_t y,
                  int32_t z, int32_t alpha, int32_t width, int32_t height);
  void addRenderItemToRenderList(RenderList& list) const;
  int32_t getX() const { return x; }
  int32_t getY() const { return y; }
  void setX(int32_t value) { x = value; }
  void setY(int32_t value) { y = value; }
  const std::vector<uint32_t>& getImageIds() const { return imageIds; }
  uint32_t getActiveCursorId() const { return activeCursorId; }
  int32_t getZ() const { return z; }
  int32_t getAlpha() const { return alpha; }
  int32_t getWidth() const { return width; }
  int32_t getHeight() const { return height; }

 private:
  std::vector<uint32_t> imageIds;
  uint32_t activeCursorId = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t z = 0;
  int32_t alpha = 0;
  int32_t width = 0;
  int32_t height = 0;
};
