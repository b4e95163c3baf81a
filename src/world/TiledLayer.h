#pragma once

#include <cstdint>
#include <vector>

#include "world/Tile.h"
#include "world/WorldLayer.h"

// A grid of equally sized tiles, stored row after row: column c of row r is at c + r * columns.
// A grid given fewer tiles than columns * rows still has them all: the missing ones draw nothing
// and are passable.
class TiledLayer : public WorldLayer {
 public:
  TiledLayer(int32_t columns, int32_t rows, int32_t tileWidth, int32_t tileHeight, int32_t z, bool collidable);

  void addTile(const Tile& tile) { tiles.push_back(tile); }
  // Caller error outside the grid (asserted in debug builds).
  const Tile& getTile(int32_t row, int32_t column) const;
  // Adds only the tiles of the viewport's column and row range, found by index arithmetic.
  void addRenderItemsToRenderList(RenderList& list, const Viewport& viewport) override;

  int32_t getColumns() const { return columns; }
  int32_t getRows() const { return rows; }
  int32_t getTileWidth() const { return tileWidth; }
  int32_t getTileHeight() const { return tileHeight; }
  int32_t getZ() const { return z; }

 private:
  static const Tile missingTile;

  std::vector<Tile> tiles;
  int32_t columns;
  int32_t rows;
  int32_t tileWidth;   // pixels
  int32_t tileHeight;  // pixels
  int32_t z;
};
