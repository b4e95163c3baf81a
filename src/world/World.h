#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "world/SparseLayer.h"
#include "world/WorldLayer.h"

class Game;

// The static part of a running level: its size in pixels, its layers (drawn in list order, the
// first at the back) and the fog of war, which is drawn over the sprites.
class World {
 public:
  World();

  int32_t getWorldWidth() const { return worldWidth; }
  int32_t getWorldHeight() const { return worldHeight; }
  void setWorldWidth(int32_t width) { worldWidth = width; }
  void setWorldHeight(int32_t height) { worldHeight = height; }
  void addWorldLayer(std::unique_ptr<WorldLayer> layer) { layers.push_back(std::move(layer)); }
  const std::vector<std::unique_ptr<WorldLayer>>& getLayers() const { return layers; }
  // The fog is not one of the layers. Its cells are square images laid edge to edge from the
  // world origin; a cell's alpha is its darkness.
  void setFogOfWar(std::unique_ptr<SparseLayer> fog, int32_t rows, int32_t columns);
  SparseLayer* getFogOfWar() const { return fogOfWar.get(); }
  int32_t getFogRows() const { return fogRows; }
  int32_t getFogColumns() const { return fogColumns; }

  void addLayerRenderItems(Game& game);
  void addFogRenderItems(Game& game);
  // Dims what was seen before and clears the 3 x 3 cells around the player.
  void updateFogOfWar(Game& game);
  // Removes the layers and the fog; the world has no fog until the next setFogOfWar.
  void unloadWorld();

 private:
  int32_t worldWidth = 0;
  int32_t worldHeight = 0;
  std::vector<std::unique_ptr<WorldLayer>> layers;
  int32_t fogRows = 0;
  int32_t fogColumns = 0;
  std::unique_ptr<SparseLayer> fogOfWar;
};
