#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "gui/OverlayImage.h"
#include "world/WorldLayer.h"

// Freely placed images in world pixels, kept and drawn in insertion order. Also the fog of war.
class SparseLayer : public WorldLayer {
 public:
  // The layer owns the image from now on.
  void addOverlayImage(std::unique_ptr<OverlayImage> image);
  // The layer only shows an image that lives elsewhere (the tile-event marker); it must outlive
  // the layer.
  void addOverlayImage(OverlayImage& image) { overlayImages.push_back(&image); }
  // Caller error outside the list (asserted in debug builds).
  OverlayImage& getOverlayImage(size_t index) const;
  size_t getNumberOfOverlayImages() const { return overlayImages.size(); }
  // The first image, in list order, placed exactly at (x, y); null when there is none.
  OverlayImage* findOverlayImageAt(int32_t x, int32_t y) const;
  void addRenderItemsToRenderList(RenderList& list, const Viewport& viewport) override;

 private:
  std::vector<OverlayImage*> overlayImages;  // drawing order; not owning
  std::vector<std::unique_ptr<OverlayImage>> ownedImages;
};
