#pragma once

#include <cstdint>
#include <memory>

#include "graphics/GameGraphics.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Surface;

// The renderer on SDL_Renderer: accelerated where there is one, software otherwise.
class SdlGraphics : public GameGraphics {
 public:
  explicit SdlGraphics(Game& game);
  ~SdlGraphics() override;

  std::unique_ptr<TextureManager> createTextureManager() override;
  bool initGraphics(SDL_Window* window, bool fullscreen);
  void initTextFont(int32_t height) override;
  void reloadGraphics() override;
  void renderGame(Game& game) override;
  void renderTextToDraw(TextEntry& entry) override;
  void setColorKey(int32_t red, int32_t green, int32_t blue) override;
  void setFontColor(int32_t red, int32_t green, int32_t blue) override;
  void shutdown() override;
  void onDeviceReset() override;

  SDL_Renderer* getRenderer() const { return renderer; }
  // Makes opaque pixels of exactly the colour key fully transparent. The surface is ARGB8888.
  void applyColorKey(SDL_Surface& surface) const;

 private:
  void renderList(RenderList& list, TextureManager& textures, int32_t offsetX, int32_t offsetY);

  SDL_Window* window = nullptr;      // the OS service's window, not owned
  SDL_Renderer* renderer = nullptr;  // owned
  uint32_t colorKey = 0xFF000000;    // ARGB
  uint32_t fontColor = 0xFF000000;   // ARGB
};
