#include "gui/VexmoorButtonEventHandler.h"

#include "app/Game.h"
#include "app/GameStateManager.h"

void VexmoorButtonEventHandler::handleButtonEvents(Game& game, const std::wstring& command) {
  GameStateManager& stateManager = *game.getStateManager();
  if (command == L"Exit") {
    game.shutdown();
  } else if (command == L"Go To Main Menu") {
    stateManager.setCurrentState(GS_MAIN_MENU);
  } else if (command == L"Go To Controls Menu") {
    stateManager.setCurrentState(GS_CONTROLS_MENU);
  } else if (command == L"Go To About Menu") {
    stateManager.setCurrentState(GS_ABOUT_MENU);
  } else if (command == L"Start") {
    // The level last played, so a game quit to the menu resumes where it was left.
    game.startGame(stateManager.getCurrentLevelName());
  } else if (command == L"Quit") {
    game.quitGame();
  } else if (command == L"Resume") {
    stateManager.setCurrentState(GS_GAME_IN_PROGRESS);
  }
}
