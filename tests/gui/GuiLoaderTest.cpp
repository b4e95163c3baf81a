#include <gtest/gtest.h>

#include <SDL_image.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "support/GuiTestGame.h"
#include "app/GameStateManager.h"
#include "data/WideText.h"
#include "graphics/GameGraphics.h"
#include "gui/GameGUI.h"
#include "world/TileEventScript.h"

namespace {

class ShippedGui : public testing::Test {
 protected:
  void SetUp() override { test.loadShippedContent(); }
  ScreenGUI& screen(GameState state) {
    ScreenGUI* found = gui.getScreen(state);
    EXPECT_NE(found, nullptr) << state;
    return *found;
  }
  std::wstring pathOf(uint32_t id) {
    return test.game().getGraphics()->getGUITextureManager()->getPathTable().getStringFromIndex(id);
  }
  GuiTestGame test;
  GameGUI& gui = *test.game().getGUI();
};

TEST_F(ShippedGui, HasAScreenForExactlyTheMenuAndPlayStatesAndACursor) {
  std::set<int32_t> states;
  for (const auto& [state, screen] : gui.getScreens()) states.insert(state);
  EXPECT_EQ(states, (std::set<int32_t>{0, 2, 5, 6, 7, 8, 9, 12}));
  ASSERT_NE(gui.getCursor(), nullptr);
  EXPECT_EQ(gui.getCursor()->getActiveCursorId(), 0u);  // the first image loaded
  EXPECT_EQ(gui.getCursor()->getImageIds(), std::vector<uint32_t>{0});
  EXPECT_TRUE(screen(GS_GAME_IN_PROGRESS).getButtons().empty());
  EXPECT_TRUE(screen(GS_GAME_IN_PROGRESS).getOverlayImages().empty());
}

TEST_F(ShippedGui, MainMenuButtonsComeInOrderWithTexturesInLoadOrder) {
  const ScreenGUI& menu = screen(GS_MAIN_MENU);
  std::vector<std::wstring> commands;
  for (const auto& button : menu.getButtons()) commands.push_back(button->getCommand());
  EXPECT_EQ(commands, (std::vector<std::wstring>{L"Exit", L"Go To About Menu", L"Go To Controls Menu", L"Start"}));
  ASSERT_EQ(menu.getOverlayImages().size(), 1u);
  EXPECT_EQ(menu.getOverlayImages()[0]->imageId, 1u);
  uint32_t id = 2;
  for (const auto& button : menu.getButtons()) {
    EXPECT_EQ(button->getNormalTextureId(), id++);
    EXPECT_EQ(button->getMouseOverTextureId(), id++);
  }
}

TEST_F(ShippedGui, ControlsScreenAddsTheKeyListAtItsFixedPlace) {
  const auto& images = screen(GS_CONTROLS_MENU).getOverlayImages();
  ASSERT_EQ(images.size(), 2u);
  const OverlayImage& keys = *images[1];
  EXPECT_EQ(pathOf(keys.imageId), L"textures/gui/overlays/vexmoor_controls_overlay2.png");
  EXPECT_EQ(keys.x, 200);
  EXPECT_EQ(keys.y, 125);
  EXPECT_EQ(keys.z, images[0]->z);
  EXPECT_EQ(keys.alpha, 255);
  EXPECT_EQ(keys.width, 704);
  EXPECT_EQ(keys.height, 488);
  EXPECT_EQ(screen(GS_CONTROLS_MENU).getButtons().front()->getCommand(), L"Go To Main Menu");
  EXPECT_EQ(screen(GS_ABOUT_MENU).getButtons().front()->getCommand(), L"Go To Main Menu");
}

TEST_F(ShippedGui, GameOverAndEndScreensHaveTheirOwnQuitButtonsWherePauseHasIts) {
  const ScreenGUI& pause = screen(GS_PAUSED);
  ASSERT_EQ(pause.getButtons().size(), 2u);
  EXPECT_EQ(pause.getButtons()[0]->getCommand(), L"Resume");
  const Button& pauseQuit = *pause.getButtons()[1];
  EXPECT_EQ(pauseQuit.getCommand(), L"Quit");
  const ScreenGUI& over = screen(GS_GAME_OVER);
  const ScreenGUI& end = screen(GS_GAME_END);
  for (const ScreenGUI* shown : {&over, &end}) {
    ASSERT_EQ(shown->getButtons().size(), 1u);
    const Button& quit = *shown->getButtons()[0];
    EXPECT_NE(&quit, &pauseQuit);
    EXPECT_EQ(quit.getCommand(), L"Quit");
    EXPECT_EQ(quit.getNormalTextureId(), pauseQuit.getNormalTextureId());
    EXPECT_EQ(quit.getMouseOverTextureId(), pauseQuit.getMouseOverTextureId());
    EXPECT_EQ(quit.getX(), pauseQuit.getX());
    EXPECT_EQ(quit.getY(), pauseQuit.getY());
    EXPECT_EQ(quit.getWidth(), pauseQuit.getWidth());
    ASSERT_EQ(shown->getOverlayImages().size(), 1u);
    EXPECT_EQ(pathOf(shown->getOverlayImages()[0]->imageId), L"textures/gui/overlays/vexmoor_game_over_overlay.png");
    EXPECT_EQ(shown->getOverlayImages()[0]->x, pause.getOverlayImages()[0]->x);
  }
  EXPECT_EQ(over.getOverlayImages()[0]->imageId, end.getOverlayImages()[0]->imageId);

  gui.updateMouseOver(pauseQuit.getX() + 1, pauseQuit.getY() + 1, GS_GAME_OVER);
  EXPECT_TRUE(over.getButtons()[0]->isMouseOver());
  EXPECT_FALSE(end.getButtons()[0]->isMouseOver());
  EXPECT_FALSE(pauseQuit.isMouseOver());
}

// Every image the screens name exists at the size it is drawn, and every button's mouse-over
// image differs from its normal one.
TEST_F(ShippedGui, EveryImageIsShippedAtItsDrawnSize) {
  auto expectSize = [](const std::wstring& path, int32_t width, int32_t height) {
    SDL_Surface* image = IMG_Load(WideText::narrow(path).c_str());
    ASSERT_NE(image, nullptr) << WideText::narrow(path);
    EXPECT_EQ(image->w, width) << WideText::narrow(path);
    EXPECT_EQ(image->h, height) << WideText::narrow(path);
    SDL_FreeSurface(image);
  };
  int checked = 0;
  for (const auto& [state, shown] : gui.getScreens()) {
    if (state == GS_OBJECTIVE) continue;
    for (const OverlayImage* image : shown->getOverlayImages()) {
      expectSize(pathOf(image->imageId), image->width, image->height);
      ++checked;
    }
    for (const auto& button : shown->getButtons()) {
      EXPECT_NE(button->getNormalTextureId(), button->getMouseOverTextureId());
      expectSize(pathOf(button->getNormalTextureId()), button->getWidth(), button->getHeight());
      expectSize(pathOf(button->getMouseOverTextureId()), button->getWidth(), button->getHeight());
      checked += 2;
    }
  }
  const Cursor& cursor = *gui.getCursor();
  expectSize(pathOf(cursor.getActiveCursorId()), cursor.getWidth(), cursor.getHeight());
  const OverlayImage& objective = *screen(GS_OBJECTIVE).getOverlayImages().front();
  for (int level = 1; level <= 3; ++level) {
    for (int number = 1; number <= 3; ++number) {
      expectSize(L"textures/gui/objectives/objective_" + std::to_wstring(level) + L"_" + std::to_wstring(number) + L".png",
                 objective.width, objective.height);
    }
  }
  EXPECT_EQ(checked, 27);
}

TEST(GuiLoader, TheObjectiveScreenShowsTheTileEventsOwnOverlayWhereTheFilePlacesIt) {
  GuiTestGame test;
  Game& game = test.game();
  test.loader().loadObjectiveScreen(game, *game.getGraphics()->getGUITextureManager(),
                                    WideText::widen(VEXMOOR_FIXTURES_DIR "/gui/objective_at_300.txt"));
  OverlayImage& overlay = *game.getStateManager()->getTileEvents()->getObjectiveOverlay();
  const ScreenGUI& objective = *game.getGUI()->getScreen(GS_OBJECTIVE);
  ASSERT_EQ(objective.getOverlayImages().size(), 1u);
  EXPECT_EQ(objective.getOverlayImages()[0], &overlay);
  EXPECT_TRUE(objective.getButtons().empty());

  overlay.imageId = 7;  // what the state manager does when an objective is reached
  game.getStateManager()->setCurrentState(GS_OBJECTIVE);
  const std::vector<RenderItem> items = test.guiItemsNow();
  ASSERT_EQ(items.size(), 1u);  // no cursor was loaded
  EXPECT_EQ(items[0].textureId, 7u);
  EXPECT_EQ(items[0].x, 300);
  EXPECT_EQ(items[0].y, 40);
  EXPECT_EQ(items[0].z, 4);
  EXPECT_EQ(items[0].alpha, 220);
  EXPECT_EQ(items[0].width, 560);
  EXPECT_EQ(items[0].height, 200);
}

TEST(GuiLoader, AMissingFileIsReportedOnceAndTheScreensAreStillBuilt) {
  GuiTestGame test;
  Game& game = test.game();
  testing::internal::CaptureStderr();
  test.loader().loadGUI(game, L"/nonexistent/vexmoor/VexmoorGameGUIInit.txt");
  const std::string missingConfiguration = testing::internal::GetCapturedStderr();
  // The configuration, then the two images the loader names itself (not in this folder).
  EXPECT_EQ(std::count(missingConfiguration.begin(), missingConfiguration.end(), '\n'), 3);
  EXPECT_NE(missingConfiguration.find("/nonexistent/vexmoor/VexmoorGameGUIInit.txt"), std::string::npos);
  EXPECT_NE(missingConfiguration.find("vexmoor_controls_overlay2.png"), std::string::npos);
  EXPECT_NE(missingConfiguration.find("vexmoor_game_over_overlay.png"), std::string::npos);
  EXPECT_EQ(game.getGUI()->getScreens().size(), 8u);
  ASSERT_NE(game.getGUI()->getCursor(), nullptr);
  EXPECT_EQ(game.getGUI()->getCursor()->getActiveCursorId(), TextureManager::FAILED_LOAD);

  // A configuration that lacks keys names itself and each missing key.
  testing::internal::CaptureStderr();
  test.loader().loadGUI(game, WideText::widen(VEXMOOR_FIXTURES_DIR "/gui/only_cursor_missing.txt"));
  const std::string missingKeys = testing::internal::GetCapturedStderr();
  EXPECT_NE(missingKeys.find("no_such_cursor_file.txt"), std::string::npos);
  EXPECT_NE(missingKeys.find("only_cursor_missing.txt: MAIN_MENU_INIT_FILE is missing"), std::string::npos);
  EXPECT_EQ(std::count(missingKeys.begin(), missingKeys.end(), '\n'), 8);  // file, five keys, two images
  EXPECT_EQ(game.getGUI()->getScreens().size(), 8u);
  game.getStateManager()->setCurrentState(GS_MAIN_MENU);
  EXPECT_EQ(test.guiItemsNow().size(), 6u);  // image, four buttons and the cursor, all without textures
}

}  // namespace
