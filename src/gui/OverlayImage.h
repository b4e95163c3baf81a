#pragma once

#include <cstdint>

// A positioned image: GUI screens, the world's sparse layers and fog, the event marker.
struct OverlayImage {
  uint32_t imageId = 0;  // a texture id of the GUI or world texture manager
  int32_t x = 0;
  int32_t y = 0;
  int32_t z = 0;
  int32_t alpha = 0;
  int32_t width = 0;
  int32_t height = 0;
};
