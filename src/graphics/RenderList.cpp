#include "graphics/RenderList.h"

RenderList::RenderList(int32_t capacity)
    : items(std::make_unique<RenderItem[]>(capacity > 0 ? capacity : 0)),
      maxItems(capacity > 0 ? capacity : 0) {}

void RenderList::addRenderItem(uint32_t textureId, int32_t x, int32_t y, int32_t z, int32_t alpha,
                               int32_t width, int32_t height, float rotationInRadians) {
  if (size >= maxItems) return;
  items[size++] = RenderItem{textureId, x, y, z, alpha, width, height, rotationInRadians};
}
