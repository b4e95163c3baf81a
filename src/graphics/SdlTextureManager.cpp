#include "graphics/SdlTextureManager.h"

#include <SDL.h>
#include <SDL_image.h>

#include <iostream>
#include <vector>

#include "data/WideText.h"
#include "graphics/SdlGraphics.h"

void SdlTextureManager::TextureDeleter::operator()(SDL_Texture* texture) const {
  SDL_DestroyTexture(texture);
}

void SdlTextureManager::clearAllTextures() {
  textures.clear();
  pathTable.clear();
}

uint32_t SdlTextureManager::loadTexture(const std::wstring& path) {
  const std::string file = WideText::narrow(path);
  SDL_Surface* loaded = IMG_Load(file.c_str());
  if (!loaded) {
    std::cerr << file << ": image cannot be loaded: " << IMG_GetError() << "\n";
    return FAILED_LOAD;
  }
  SDL_Surface* surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (!surface) {
    std::cerr << file << ": image cannot be converted: " << SDL_GetError() << "\n";
    return FAILED_LOAD;
  }
  sdlGraphics.applyColorKey(*surface);
  SDL_Texture* texture = nullptr;
  if (SDL_Renderer* renderer = sdlGraphics.getRenderer()) {
    texture = SDL_CreateTextureFromSurface(renderer, surface);
    if (texture) SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  }
  SDL_FreeSurface(surface);
  textures[path] = TexturePtr(texture);
  return pathTable.putStringInTable(path);
}

void SdlTextureManager::releaseTextures() {
  for (auto& [path, texture] : textures) texture.reset();
}

void SdlTextureManager::reloadAllTextures() {
  std::vector<std::wstring> paths;
  for (const auto& [path, texture] : textures) paths.push_back(path);
  for (const std::wstring& path : paths) loadTexture(path);
}

SDL_Texture* SdlTextureManager::getTexture(uint32_t id) const {
  if (id >= pathTable.size()) return nullptr;
  auto found = textures.find(pathTable.getStringFromIndex(id));
  return found == textures.end() ? nullptr : found->second.get();
}
