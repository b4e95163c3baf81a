#include "support/RenderTestGame.h"

#include <SDL.h>
#include <SDL_image.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

#include "data/WideText.h"
#include "platform/SdlTimer.h"
#include "platform/GameInput.h"
#include "support/HeadlessServices.h"

RenderTestGame::RenderTestGame(int32_t width, int32_t height)
    : tempFolder(std::filesystem::temp_directory_path() /
                 ("vexmoor-render-" + std::to_string(getpid()) + "-" + std::to_string(SDL_GetTicks64()) + "-" +
                  std::to_string(reinterpret_cast<uintptr_t>(this)))),
      theGame(std::make_unique<Game>()) {
  std::filesystem::create_directories(tempFolder);
  auto source = std::make_unique<FakeInputSource>();
  input = source.get();
  sdlGraphics = &HeadlessServices::install(*theGame, width, height, std::move(source), std::make_unique<SdlTimer>());
}

RenderTestGame::~RenderTestGame() {
  frame.reset();
  theGame.reset();
  std::error_code ignored;
  std::filesystem::remove_all(tempFolder, ignored);
}

void RenderTestGame::setMouse(int32_t x, int32_t y) {
  input->mouse = MousePoint{x, y};
  theGame->getInput()->processInput(*theGame);
}

void RenderTestGame::renderFrame() {
  sdlGraphics->renderGame(*theGame);
  frame = sdlGraphics->captureFrame();
  if (!frame) throw std::runtime_error("the frame cannot be read back");
}

uint32_t RenderTestGame::pixel(int x, int y) const {
  const auto* row = static_cast<const uint8_t*>(frame->pixels) + y * frame->pitch;
  return reinterpret_cast<const uint32_t*>(row)[x];
}

std::wstring RenderTestGame::writeImage(const std::string& name, int width, int height, uint32_t argb) const {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, argb);
  return writeImage(name, width, height, pixels.data());
}

std::wstring RenderTestGame::writeImage(const std::string& name, int width, int height,
                                        const uint32_t* pixels) const {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < width; ++x) row[x] = pixels[y * width + x];
  }
  const std::string path = (tempFolder / name).string();
  IMG_SavePNG(surface, path.c_str());
  SDL_FreeSurface(surface);
  return WideText::widen(path);
}
