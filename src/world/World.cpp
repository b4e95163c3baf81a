#include "world/World.h"

#include <cmath>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "graphics/GameGraphics.h"
#include "gui/GameGUI.h"
#include "sprites/SpriteManager.h"

namespace {
// Fog alpha: cells seen before, and the player's 3 x 3 window.
constexpr int32_t NEVER_SEEN = 255;
constexpr int32_t SEEN_BEFORE = 180;
constexpr int32_t CORNER = 100;
constexpr int32_t EDGE = 60;
constexpr int32_t CLEAR = 0;

struct FogCell {
  int32_t column, row, alpha;  // offsets in cells from the player's cell
};
// Later entries win where two name the same cell.
constexpr FogCell windowCells[] = {
    {-1, -1, CORNER}, {-1, 1, CORNER}, {1, -1, CORNER}, {1, 1, CORNER}, {-1, 0, EDGE},
    {0, 0, CLEAR},    {1, 0, EDGE},    {0, -1, EDGE},   {0, 0, CLEAR},  {0, 1, EDGE},
};
}  // namespace

World::World() : fogOfWar(std::make_unique<SparseLayer>()) {}

void World::setFogOfWar(std::unique_ptr<SparseLayer> fog, int32_t rows, int32_t columns) {
  fogOfWar = std::move(fog);
  fogRows = rows;
  fogColumns = columns;
}

void World::addLayerRenderItems(Game& game) {
  if (!game.getStateManager()->isLevelLoaded()) return;
  RenderList* list = game.getGraphics()->getWorldRenderList();
  const Viewport& viewport = game.getGUI()->getViewport();
  for (const auto& layer : layers) layer->addRenderItemsToRenderList(*list, viewport);
}

void World::addFogRenderItems(Game& game) {
  if (!fogOfWar || !game.getStateManager()->isLevelLoaded()) return;
  fogOfWar->addRenderItemsToRenderList(*game.getGraphics()->getWorldRenderList(), game.getGUI()->getViewport());
}

void World::updateFogOfWar(Game& game) {
  if (!fogOfWar || fogOfWar->getNumberOfOverlayImages() == 0) return;
  const OverlayImage& first = fogOfWar->getOverlayImage(0);
  if (first.width <= 0 || first.height <= 0) return;
  for (size_t i = 0; i < fogOfWar->getNumberOfOverlayImages(); ++i) {
    OverlayImage& cell = fogOfWar->getOverlayImage(i);
    if (cell.alpha < NEVER_SEEN) cell.alpha = SEEN_BEFORE;
  }
  const SpriteProperties& player = game.getStateManager()->getSpriteManager()->getPlayer().getProperties();
  const int32_t size = first.width;
  const int32_t cellX = static_cast<int32_t>(std::floor(player.x / static_cast<float>(first.width))) * first.width;
  const int32_t cellY = static_cast<int32_t>(std::floor(player.y / static_cast<float>(first.height))) * first.height;
  for (const FogCell& offset : windowCells) {
    OverlayImage* cell = fogOfWar->findOverlayImageAt(cellX + offset.column * size, cellY + offset.row * size);
    if (cell) cell->alpha = offset.alpha;
  }
}

void World::unloadWorld() {
  layers.clear();
  fogOfWar.reset();
  fogRows = 0;
  fogColumns = 0;
  worldWidth = 0;
  worldHeight = 0;
}
