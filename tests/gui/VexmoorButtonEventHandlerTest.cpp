#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/GuiTestGame.h"
#include "app/GameStateManager.h"
#include "gui/VexmoorButtonEventHandler.h"

namespace {

TEST(VexmoorButtonEventHandler, MenuCommandsSetTheStateAndOtherTextsDoNothing) {
  struct Case {
    std::wstring command;
    GameState from, to;
  };
  const std::vector<Case> cases = {
      {L"Go To Main Menu", GS_ABOUT_MENU, GS_MAIN_MENU},
      {L"Go To Controls Menu", GS_MAIN_MENU, GS_CONTROLS_MENU},
      {L"Go To About Menu", GS_MAIN_MENU, GS_ABOUT_MENU},
      {L"Resume", GS_PAUSED, GS_GAME_IN_PROGRESS},
      {L"Resume", GS_GAME_OVER, GS_GAME_IN_PROGRESS},
      {L"exit", GS_MAIN_MENU, GS_MAIN_MENU},
      {L"EXIT", GS_MAIN_MENU, GS_MAIN_MENU},
      {L"Exit ", GS_MAIN_MENU, GS_MAIN_MENU},
      {L"start", GS_MAIN_MENU, GS_MAIN_MENU},
      {L"", GS_PAUSED, GS_PAUSED},
  };
  Game game;
  VexmoorButtonEventHandler handler;
  for (const Case& c : cases) {
    game.getStateManager()->setCurrentState(c.from);
    handler.handleButtonEvents(game, c.command);
    EXPECT_EQ(game.getStateManager()->getCurrentState(), c.to) << std::string(c.command.begin(), c.command.end());
  }
}

TEST(VexmoorButtonEventHandler, ExitStopsTheApplication) {
  GuiTestGame test;
  VexmoorButtonEventHandler handler;
  handler.handleButtonEvents(test.game(), L"Exit");
  EXPECT_FALSE(test.game().getStateManager()->isAppActive());
}

TEST(VexmoorButtonEventHandler, StartAfterPlayingALevelResumesThatLevelAndQuitReturnsToTheMenu) {
  GuiTestGame test;
  Game& game = test.game();
  GameStateManager& states = *game.getStateManager();
  states.addLevel(L"Fen", L"fen.txt");
  states.addLevel(L"Tor", L"tor.txt");
  VexmoorButtonEventHandler handler;

  handler.handleButtonEvents(game, L"Start");
  EXPECT_EQ(states.getCurrentLevel(), 0u);
  EXPECT_EQ(states.getCurrentState(), GS_LOADING_LEVEL);

  states.loadLevel(game, 1);
  states.setCurrentState(GS_PAUSED);
  handler.handleButtonEvents(game, L"Quit");
  EXPECT_EQ(states.getCurrentState(), GS_MAIN_MENU);

  handler.handleButtonEvents(game, L"Start");
  EXPECT_EQ(states.getCurrentLevel(), 1u);
  EXPECT_EQ(states.getCurrentState(), GS_LOADING_LEVEL);
}

}  // namespace
