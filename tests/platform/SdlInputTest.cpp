#include <gtest/gtest.h>

#include <vector>

#include "app/GameStateManager.h"
#include "platform/GameInput.h"
#include "platform/KeyEventHandler.h"
#include "support/HeadlessGame.h"

namespace {

// Records, each frame, what the key handler saw.
struct RecordingHandler : KeyEventHandler {
  void handleKeyEvents(Game& game) override {
    firstPresses.push_back(game.getInput()->isKeyDownForFirstTime('W'));
    held.push_back(game.getInput()->isKeyDown('W'));
    clicksSeen.push_back(game.getInput()->wasMouseClicked());
  }
  std::vector<bool> firstPresses, held, clicksSeen;
};

struct SdlInputTest : testing::Test {
  HeadlessGame headless{320, 240};
  RecordingHandler handler;
  void SetUp() override { headless.game.getInput()->registerKeyHandler(&handler); }
  void poll() { headless.game.getInput()->processInput(headless.game); }
};

TEST_F(SdlInputTest, AHeldKeyIsAFirstPressInItsFirstPollOnly) {
  const std::vector<bool> down = {true, true, true, false, true};
  for (bool d : down) {
    headless.input->keys['W'] = d;
    poll();
  }
  EXPECT_EQ(handler.firstPresses, (std::vector<bool>{true, false, false, false, true}));
  EXPECT_EQ(handler.held, down);
}

TEST_F(SdlInputTest, KeysAreRecordedInEveryState) {
  headless.game.getStateManager()->setCurrentState(GS_ABOUT_MENU);
  headless.input->keys['W'] = true;
  poll();
  EXPECT_TRUE(headless.game.getInput()->isKeyDown('W'));
  EXPECT_FALSE(headless.game.getInput()->isKeyDown('X'));
  EXPECT_FALSE(headless.game.getInput()->isKeyDown(-1));
  EXPECT_FALSE(headless.game.getInput()->isKeyDown(256));
}

TEST_F(SdlInputTest, TheMouseIsClampedToTheScreen) {
  struct Case {
    MousePoint raw, clamped;
  };
  const std::vector<Case> cases = {
      {{-5, -7}, {0, 0}}, {{400, 300}, {319, 239}}, {{320, 240}, {319, 239}}, {{319, 0}, {319, 0}}, {{17, 33}, {17, 33}}};
  for (const Case& c : cases) {
    headless.input->mouse = c.raw;
    poll();
    EXPECT_EQ(headless.game.getInput()->getMousePoint().x, c.clamped.x);
    EXPECT_EQ(headless.game.getInput()->getMousePoint().y, c.clamped.y);
  }
}

TEST_F(SdlInputTest, AClickReachesTheKeyHandlerInTheFollowingFrameOnce) {
  const std::vector<bool> button = {true, true, false, false};
  for (bool b : button) {
    headless.input->keys[KeyCodes::LEFT_BUTTON] = b;
    poll();
  }
  // The press is handed to the GUI in frame 1; the handler sees it in frame 2; holding does not click again.
  EXPECT_EQ(handler.clicksSeen, (std::vector<bool>{false, true, false, false}));
}

}  // namespace
