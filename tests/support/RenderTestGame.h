#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "app/Game.h"
#include "graphics/SdlGraphics.h"
#include "support/FakeInputSource.h"

// A Game with a real hidden window and renderer (software under the test environment), the
// platform services installed, and a temporary folder for images the test writes. The benchmarks
// use it too.
class RenderTestGame {
 public:
  static constexpr int32_t WIDTH = 200;
  static constexpr int32_t HEIGHT = 150;

  explicit RenderTestGame(int32_t width = WIDTH, int32_t height = HEIGHT);
  ~RenderTestGame();

  Game& game() { return *theGame; }
  SdlGraphics& graphics() { return *sdlGraphics; }
  // Moves the cursor (game pixels) and lets the input service read it.
  void setMouse(int32_t x, int32_t y);
  // Draws one frame and reads the back buffer.
  void renderFrame();
  // A pixel of the last rendered frame as 0xAARRGGBB.
  uint32_t pixel(int x, int y) const;
  // Writes a PNG of the given size filled with one ARGB colour; returns its path.
  std::wstring writeImage(const std::string& name, int width, int height, uint32_t argb) const;
  // Writes a PNG of the given ARGB pixels, row by row.
  std::wstring writeImage(const std::string& name, int width, int height, const uint32_t* pixels) const;
  const std::filesystem::path& folder() const { return tempFolder; }

 private:
  std::filesystem::path tempFolder;
  std::unique_ptr<Game> theGame;
  SdlGraphics* sdlGraphics = nullptr;  // owned by the game
  FakeInputSource* input = nullptr;    // owned by the game's input service
  SdlGraphics::SurfacePtr frame;
};
