#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "world/WorldLayer.h"

class Game;

// The static part of a running level: its size in pixels and its layers.
class World {
 public:
  int32_t getWorldWidth() const { return worldWidth; }
  int32_t getWorldHeight() const { return worldHeight; }
  void setWorldWidth(int32_t width) { worldWidth = width; }
  void setWorldHeight(int32_t height) { worldHeight = height; }
  void addWorldLayer(std::unique_ptr<WorldLayer> layer) { layers.push_back(std::move(layer)); }
  const std::vector<std::unique_ptr<WorldLayer>>& getLayers() const { return layers; }
  void addLayerRenderItems(Game& game);
  void addFogRenderItems(Game& game);
  void updateFogOfWar(Game& game);
  void unloadWorld();

 private:
  int32_t worldWidth = 0;
  int32_t worldHeight = 0;
  std::vector<std::unique_ptr<WorldLayer>> layers;
};
