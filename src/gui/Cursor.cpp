#include "gui/Cursor.h"

#include <utility>

#include "graphics/RenderList.h"

void Cursor::initCursor(std::vector<uint32_t> ids, uint32_t activeId, int32_t startX, int32_t startY,
                        int32_t depth, int32_t opacity, int32_t drawnWidth, int32_t drawnHeight) {
  imageIds = std::move(ids);
  image = OverlayImage{activeId, startX, startY, depth, opacity, drawnWidth, drawnHeight};
}

// The image is centred on the pointer: the game's cursor is a crosshair, and shots and the aiming
// line go to the pointer itself.
void Cursor::addRenderItemToRenderList(RenderList& list) const {
  list.addRenderItem(image.imageId, image.x - image.width / 2, image.y - image.height / 2, image.z, image.alpha,
                     image.width, image.height);
}
