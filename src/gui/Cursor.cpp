#include "gui/Cursor.h"

#include <utility>

#include "graphics/RenderList.h"

void Cursor::initCursor(std::vector<uint32_t> ids, uint32_t activeId, int32_t startX, int32_t startY,
                        int32_t depth, int32_t opacity, int32_t drawnWidth, int32_t drawnHeight) {
  imageIds = std::move(ids);
  activeCursorId = activeId;
  x = startX;
  y = startY;
  z = depth;
  alpha = opacity;
  width = drawnWidth;
  height = drawnHeight;
}

void Cursor::addRenderItemToRenderList(RenderList& list) const {
  list.addRenderItem(activeCursorId, x, y, z, alpha, width, height);
}
