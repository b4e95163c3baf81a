#include "gui/GameGUI.h"

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "graphics/GameGraphics.h"

void GameGUI::addScreenGUI(GameState state, std::unique_ptr<ScreenGUI> screen) {
  screens[state] = std::move(screen);
}

ScreenGUI* GameGUI::getScreen(GameState state) const {
  const auto found = screens.find(state);
  return found == screens.end() ? nullptr : found->second.get();
}

void GameGUI::registerButtonEventHandler(ButtonEventHandler* handler) {
  for (const auto& [state, screen] : screens) screen->registerButtonEventHandler(handler);
}

void GameGUI::updateMouseOver(int32_t mouseX, int32_t mouseY, GameState state) {
  if (ScreenGUI* screen = getScreen(state)) screen->updateMouseOver(mouseX, mouseY);
}

bool GameGUI::checkCurrentScreenForAction(Game& game) {
  ScreenGUI* screen = getScreen(game.getStateManager()->getCurrentState());
  return screen && screen->fireButtonCommand(game);
}

void GameGUI::addRenderItemsToRenderList(Game& game) {
  RenderList* list = game.getGraphics()->getGUIRenderList();
  if (!list) return;
  const GameStateManager& stateManager = *game.getStateManager();
  if (stateManager.isAppActive()) {
    if (const ScreenGUI* screen = getScreen(stateManager.getCurrentState())) screen->addRenderItemsToRenderList(*list);
  }
  if (cursor) cursor->addRenderItemToRenderList(*list);
}
