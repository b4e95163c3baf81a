#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/BotsTestGame.h"
#include "support/HeadlessGame.h"
#include "app/GameStateManager.h"
#include "game/HelperBot.h"
#include "game/Projectile.h"
#include "game/VexmoorKeyEventHandler.h"
#include "graphics/GameGraphics.h"
#include "graphics/RenderList.h"
#include "gui/GameGUI.h"
#include "platform/GameInput.h"
#include "platform/GameTimer.h"
#include "sprites/SpriteManager.h"
#include "text/GameText.h"
#include "text/TextGenerator.h"
#include "world/TileEventScript.h"
#include "world/Viewport.h"

namespace {

// Holds exactly the given keys for one poll of the input service, which calls the handler.
void pollKeys(Game& game, FakeInputSource& input, const std::vector<int>& held, MousePoint mouse) {
  input.keys.fill(false);
  for (int key : held) input.keys[key] = true;
  input.mouse = mouse;
  game.getInput()->processInput(game);
}

std::wstring playerMessage(Game& game) { return game.getText()->getTextGenerator()->getNamedText(L"playerDialog"); }

// A running level in the assets folder: the player (32 x 32) at (1000, 1000) in a 3200 x 3200
// world of open floor, a 640 x 480 screen with the viewport centred on the player, and the
// game's key handler registered with the input service.
class PlayerControls : public testing::Test {
 protected:
  static constexpr int32_t CENTRED_X = 1000 - 320 + 16;
  static constexpr int32_t CENTRED_Y = 1000 - 240 + 16;

  PlayerControls() {
    test.world.addTiledLayer(100, 100, [](int32_t, int32_t) { return false; });
    viewport().setViewportX(CENTRED_X);
    viewport().setViewportY(CENTRED_Y);
    game().getInput()->registerKeyHandler(&handler);
    state().setCurrentState(GS_GAME_IN_PROGRESS);
  }

  Game& game() { return test.world.game; }
  GameStateManager& state() { return test.world.stateManager(); }
  Viewport& viewport() { return test.world.viewport(); }
  AnimatedSprite& player() { return test.world.sprites().getPlayer(); }
  SpriteProperties& playerAt() { return player().getProperties(); }
  void frame(const std::vector<int>& held, MousePoint mouse = {}) { pollKeys(game(), *test.world.input, held, mouse); }
  std::vector<Projectile*> shots() {
    std::vector<Projectile*> found;
    for (Bot* bot : test.world.sprites().getBots()) {
      if (auto* shot = dynamic_cast<Projectile*>(bot)) found.push_back(shot);
    }
    return found;
  }

  VexmoorKeyEventHandler handler;  // outlives the game that refers to it
  botstest::BotsTestGame test;
};

TEST_F(PlayerControls, TabPausesAndOnlyTheNextPressResumes) {
  // The pausing frame still plays out: D moves the player although Tab paused the game.
  frame({KeyCodes::TAB, 'D'});
  EXPECT_EQ(state().getCurrentState(), GS_PAUSED);
  EXPECT_FLOAT_EQ(playerAt().velocityX, 200.0f);
  frame({KeyCodes::TAB});  // the same press, still held
  EXPECT_EQ(state().getCurrentState(), GS_PAUSED);
  frame({'A'});
  EXPECT_EQ(state().getCurrentState(), GS_PAUSED);
  EXPECT_FLOAT_EQ(playerAt().velocityX, 200.0f);  // no control while paused
  frame({KeyCodes::TAB});
  EXPECT_EQ(state().getCurrentState(), GS_GAME_IN_PROGRESS);
}

TEST_F(PlayerControls, TabLeavesTheObjectiveScreenAndDoesNothingInTheMenu) {
  state().setCurrentState(GS_OBJECTIVE);
  frame({KeyCodes::TAB});
  EXPECT_EQ(state().getCurrentState(), GS_GAME_IN_PROGRESS);
  state().setCurrentState(GS_MAIN_MENU);
  frame({});
  frame({KeyCodes::TAB});
  EXPECT_EQ(state().getCurrentState(), GS_MAIN_MENU);
}

TEST_F(PlayerControls, ReloadFillsTheClipFromTheReserveAndDiscardsWhatWasLeft) {
  struct Case {
    uint16_t reserve, clip, reserveAfter, clipAfter;
    std::wstring message;
  };
  const std::vector<Case> cases{{12, 3, 0, 12, L""},
                                {45, 3, 15, 30, L""},
                                {30, 29, 0, 30, L""},
                                {0, 5, 0, 5, L"NEED AMMO!!!!"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reserve);
    test.world.game.getText()->getTextGenerator()->setNamedTextContent(game(), L"playerDialog", L"");
    playerAt().ammoReserve = c.reserve;
    playerAt().ammoInClip = c.clip;
    frame({'R'});
    frame({'R'});  // held: no second reload
    frame({});
    EXPECT_EQ(playerAt().ammoReserve, c.reserveAfter);
    EXPECT_EQ(playerAt().ammoInClip, c.clipAfter);
    EXPECT_EQ(playerMessage(game()), c.message);
  }
}

TEST_F(PlayerControls, TheShotLeavesInTheFrameAfterTheClickAtTheLaterMousePoint) {
  playerAt().ammoReserve = 10;
  playerAt().ammoInClip = 5;
  frame({KeyCodes::LEFT_BUTTON}, {100, 100});
  EXPECT_TRUE(shots().empty());
  frame({}, {300, 50});
  ASSERT_EQ(shots().size(), 1u);
  const Projectile& shot = *shots().front();
  EXPECT_FLOAT_EQ(shot.getTargetPoint().x, static_cast<float>(300 + CENTRED_X));
  EXPECT_FLOAT_EQ(shot.getTargetPoint().y, static_cast<float>(50 + CENTRED_Y));
  EXPECT_NE(shot.getBody(), nullptr);
  EXPECT_EQ(playerAt().ammoInClip, 4);
  EXPECT_EQ(playerAt().ammoReserve, 10);
  frame({}, {300, 50});
  EXPECT_EQ(shots().size(), 1u);  // one click, one shot
}

TEST_F(PlayerControls, AClickOnAMenuThatStartsPlayIsNoShot) {
  playerAt().ammoInClip = 5;
  for (GameState menu : {GS_MAIN_MENU, GS_PAUSED}) {
    state().setCurrentState(menu);
    frame({KeyCodes::LEFT_BUTTON}, {100, 100});
    state().setCurrentState(GS_GAME_IN_PROGRESS);  // what "Start" or "Resume" under the mouse does
    frame({}, {100, 100});
    EXPECT_TRUE(shots().empty());
    EXPECT_EQ(playerAt().ammoInClip, 5);
  }
}

TEST_F(PlayerControls, AClickWithAnEmptyClipAsksForAReloadAndWithNoRoundsAtAllDoesNothing) {
  playerAt().ammoReserve = 0;
  playerAt().ammoInClip = 0;
  frame({KeyCodes::LEFT_BUTTON});
  frame({});
  EXPECT_TRUE(shots().empty());
  EXPECT_EQ(playerMessage(game()), L"");
  playerAt().ammoReserve = 7;
  frame({KeyCodes::LEFT_BUTTON});
  frame({});
  EXPECT_TRUE(shots().empty());
  EXPECT_EQ(playerMessage(game()), L"RELOAD!!!");
  EXPECT_EQ(playerAt().ammoReserve, 7);
}

TEST_F(PlayerControls, MovementIsTwoHundredPixelsPerSecondInEveryDirection) {
  struct Case {
    std::vector<int> keys;
    float x, y;
  };
  const float diagonal = 200.0f * 0.70710678f;
  const std::vector<Case> cases{{{'D'}, 200.0f, 0.0f},         {{'A', 'D'}, -200.0f, 0.0f},
                                {{'W', 'D'}, diagonal, -diagonal}, {{'S', 'W'}, 0.0f, 200.0f},
                                {{'A', 'S'}, -diagonal, diagonal}, {{}, 0.0f, 0.0f}};
  for (const Case& c : cases) {
    playerAt().speed = 50.0f;
    frame(c.keys);
    EXPECT_NEAR(playerAt().velocityX, c.x, 1e-3f);
    EXPECT_NEAR(playerAt().velocityY, c.y, 1e-3f);
    EXPECT_FLOAT_EQ(playerAt().speed, 200.0f);
  }
}

TEST_F(PlayerControls, TheViewFollowsRightAndDownAtOnceButLeftAndUpOnlyFromFurtherOff) {
  struct Case {
    float offset;
    int32_t step;
  };
  // The step is ceil(0.0007 x d x d) with the sign of d, taken after the sign.
  const std::vector<Case> cases{{0.0f, 0}, {-20.0f, 0}, {20.0f, 1}, {-37.0f, 0}, {-40.0f, -1}, {100.0f, 7},
                                {-100.0f, -7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.offset);
    viewport().setViewportX(CENTRED_X);
    viewport().setViewportY(CENTRED_Y);
    playerAt().setPosition(1000.0f + c.offset, 1000.0f + c.offset);
    frame({});
    EXPECT_EQ(viewport().getViewportX(), CENTRED_X + c.step);
    EXPECT_EQ(viewport().getViewportY(), CENTRED_Y + c.step);
  }
}

TEST_F(PlayerControls, TheViewStopsAtTheWorldsEdge) {
  viewport().setViewportX(0);
  viewport().setViewportY(0);
  playerAt().setPosition(5.0f, 5.0f);
  for (int i = 0; i < 10; ++i) frame({});
  EXPECT_EQ(viewport().getViewportX(), 0);
  EXPECT_EQ(viewport().getViewportY(), 0);
}

TEST_F(PlayerControls, HomeAndEndChangeTheTargetFrameRateWithinFiveToAHundredInEveryState) {
  struct Case {
    int key;
    int frames;
    int32_t reached;
  };
  for (const Case& c : {Case{KeyCodes::HOME, 40, 100}, Case{KeyCodes::END, 55, 5}}) {
    game().getTimer()->setTargetFPS(60);
    state().setCurrentState(GS_MAIN_MENU);
    for (int i = 1; i < c.frames; ++i) frame({c.key});
    EXPECT_NE(game().getTimer()->getTargetFPS(), c.reached);
    frame({c.key});
    EXPECT_EQ(game().getTimer()->getTargetFPS(), c.reached);
    frame({c.key});
    EXPECT_EQ(game().getTimer()->getTargetFPS(), c.reached);
  }
  game().getTimer()->setTargetFPS(60);
  frame({KeyCodes::HOME, KeyCodes::END});
  EXPECT_EQ(game().getTimer()->getTargetFPS(), 61);  // Home wins
}

TEST_F(PlayerControls, LeftCtrlWithIFlipsInvincibilityEveryFrameBothAreHeld) {
  frame({KeyCodes::RIGHT_CONTROL, 'I'});
  EXPECT_FALSE(player().isInvincible());
  frame({KeyCodes::LEFT_CONTROL, 'I'});
  EXPECT_TRUE(player().isInvincible());
  frame({});
  EXPECT_TRUE(player().isInvincible());
  frame({KeyCodes::LEFT_CONTROL, 'I'});
  frame({KeyCodes::LEFT_CONTROL, 'I'});
  EXPECT_TRUE(player().isInvincible());
  frame({KeyCodes::LEFT_CONTROL, 'I'});
  EXPECT_FALSE(player().isInvincible());
}

TEST_F(PlayerControls, SpaceSummonsAHelperBesideThePlayerUntilThePoolIsEmpty) {
  BotFactory& factory = test.factory();
  factory.buildAllTypesAndPools();
  const size_t idle = factory.helperPoolSize();  // one per level load, more if earlier tests left some
  ASSERT_GE(idle, 1u);
  playerAt().setPosition(1000.0f, 1010.0f);
  for (size_t i = 0; i < idle; ++i) {
    frame({KeyCodes::SPACE});
    frame({KeyCodes::SPACE});  // held: one helper per press
    frame({});
  }
  EXPECT_EQ(factory.helperPoolSize(), 0u);
  EXPECT_EQ(playerMessage(game()), L"");
  Flock& flock = test.world.sprites().getFlock();
  EXPECT_EQ(flock.size(), idle);
  const auto* helper = dynamic_cast<const HelperBot*>(test.world.sprites().getBots().back());
  ASSERT_NE(helper, nullptr);
  EXPECT_TRUE(flock.isMember(*helper));
  EXPECT_NE(helper->getBody(), nullptr);
  EXPECT_FLOAT_EQ(helper->getProperties().x, 1040.0f);
  EXPECT_FLOAT_EQ(helper->getProperties().y, 1050.0f);

  frame({KeyCodes::SPACE});
  EXPECT_EQ(playerMessage(game()), L"You've reached the maximum number of bots!");
  EXPECT_EQ(test.world.sprites().getBots().size(), idle);
  EXPECT_EQ(flock.size(), idle);
}

// Level jumps with the shipped levels.
class LevelJumps : public testing::Test {
 protected:
  LevelJumps() { headless.game.getInput()->registerKeyHandler(&handler); }
  ~LevelJumps() override { state().runLevelTeardown(headless.game); }

  GameStateManager& state() { return *headless.game.getStateManager(); }
  void frame(const std::vector<int>& held) { pollKeys(headless.game, *headless.input, held, {}); }
  bool levelIsLoaded() {
    return !state().getWorld().getLayers().empty() && state().getSpriteManager()->getPlayer().getBody() != nullptr;
  }

  botstest::InAssetsFolder inAssets;
  VexmoorKeyEventHandler handler;
  HeadlessGame headless;
};

TEST_F(LevelJumps, LeftCtrlWithADigitStartsThatLevelFromTheMenuAndRightCtrlDoesNothing) {
  headless.loader.loadLevelList(headless.game, L"data/levels/VexmoorGameLEVELSInit.txt");
  frame({KeyCodes::RIGHT_CONTROL, '1'});
  EXPECT_EQ(state().getCurrentState(), GS_MAIN_MENU);
  EXPECT_FALSE(levelIsLoaded());
  frame({KeyCodes::LEFT_CONTROL, '1'});
  EXPECT_EQ(state().getCurrentState(), GS_LOADING_LEVEL);
  EXPECT_EQ(state().getCurrentLevel(), 0u);
  EXPECT_TRUE(levelIsLoaded());
  headless.game.processGameLogic();
  EXPECT_EQ(state().getCurrentState(), GS_GAME_IN_PROGRESS);

  frame({KeyCodes::LEFT_CONTROL, '3'});
  EXPECT_EQ(state().getCurrentState(), GS_LOADING_LEVEL);
  EXPECT_EQ(state().getCurrentLevel(), 2u);
  EXPECT_TRUE(levelIsLoaded());
  EXPECT_EQ(state().getTileEvents()->getEventCounter(), 1);
}

TEST_F(LevelJumps, AJumpToALevelTheListDoesNotHaveLeavesTheRunningLevelAlone) {
  state().addLevel(L"Moor", L"data/levels/moor/MoorLevelInit.txt");
  frame({KeyCodes::LEFT_CONTROL, '1'});
  headless.game.processGameLogic();
  ASSERT_EQ(state().getCurrentState(), GS_GAME_IN_PROGRESS);
  ASSERT_TRUE(levelIsLoaded());
  const size_t bots = state().getSpriteManager()->getBots().size();
  const int32_t worldItems = headless.game.getGraphics()->getWorldRenderList()->getSize();

  for (int key : {'2', '3'}) {
    frame({});
    frame({KeyCodes::LEFT_CONTROL, key});
    EXPECT_EQ(state().getCurrentState(), GS_GAME_IN_PROGRESS);
    EXPECT_EQ(state().getCurrentLevel(), 0u);
    EXPECT_TRUE(levelIsLoaded());
    EXPECT_EQ(state().getSpriteManager()->getBots().size(), bots);
    EXPECT_EQ(headless.game.getGraphics()->getWorldRenderList()->getSize(), worldItems);
  }
}

}  // namespace
