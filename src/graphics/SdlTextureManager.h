#pragma once

#include <map>
#include <memory>
#include <string>

#include "graphics/TextureManager.h"

struct SDL_Texture;
class SdlGraphics;

// Textures on SDL's renderer, loaded from image files through SDL_image.
class SdlTextureManager : public TextureManager {
 public:
  explicit SdlTextureManager(SdlGraphics& graphics) : sdlGraphics(graphics) {}

  void clearAllTextures() override;
  uint32_t loadTexture(const std::wstring& path) override;
  void reloadAllTextures() override;

  // Drops every platform texture but keeps the paths and ids (the renderer is going away).
  void releaseTextures();
  // The texture of an id, or nothing for an id this manager never handed out.
  SDL_Texture* getTexture(uint32_t id) const;

 private:
  struct TextureDeleter {
    void operator()(SDL_Texture* texture) const;
  };
  using TexturePtr = std::unique_ptr<SDL_Texture, TextureDeleter>;

  SdlGraphics& sdlGraphics;
  std::map<std::wstring, TexturePtr> textures;  // keyed by path
};
