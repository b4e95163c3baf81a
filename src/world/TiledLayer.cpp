#include "world/TiledLayer.h"

#include <algorithm>
#include <cassert>

#include "graphics/RenderList.h"
#include "world/Viewport.h"

const Tile TiledLayer::missingTile{};

TiledLayer::TiledLayer(int32_t columnCount, int32_t rowCount, int32_t width, int32_t height, int32_t depth,
                       bool isCollidable)
    : WorldLayer(isCollidable), columns(columnCount), rows(rowCount), tileWidth(width), tileHeight(height), z(depth) {}

const Tile& TiledLayer::getTile(int32_t row, int32_t column) const {
  assert(row >= 0 && row < rows && column >= 0 && column < columns);
  const size_t index = static_cast<size_t>(column) + static_cast<size_t>(row) * static_cast<size_t>(columns);
  return index < tiles.size() ? tiles[index] : missingTile;
}

void TiledLayer::addRenderItemsToRenderList(RenderList& list, const Viewport& viewport) {
  if (tileWidth <= 0 || tileHeight <= 0) return;
  const int32_t vx = viewport.getViewportX();
  const int32_t vy = viewport.getViewportY();
  // At most one partly visible column and row past the right and bottom edges; tiles partly left
  // of or above the viewport are clipped by the renderer.
  const int32_t firstColumn = std::max(0, vx / tileWidth);
  const int32_t lastColumn = std::min(columns - 1, (vx + viewport.getViewportWidth()) / tileWidth);
  const int32_t firstRow = std::max(0, vy / tileHeight);
  const int32_t lastRow = std::min(rows - 1, (vy + viewport.getViewportHeight()) / tileHeight);
  for (int32_t row = firstRow; row <= lastRow; ++row) {
    for (int32_t column = firstColumn; column <= lastColumn; ++column) {
      list.addRenderItem(getTile(row, column).textureId, column * tileWidth - vx, row * tileHeight - vy, z, 255,
                         tileWidth, tileHeight);
    }
  }
}
