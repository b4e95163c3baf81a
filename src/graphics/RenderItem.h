#pragma once

#include <cstdint>

// One thing to draw. World items are in pixels relative to the viewport's top-left corner, GUI
// items in client-area pixels.
struct RenderItem {
  uint32_t textureId = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t z = 0;       // carried along; items are drawn in the order added
  int32_t alpha = 255;  // 255 opaque, 0 invisible; clamped to 0..255 when drawn
  int32_t width = 0;
  int32_t height = 0;
  float rotationInRadians = 0.0f;  // about the item's centre
};
