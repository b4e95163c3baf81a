#pragma once

#include <cstdint>
#include <string>

// One string on the screen and how it is drawn. Colour 300, 300, 300 means the renderer's font
// colour (and no fading).
struct TextEntry {
  static constexpr int32_t FONT_COLOR = 300;

  const std::wstring* text = nullptr;  // owned by whoever made the entry; may change any frame
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  int32_t red = FONT_COLOR;
  int32_t green = FONT_COLOR;
  int32_t blue = FONT_COLOR;
  int32_t alpha = 255;
  bool fading = true;  // the renderer lowers alpha by 2 per drawn frame
  bool largeFont = false;
};
