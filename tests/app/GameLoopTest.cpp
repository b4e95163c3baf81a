#include <gtest/gtest.h>

#include "app/GameStateManager.h"
#include "game/HitPointDisplay.h"
#include "platform/GameInput.h"
#include "platform/GameTimer.h"
#include "platform/KeyEventHandler.h"
#include "sprites/SpriteManager.h"
#include "support/HeadlessGame.h"
#include "text/GameText.h"

namespace {

// Stops the game when Escape goes down; counts the frames it was asked about.
struct ExitOnEscape : KeyEventHandler {
  void handleKeyEvents(Game& game) override {
    ++frames;
    if (game.getInput()->isKeyDownForFirstTime(KeyCodes::ESCAPE)) game.shutdown();
  }
  int frames = 0;
};

struct GameLoopTest : testing::Test {
  HeadlessGame headless;
  Game& game = headless.game;
  ExitOnEscape handler;
  int initCalls = 0;
  int frameCalls = 0;
  void SetUp() override {
    game.getInput()->registerKeyHandler(&handler);
    game.setInitCallback([this](Game&) { ++initCalls; });
    game.setFrameCallback([this](Game&) {
      // Stop after the third drawn frame.
      if (++frameCalls == 3) headless.input->keys[KeyCodes::ESCAPE] = true;
    });
  }
};

TEST_F(GameLoopTest, AFrameWhoseInputStopsTheGameDoesNothingElse) {
  game.runGameLoop();
  EXPECT_EQ(initCalls, 1);
  EXPECT_EQ(handler.frames, 4);
  EXPECT_EQ(frameCalls, 3);
  // The timer measures once per frame of logic: the fourth frame had none.
  EXPECT_EQ(game.getTimer()->getLoopCounter(), 3u);
  EXPECT_EQ(game.getStateManager()->getCurrentState(), GS_EXIT_GAME);
}

TEST_F(GameLoopTest, TheLoopHoldsTheFrameRateWithOneSleepPerFrame) {
  game.runGameLoop();
  EXPECT_EQ(headless.sleeps, 3u);
  EXPECT_EQ(headless.clockMs, 3u * 16u);
}

TEST_F(GameLoopTest, HitPointsShowOnlyWhileTheLevelRuns) {
  HitPointDisplay hitPoints;
  hitPoints.init(game);
  TextGenerator& generator = *game.getText()->getTextGenerator();
  const auto entry = static_cast<size_t>(generator.getNamedTextEntry(L"playerHP"));
  EXPECT_EQ(game.getText()->getTextEntry(entry).x, 23);
  EXPECT_EQ(game.getText()->getTextEntry(entry).y, 23);

  game.getStateManager()->getSpriteManager()->getPlayer().getProperties().hitPoints = -12;
  game.getStateManager()->setCurrentState(GS_PAUSED);
  hitPoints.update(game);
  EXPECT_EQ(generator.getNamedText(L"playerHP"), L"");

  game.getStateManager()->setCurrentState(GS_GAME_IN_PROGRESS);
  hitPoints.update(game);
  EXPECT_EQ(generator.getNamedText(L"playerHP"), L"HP: -12");
  EXPECT_TRUE(game.getText()->getTextEntry(entry).largeFont);
  EXPECT_EQ(game.getText()->getTextEntry(entry).blue, 254);
}

}  // namespace
