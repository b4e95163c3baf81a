#pragma once

#include <cstdint>
#include <memory>

#include "graphics/RenderItem.h"

// A fixed-capacity list of render items, allocated once and refilled every frame. Adding to a
// full list drops the item silently.
class RenderList {
 public:
  explicit RenderList(int32_t capacity);

  void addRenderItem(uint32_t textureId, int32_t x, int32_t y, int32_t z, int32_t alpha,
                     int32_t width, int32_t height, float rotationInRadians = 0.0f);
  void resetIterator() { iteratorIndex = 0; }
  bool hasNext() const { return iteratorIndex < size; }
  RenderItem next() { return items[iteratorIndex++]; }
  void clear() {
    size = 0;
    iteratorIndex = 0;
  }
  int32_t getSize() const { return size; }
  int32_t getMaxItems() const { return maxItems; }

 private:
  std::unique_ptr<RenderItem[]> items;
  int32_t size = 0;
  int32_t maxItems;
  int32_t iteratorIndex = 0;
};
