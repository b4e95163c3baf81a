#include "graphics/SdlGraphics.h"

#include <SDL.h>

#include <iostream>

#include "app/Game.h"
#include "graphics/SdlTextureManager.h"
#include "gui/GameGUI.h"

namespace {
uint32_t toArgb(int32_t red, int32_t green, int32_t blue) {
  return 0xFF000000u + (static_cast<uint32_t>(red) & 0xFF) * 0x10000u +
         (static_cast<uint32_t>(green) & 0xFF) * 0x100u + (static_cast<uint32_t>(blue) & 0xFF);
}
}  // namespace

SdlGraphics::SdlGraphics(Game& owner) : GameGraphics(owner) { SDL_InitSubSystem(SDL_INIT_VIDEO); }

SdlGraphics::~SdlGraphics() {
  shutdown();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::unique_ptr<TextureManager> SdlGraphics::createTextureManager() {
  auto manager = std::make_unique<SdlTextureManager>(*this);
  manager->setGraphics(this);
  return manager;
}

bool SdlGraphics::initGraphics(SDL_Window* gameWindow, bool fullscreen) {
  window = gameWindow;
  if (!window) return false;
  renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
  if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer) {
    std::cerr << "renderer: could not be created: " << SDL_GetError() << "\n";
    return false;
  }
  if (fullscreen) SDL_RenderSetLogicalSize(renderer, screenWidth, screenHeight);
  SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
  return true;
}

void SdlGraphics::initTextFont(int32_t) {}

void SdlGraphics::reloadGraphics() {}

void SdlGraphics::onDeviceReset() {}

void SdlGraphics::renderGame(Game& owner) {
  if (!renderer) return;
  SDL_SetRenderDrawColor(renderer, 0x60, 0x60, 0x60, 0xFF);
  SDL_RenderClear(renderer);
  const Viewport& viewport = owner.getGUI()->getViewport();
  renderList(*worldRenderList, *worldTextureManager, viewport.getViewportOffsetX(), viewport.getViewportOffsetY());
  renderList(*guiRenderList, *guiTextureManager, 0, 0);
  SDL_RenderPresent(renderer);
}

void SdlGraphics::renderList(RenderList& list, TextureManager& textures, int32_t offsetX, int32_t offsetY) {
  auto& manager = static_cast<SdlTextureManager&>(textures);
  list.resetIterator();
  while (list.hasNext()) {
    const RenderItem item = list.next();
    SDL_Texture* texture = manager.getTexture(item.textureId);
    if (!texture) continue;
    int width = 0;
    int height = 0;
    SDL_QueryTexture(texture, nullptr, nullptr, &width, &height);
    const SDL_Rect target{item.x + offsetX, item.y + offsetY, width, height};
    SDL_RenderCopy(renderer, texture, nullptr, &target);
  }
  list.clear();
}

void SdlGraphics::renderTextToDraw(TextEntry&) {}

void SdlGraphics::setColorKey(int32_t red, int32_t green, int32_t blue) { colorKey = toArgb(red, green, blue); }

void SdlGraphics::setFontColor(int32_t red, int32_t green, int32_t blue) { fontColor = toArgb(red, green, blue); }

void SdlGraphics::applyColorKey(SDL_Surface& surface) const {
  if (SDL_MUSTLOCK(&surface)) SDL_LockSurface(&surface);
  for (int row = 0; row < surface.h; ++row) {
    auto* pixels = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface.pixels) + row * surface.pitch);
    for (int column = 0; column < surface.w; ++column) {
      if (pixels[column] == colorKey) pixels[column] = 0;
    }
  }
  if (SDL_MUSTLOCK(&surface)) SDL_UnlockSurface(&surface);
}

void SdlGraphics::shutdown() {
  // Textures die with their renderer: let go of them first.
  for (TextureManager* manager : {guiTextureManager.get(), worldTextureManager.get()}) {
    if (manager) static_cast<SdlTextureManager*>(manager)->releaseTextures();
  }
  if (renderer) SDL_DestroyRenderer(renderer);
  renderer = nullptr;
}
