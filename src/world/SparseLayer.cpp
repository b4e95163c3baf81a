#include "world/SparseLayer.h"

#include <cassert>

#include "graphics/RenderList.h"
#include "world/Viewport.h"

void SparseLayer::addOverlayImage(std::unique_ptr<OverlayImage> image) {
  overlayImages.push_back(image.get());
  ownedImages.push_back(std::move(image));
}

OverlayImage& SparseLayer::getOverlayImage(size_t index) const {
  assert(index < overlayImages.size());
  return *overlayImages[index];
}

OverlayImage* SparseLayer::findOverlayImageAt(int32_t x, int32_t y) const {
  for (OverlayImage* image : overlayImages) {
    if (image->x == x && image->y == y) return image;
  }
  return nullptr;
}

void SparseLayer::addRenderItemsToRenderList(RenderList& list, const Viewport& viewport) {
  for (const OverlayImage* image : overlayImages) {
    if (!viewport.areWorldCoordinatesInViewport(static_cast<float>(image->x), static_cast<float>(image->y),
                                                image->width, image->height)) {
      continue;
    }
    list.addRenderItem(image->imageId, image->x - viewport.getViewportX(), image->y - viewport.getViewportY(),
                       image->z, image->alpha, image->width, image->height);
  }
}
