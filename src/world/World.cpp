#include "world/World.h"

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "graphics/GameGraphics.h"
#include "gui/GameGUI.h"

void World::addLayerRenderItems(Game& game) {
  if (!game.getStateManager()->isLevelLoaded()) return;
  RenderList* list = game.getGraphics()->getWorldRenderList();
  const Viewport& viewport = game.getGUI()->getViewport();
  for (const auto& layer : layers) layer->addRenderItemsToRenderList(*list, viewport);
}

void World::addFogRenderItems(Game&) {}

void World::updateFogOfWar(Game&) {}

void World::unloadWorld() {
  layers.clear();
  worldWidth = 0;
  worldHeight = 0;
}
