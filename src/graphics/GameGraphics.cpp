#include "graphics/GameGraphics.h"

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "gui/GameGUI.h"
#include "text/GameText.h"

void GameGraphics::initGraphicsLists(int32_t width, int32_t height) {
  screenWidth = width;
  screenHeight = height;
  guiRenderList = std::make_unique<RenderList>(GUI_LIST_CAPACITY);
  guiTextureManager = createTextureManager();
  worldRenderList = std::make_unique<RenderList>(WORLD_LIST_CAPACITY);
  worldTextureManager = createTextureManager();
}

void GameGraphics::fillRenderLists(Game& owner) {
  owner.getStateManager()->addLevelRenderItems(owner);
  owner.getGUI()->addRenderItemsToRenderList(owner);
}

void GameGraphics::clearWorldTextures() {
  if (worldTextureManager) worldTextureManager->clearAllTextures();
  if (worldRenderList) worldRenderList->clear();
}

void GameGraphics::renderText(GameText& text) {
  for (size_t i = 0; i < text.getNumberOfTextEntries(); ++i) renderTextToDraw(text.getTextEntry(i));
}
