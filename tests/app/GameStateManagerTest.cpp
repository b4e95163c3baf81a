#include "app/GameStateManager.h"

#include <gtest/gtest.h>

#include <vector>

#include "sprites/SpriteManager.h"
#include "support/HeadlessGame.h"
#include "world/TileEventScript.h"

namespace {

struct GameStateManagerTest : testing::Test {
  HeadlessGame headless;
  Game& game = headless.game;
  GameStateManager& states = *game.getStateManager();

  void addLevels(int count) {
    for (int i = 0; i < count; ++i) {
      states.addLevel(L"Level " + std::to_wstring(i), L"/nonexistent/level" + std::to_wstring(i) + L".txt");
    }
  }
  void placePlayer(float x, float y) {
    SpriteProperties& player = states.getSpriteManager()->getPlayer().getProperties();
    player.x = x;
    player.y = y;
  }
  void placeMarker(int32_t x, int32_t y) {
    states.getTileEvents()->getEventMarker()->x = x;
    states.getTileEvents()->getEventMarker()->y = y;
  }
  // Brings the current level to its last objective, whatever the level load already ran.
  void reachLastObjective() {
    testing::internal::CaptureStderr();
    TileEventScript& events = *states.getTileEvents();
    while (events.getEventCounter() < 3) events.runScript("/nonexistent/script.lua");
    testing::internal::GetCapturedStderr();
  }
  void checkTileEvent() {
    testing::internal::CaptureStderr();
    states.checkTileEvent(game);
    testing::internal::GetCapturedStderr();
  }
};

TEST_F(GameStateManagerTest, StartsInTheMainMenuAtTheFirstLevel) {
  EXPECT_EQ(states.getCurrentState(), GS_MAIN_MENU);
  EXPECT_EQ(states.getCurrentLevel(), 0u);
  EXPECT_TRUE(states.isAppActive());
  EXPECT_FALSE(states.isLevelLoaded());
}

TEST_F(GameStateManagerTest, QueriesFollowTheState) {
  struct Case {
    GameState state;
    bool active, inProgress, loading, paused, objective, levelLoaded;
  };
  const std::vector<Case> cases = {
      {GS_MAIN_MENU, true, false, false, false, false, false},
      {GS_LOADING_LEVEL, true, false, true, false, false, false},
      {GS_GAME_IN_PROGRESS, true, true, false, false, false, true},
      {GS_EXIT_GAME, false, false, false, false, false, false},
      {GS_PAUSED, true, false, false, true, false, true},
      {GS_GAME_OVER, true, false, false, false, false, true},
      {GS_OBJECTIVE, true, false, false, false, true, true},
      {GS_GAME_END, true, false, false, false, false, false},
  };
  for (const Case& c : cases) {
    states.setCurrentState(c.state);
    EXPECT_EQ(states.isAppActive(), c.active) << c.state;
    EXPECT_EQ(states.isGameInProgress(), c.inProgress) << c.state;
    EXPECT_EQ(states.isLoadingLevel(), c.loading) << c.state;
    EXPECT_EQ(states.isPaused(), c.paused) << c.state;
    EXPECT_EQ(states.isObjectiveShown(), c.objective) << c.state;
    EXPECT_EQ(states.isLevelLoaded(), c.levelLoaded) << c.state;
  }
}

TEST_F(GameStateManagerTest, LevelsAreFoundByExactName) {
  addLevels(2);
  EXPECT_EQ(states.findLevel(L"Level 1"), 1u);
  EXPECT_EQ(states.findLevel(L"level 1"), 2u);
  EXPECT_EQ(states.getCurrentLevelName(), L"Level 0");
}

TEST_F(GameStateManagerTest, ScriptNamesFollowTheLevelIndex) {
  EXPECT_EQ(GameStateManager::getTileEventScriptName(0), "TileEventScript1.lua");
  EXPECT_EQ(GameStateManager::getTileEventScriptName(2), "TileEventScript3.lua");
  EXPECT_EQ(GameStateManager::getTileEventScriptName(3), "TileEventScript4.lua");
  EXPECT_EQ(GameStateManager::getTileEventScriptName(11), "TileEventScript12.lua");
}

TEST_F(GameStateManagerTest, ALevelThatDoesNotExistChangesNothing) {
  addLevels(1);
  states.setCurrentState(GS_MAIN_MENU);
  states.loadLevel(game, 1);
  states.loadLevelByName(game, L"Nowhere");
  EXPECT_EQ(states.getCurrentState(), GS_MAIN_MENU);
  EXPECT_EQ(states.getCurrentLevel(), 0u);
}

TEST_F(GameStateManagerTest, ALoadedLevelStartsRunningOneFrameLaterWithoutAnUpdate) {
  addLevels(1);
  testing::internal::CaptureStderr();
  game.startGame(L"Level 0");
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(states.getCurrentState(), GS_LOADING_LEVEL);
  // A player standing inside the marker would trigger the objective on the first update.
  const SpriteProperties& player = states.getSpriteManager()->getPlayer().getProperties();
  placeMarker(static_cast<int32_t>(player.x) - 10, static_cast<int32_t>(player.y) - 10);
  game.processGameLogic();
  EXPECT_EQ(states.getCurrentState(), GS_GAME_IN_PROGRESS);
  testing::internal::CaptureStderr();
  game.processGameLogic();
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(states.getCurrentState(), GS_OBJECTIVE);
}

TEST_F(GameStateManagerTest, TheMarkerTriggersOnlyStrictlyInside) {
  struct Case {
    float x, y;
    bool triggers;
  };
  const std::vector<Case> cases = {{64, 70, false}, {96, 70, false}, {70, 64, false}, {70, 96, false},
                                   {64.01f, 64.01f, true}, {95.99f, 95.99f, true}, {80, 80, true}};
  addLevels(1);
  for (const Case& c : cases) {
    states.setCurrentState(GS_GAME_IN_PROGRESS);
    placeMarker(64, 64);
    placePlayer(c.x, c.y);
    checkTileEvent();
    EXPECT_EQ(states.getCurrentState() == GS_OBJECTIVE, c.triggers) << c.x << ", " << c.y;
    states.getTileEvents()->reset();
  }
}

TEST_F(GameStateManagerTest, TheLastEventOfALevelLoadsTheNextAndShowsItsObjective) {
  addLevels(2);
  states.loadLevel(game, 0);
  states.setCurrentState(GS_GAME_IN_PROGRESS);
  reachLastObjective();
  placeMarker(0, 0);
  placePlayer(10, 10);
  checkTileEvent();
  EXPECT_EQ(states.getCurrentLevel(), 1u);
  EXPECT_EQ(states.getCurrentState(), GS_OBJECTIVE);
}

TEST_F(GameStateManagerTest, TheLastEventOfTheLastLevelEndsTheGameAndStartAgainBeginsAtTheFirst) {
  addLevels(2);
  states.loadLevel(game, 1);
  states.setCurrentState(GS_GAME_IN_PROGRESS);
  reachLastObjective();
  placeMarker(0, 0);
  placePlayer(10, 10);
  checkTileEvent();
  EXPECT_EQ(states.getCurrentState(), GS_GAME_END);
  EXPECT_FALSE(states.isLevelLoaded());
  EXPECT_EQ(states.getCurrentLevelName(), L"Level 0");
  EXPECT_EQ(states.getTileEvents()->getEventCounter(), 0);
}

TEST_F(GameStateManagerTest, ExitingAPausedLevelUnloadsIt) {
  addLevels(1);
  states.getWorld().setWorldWidth(640);
  states.setCurrentState(GS_PAUSED);
  states.goToExit();
  EXPECT_EQ(states.getCurrentState(), GS_EXIT_GAME);
  EXPECT_EQ(states.getWorld().getWorldWidth(), 0);
}

TEST_F(GameStateManagerTest, QuitLeavesTheLevelForTheMainMenu) {
  addLevels(1);
  states.setCurrentState(GS_GAME_IN_PROGRESS);
  states.getWorld().setWorldWidth(640);
  game.quitGame();
  EXPECT_EQ(states.getCurrentState(), GS_MAIN_MENU);
  EXPECT_EQ(states.getWorld().getWorldWidth(), 0);
}

}  // namespace
