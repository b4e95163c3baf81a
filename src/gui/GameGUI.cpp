#include "gui/GameGUI.h"

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "graphics/GameGraphics.h"

void GameGUI::updateMouseOver(int32_t, int32_t, GameState) {}

void GameGUI::checkCurrentScreenForAction(Game&) {}

void GameGUI::addRenderItemsToRenderList(Game& game) {
  RenderList* list = game.getGraphics()->getGUIRenderList();
  if (cursor && list) {
    list->addRenderItem(cursor->getActiveImageId(), cursor->getX(), cursor->getY(), cursor->getZ(),
                        cursor->getAlpha(), cursor->getWidth(), cursor->getHeight());
  }
}
