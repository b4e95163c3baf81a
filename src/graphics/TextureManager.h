#pragma once

#include <cstdint>
#include <string>

#include "graphics/WStringTable.h"

class GameGraphics;

// Turns image paths into texture ids: ids are positions in the path table, handed out from 0 in
// order of first load. The platform texture behind each id belongs to the subclass.
class TextureManager {
 public:
  static constexpr uint32_t FAILED_LOAD = 0xFFFFFFFF;

  virtual ~TextureManager() = default;
  virtual void clearAllTextures() = 0;
  // Loads (or loads again) the image; its id, or FAILED_LOAD when the image cannot be read.
  virtual uint32_t loadTexture(const std::wstring& path) = 0;
  virtual void reloadAllTextures() = 0;

  void setGraphics(GameGraphics* owner) { graphics = owner; }
  const WStringTable& getPathTable() const { return pathTable; }

 protected:
  GameGraphics* graphics = nullptr;  // the renderer that owns this manager
  WStringTable pathTable;
};
