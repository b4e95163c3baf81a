#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/GuiTestGame.h"
#include "app/GameStateManager.h"
#include "gui/GameGUI.h"

namespace {

std::unique_ptr<ScreenGUI> screenWithButton(uint32_t imageId, uint32_t buttonId, const std::wstring& command) {
  auto screen = std::make_unique<ScreenGUI>();
  screen->addOverlayImage(std::make_unique<OverlayImage>(OverlayImage{imageId, 0, 0, 0, 255, 100, 100}));
  auto button = std::make_unique<Button>();
  button->initButton(buttonId, buttonId + 1, 10, 10, 0, 255, 20, 20, false, command);
  screen->addButton(std::move(button));
  return screen;
}

std::vector<uint32_t> idsOf(const std::vector<RenderItem>& items) {
  std::vector<uint32_t> ids;
  for (const RenderItem& item : items) ids.push_back(item.textureId);
  return ids;
}

class GameGUITest : public testing::Test {
 protected:
  void SetUp() override {
    gui.addScreenGUI(GS_MAIN_MENU, screenWithButton(1, 2, L"Go To About Menu"));
    auto cursor = std::make_unique<Cursor>();
    cursor->initCursor({50}, 50, 0, 0, 0, 255, 32, 32);
    gui.setCursor(std::move(cursor));
  }
  GuiTestGame test;
  Game& game = test.game();
  GameGUI& gui = *game.getGUI();
};

TEST_F(GameGUITest, DrawsTheCurrentScreenThenTheCursorAndOnlyTheCursorWhileExiting) {
  gui.addScreenGUI(GS_PAUSED, screenWithButton(5, 6, L"Resume"));
  EXPECT_EQ(idsOf(test.guiItemsNow()), (std::vector<uint32_t>{1, 2, 50}));
  game.getStateManager()->setCurrentState(GS_PAUSED);
  EXPECT_EQ(idsOf(test.guiItemsNow()), (std::vector<uint32_t>{5, 6, 50}));
  game.getStateManager()->setCurrentState(GS_LOADING_LEVEL);
  EXPECT_EQ(idsOf(test.guiItemsNow()), std::vector<uint32_t>{50});
  game.getStateManager()->setCurrentState(GS_EXIT_GAME);
  EXPECT_EQ(idsOf(test.guiItemsNow()), std::vector<uint32_t>{50});
}

TEST_F(GameGUITest, MouseOverAndClicksReachOnlyTheScreenOfTheState) {
  test.registerHandler();
  gui.updateMouseOver(15, 15, GS_PAUSED);  // no screen: nothing happens
  EXPECT_FALSE(gui.checkCurrentScreenForAction(game));
  gui.updateMouseOver(15, 15, GS_MAIN_MENU);
  EXPECT_EQ(idsOf(test.guiItemsNow()), (std::vector<uint32_t>{1, 3, 50}));
  game.getStateManager()->setCurrentState(GS_GAME_OVER);
  EXPECT_FALSE(gui.checkCurrentScreenForAction(game));
  game.getStateManager()->setCurrentState(GS_MAIN_MENU);
  EXPECT_TRUE(gui.checkCurrentScreenForAction(game));
  EXPECT_EQ(game.getStateManager()->getCurrentState(), GS_ABOUT_MENU);
}

TEST_F(GameGUITest, AScreenAddedAfterRegistrationHasButtonsWithoutAHandler) {
  test.registerHandler();
  gui.addScreenGUI(GS_ABOUT_MENU, screenWithButton(3, 4, L"Go To Main Menu"));
  EXPECT_NE(gui.getScreen(GS_MAIN_MENU)->getButtons().front()->getEventHandler(), nullptr);
  EXPECT_EQ(gui.getScreen(GS_ABOUT_MENU)->getButtons().front()->getEventHandler(), nullptr);

  game.getStateManager()->setCurrentState(GS_ABOUT_MENU);
  gui.updateMouseOver(15, 15, GS_ABOUT_MENU);
  EXPECT_TRUE(gui.checkCurrentScreenForAction(game));  // a button was hit, but it has no handler
  EXPECT_EQ(game.getStateManager()->getCurrentState(), GS_ABOUT_MENU);
}

}  // namespace
