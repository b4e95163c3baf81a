#pragma once

#include <cstdint>
#include <vector>

#include "gui/OverlayImage.h"

class RenderList;

// The game's own mouse cursor, drawn centred on the polled mouse position.
class Cursor {
 public:
  // Takes over the list of GUI texture ids the cursor can show.
  void initCursor(std::vector<uint32_t> imageIds, uint32_t activeCursorId, int32_t x, int32_t y,
                  int32_t z, int32_t alpha, int32_t width, int32_t height);
  void addRenderItemToRenderList(RenderList& list) const;
  int32_t getX() const { return image.x; }
  int32_t getY() const { return image.y; }
  void setX(int32_t value) { image.x = value; }
  void setY(int32_t value) { image.y = value; }
  const std::vector<uint32_t>& getImageIds() const { return imageIds; }
  uint32_t getActiveCursorId() const { return image.imageId; }
  int32_t getZ() const { return image.z; }
  int32_t getAlpha() const { return image.alpha; }
  int32_t getWidth() const { return image.width; }
  int32_t getHeight() const { return image.height; }

 private:
  std::vector<uint32_t> imageIds;
  OverlayImage image;  // the active image, at the pointer
};
