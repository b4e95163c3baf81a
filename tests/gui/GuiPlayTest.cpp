#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/GuiTestGame.h"
#include "app/GameStateManager.h"
#include "gui/GameGUI.h"
#include "platform/GameTimer.h"

namespace {

using Step = GuiTestGame::Step;

// Plays the shipped menus frame by frame through the input seam.
class MenuPlay : public testing::Test {
 protected:
  void SetUp() override { test.loadShippedContent(); }

  // The centre of the button carrying this command on the screen of that state.
  const Button& button(GameState state, const std::wstring& command) {
    for (const auto& candidate : test.game().getGUI()->getScreen(state)->getButtons()) {
      if (candidate->getCommand() == command) return *candidate;
    }
    ADD_FAILURE() << "no such button";
    return *test.game().getGUI()->getScreen(state)->getButtons().front();
  }
  // Pressing in one frame and releasing in the next, over the button.
  void click(GameState state, const std::wstring& command) {
    const Button& target = button(state, command);
    const int32_t x = target.getX() + target.getWidth() / 2;
    const int32_t y = target.getY() + target.getHeight() / 2;
    steps.push_back({x, y, true, nullptr});
    steps.push_back({x, y, false, nullptr});
  }
  // Puts the game into the state at the end of one frame; the next frame shows its screen.
  void enter(GameState state) {
    steps.push_back({0, 0, false, [state](Game& game) { game.getStateManager()->setCurrentState(state); }});
    steps.push_back({0, 0, false, nullptr});
  }
  std::vector<GameState> statesAfterEachFrame() const {
    std::vector<GameState> states;
    for (const auto& frame : test.frames()) states.push_back(frame.state);
    return states;
  }

  GuiTestGame test;
  std::vector<Step> steps;
};

TEST_F(MenuPlay, TheMainMenuShowsWithItsImageButtonsAndTheCursorOnTop) {
  const Button& start = button(GS_MAIN_MENU, L"Start");
  steps.push_back({5, 5, false, nullptr});
  steps.push_back({start.getX(), start.getY(), false, nullptr});
  test.play(steps);

  ASSERT_EQ(test.frames().size(), 2u);
  const auto& idle = test.frames()[0].guiItems;
  ASSERT_EQ(idle.size(), 6u);
  EXPECT_EQ(idle[0].textureId, 1u);  // the menu image
  EXPECT_EQ(idle[0].width, 1024);
  for (size_t i = 1; i < 5; ++i) EXPECT_EQ(idle[i].textureId, 2 * i);  // buttons, normal images
  EXPECT_EQ(idle[5].textureId, 0u);  // the crosshair, centred on the mouse
  EXPECT_EQ(idle[5].x, 5 - 16);
  EXPECT_EQ(idle[5].y, 5 - 16);
  // The mouse-over image shows in the frame the mouse enters the button.
  const auto& hover = test.frames()[1].guiItems;
  EXPECT_EQ(hover[4].textureId, start.getMouseOverTextureId());
  EXPECT_EQ(hover[1].textureId, 2u);
  EXPECT_EQ(hover[5].x, start.getX() - 16);
  EXPECT_EQ(test.game().getStateManager()->getCurrentState(), GS_EXIT_GAME);
}

TEST_F(MenuPlay, ControlsAndAboutOpenAndBackReturns) {
  click(GS_MAIN_MENU, L"Go To Controls Menu");
  click(GS_CONTROLS_MENU, L"Go To Main Menu");
  click(GS_MAIN_MENU, L"Go To About Menu");
  click(GS_ABOUT_MENU, L"Go To Main Menu");
  test.play(steps);
  EXPECT_EQ(statesAfterEachFrame(),
            (std::vector<GameState>{GS_CONTROLS_MENU, GS_CONTROLS_MENU, GS_MAIN_MENU, GS_MAIN_MENU, GS_ABOUT_MENU,
                                    GS_ABOUT_MENU, GS_MAIN_MENU, GS_MAIN_MENU}));
  // The controls screen draws its backdrop, the key list, Back and the cursor.
  EXPECT_EQ(test.frames()[0].guiItems.size(), 4u);
  EXPECT_EQ(test.frames()[0].guiItems[1].x, 200);
}

TEST_F(MenuPlay, HoldingTheButtonDownFiresOnce) {
  click(GS_MAIN_MENU, L"Go To About Menu");
  steps.pop_back();
  steps.push_back(steps.back());  // still down over the same place, now on the about screen
  steps.push_back(steps.back());
  test.play(steps);
  ASSERT_EQ(test.commands().size(), 1u);
  EXPECT_EQ(test.commands()[0].command, L"Go To About Menu");
}

TEST_F(MenuPlay, StartLoadsTheFirstLevelThenPauseResumesAndQuits) {
  click(GS_MAIN_MENU, L"Start");
  enter(GS_PAUSED);
  click(GS_PAUSED, L"Resume");
  enter(GS_PAUSED);
  click(GS_PAUSED, L"Quit");
  test.play(steps);

  ASSERT_EQ(test.commands().size(), 3u);
  EXPECT_EQ(test.commands()[0].command, L"Start");
  EXPECT_EQ(test.commands()[0].stateAfter, GS_LOADING_LEVEL);
  EXPECT_EQ(test.commands()[1].stateAfter, GS_GAME_IN_PROGRESS);
  EXPECT_EQ(test.commands()[2].stateAfter, GS_MAIN_MENU);
  EXPECT_EQ(test.game().getStateManager()->getCurrentLevel(), 0u);
  EXPECT_EQ(statesAfterEachFrame(),
            (std::vector<GameState>{GS_GAME_IN_PROGRESS, GS_GAME_IN_PROGRESS, GS_GAME_IN_PROGRESS, GS_PAUSED,
                                    GS_GAME_IN_PROGRESS, GS_GAME_IN_PROGRESS, GS_GAME_IN_PROGRESS, GS_PAUSED,
                                    GS_MAIN_MENU, GS_MAIN_MENU}));
  // In play only the cursor is drawn; paused, the pause panel, Resume, Quit and the cursor.
  EXPECT_EQ(test.frames()[1].guiItems.size(), 1u);
  EXPECT_EQ(test.frames()[3].guiItems.size(), 4u);
}

TEST_F(MenuPlay, ExitEndsTheLoopBeforeThatFramesLogicAndDrawing) {
  steps.push_back({0, 0, false, nullptr});
  click(GS_MAIN_MENU, L"Exit");
  steps.push_back({0, 0, false, nullptr});
  test.play(steps);
  EXPECT_EQ(test.game().getStateManager()->getCurrentState(), GS_EXIT_GAME);
  EXPECT_EQ(test.frames().size(), 1u);  // only the frame before the click
  EXPECT_EQ(test.game().getTimer()->getLoopCounter(), 1u);
}

}  // namespace
