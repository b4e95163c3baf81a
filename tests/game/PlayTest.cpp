#include <box2d/box2d.h>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "support/BotsTestGame.h"
#include "support/HeadlessGame.h"
#include "app/GameStateManager.h"
#include "data/PropertyMap.h"
#include "game/BotFactory.h"
#include "game/HitPointDisplay.h"
#include "game/VexmoorKeyEventHandler.h"
#include "graphics/GameGraphics.h"
#include "graphics/RenderList.h"
#include "gui/GameGUI.h"
#include "gui/ScreenGUI.h"
#include "gui/VexmoorButtonEventHandler.h"
#include "platform/GameInput.h"
#include "sprites/SpriteManager.h"
#include "sprites/Vector2D.h"
#include "text/GameText.h"
#include "world/TileEventScript.h"

namespace {

using HeadlessServices::itemsOf;

// The shipped game on the test's keyboard, mouse and clock, played through the real main loop:
// the content is loaded as the entry point loads it (the platform services are the headless
// ones), both handlers are registered, and a script of steps is played. Each step holds its keys
// and mouse for some frames; its check runs at the end of its last frame.
class ShippedGamePlay : public testing::Test {
 protected:
  struct Step {
    std::vector<int> held;
    MousePoint mouse;
    int frames = 1;
    std::function<void(Game&)> check;
  };

  ShippedGamePlay() {
    Game& game = headless.game;
    PropertyMap configuration;
    GameDataLoader::loadProperties(configuration, L"data/VexmoorGameInit.txt");
    headless.loader.loadColors(*game.getGraphics(), configuration);
    headless.loader.loadViewport(*game.getGUI(), configuration);
    game.getText()->getDialog().loadChatLines(game, L"data/levels/ZombieChat.txt");
    headless.loader.loadLevelList(game, L"data/levels/VexmoorGameLEVELSInit.txt");
    headless.loader.loadGUI(game, L"data/GUI/VexmoorGameGUIInit.txt");
    game.getGUI()->registerButtonEventHandler(&buttonHandler);
    game.getInput()->registerKeyHandler(&keyHandler);
    game.initAudio(L"music/Music.xwb", L"music/Music.xsb", L"music/SoundEffects.xwb", L"music/SoundEffects.xsb");
    game.setInitCallback([this](Game& playing) { hitPoints.init(playing); });
    game.setFrameCallback([this](Game& playing) { endOfFrame(playing); });
  }

  void play() {
    ASSERT_FALSE(script.empty());
    hold(script.front());
    headless.game.runGameLoop();
    EXPECT_EQ(stepIndex, script.size()) << "the game stopped before the script's end";
  }

  // The centre of the button with this command on the screen of that state.
  MousePoint buttonCentre(GameState state, const std::wstring& command) {
    for (const auto& button : headless.game.getGUI()->getScreen(state)->getButtons()) {
      if (button->getCommand() == command) {
        return {button->getX() + button->getWidth() / 2, button->getY() + button->getHeight() / 2};
      }
    }
    ADD_FAILURE() << "no button for this command";
    return {};
  }
  // Pressing the left button in one frame and releasing it in the next, at the same point.
  void click(MousePoint at, std::function<void(Game&)> check) {
    script.push_back({{KeyCodes::LEFT_BUTTON}, at, 1, nullptr});
    script.push_back({{}, at, 1, std::move(check)});
  }
  void press(int key, std::function<void(Game&)> check) {
    script.push_back({{key}, {}, 1, nullptr});
    script.push_back({{}, {}, 1, std::move(check)});
  }

  // Puts the player on the current event marker: the body is what the physics moves, and its
  // position is copied back.
  void standOnMarker() {
    const OverlayImage& marker = *state().getTileEvents()->getEventMarker();
    const float x = static_cast<float>(marker.x) + 16.0f;
    const float y = static_cast<float>(marker.y) + 16.0f;
    playerAt().setPosition(x, y);
    player().getBody()->SetTransform(b2Vec2(x, y), 0.0f);
  }

  GameStateManager& state() { return *headless.game.getStateManager(); }
  AnimatedSprite& player() { return state().getSpriteManager()->getPlayer(); }
  SpriteProperties& playerAt() { return player().getProperties(); }

  std::vector<Step> script;

 private:
  void hold(const Step& step) {
    headless.input->keys.fill(false);
    for (int key : step.held) headless.input->keys[key] = true;
    headless.input->mouse = step.mouse;
  }
  void endOfFrame(Game& game) {
    hitPoints.update(game);
    if (++framesInStep < script[stepIndex].frames) return;
    if (script[stepIndex].check) script[stepIndex].check(game);
    framesInStep = 0;
    if (++stepIndex < script.size()) {
      hold(script[stepIndex]);
    } else if (game.getStateManager()->isAppActive()) {
      game.shutdown();
    }
  }

  botstest::InAssetsFolder inAssets;
  // The handlers outlive the game that refers to them.
  VexmoorButtonEventHandler buttonHandler;
  VexmoorKeyEventHandler keyHandler;
  HitPointDisplay hitPoints;
  HeadlessGame headless{1024, 768};
  size_t stepIndex = 0;
  int framesInStep = 0;
};

TEST_F(ShippedGamePlay, FromTheMenuThroughTheFirstObjectiveAndBackWithKeyboardAndMouse) {
  float startX = 0.0f, startY = 0.0f;
  uint16_t clip = 0, reserve = 0;
  size_t idleHelpers = 0;  // the program's one factory: earlier games in this process leave some

  click(buttonCentre(GS_MAIN_MENU, L"Start"), [&](Game& game) {
    ASSERT_EQ(state().getCurrentState(), GS_GAME_IN_PROGRESS);
    ASSERT_EQ(state().getCurrentLevel(), 0u);
    ASSERT_NE(player().getBody(), nullptr);
    EXPECT_FALSE(state().getSpriteManager()->getBots().empty());
    EXPECT_GT(game.getGraphics()->getWorldRenderList()->getSize(), 0);
    startX = playerAt().x;
    startY = playerAt().y;
    clip = playerAt().ammoInClip;
    reserve = playerAt().ammoReserve;
    idleHelpers = getBotFactory(game).helperPoolSize();
    ASSERT_GE(idleHelpers, 1u);
    EXPECT_EQ(clip, VexmoorKeyEventHandler::CLIP_SIZE);  // the click on "Start" was no shot
    ASSERT_GE(reserve, VexmoorKeyEventHandler::CLIP_SIZE);
  });
  // Walking: a second in each direction goes round a square back to the start (the physics
  // moves a body at most 2 pixels a step), and W with D walks diagonally.
  const std::vector<std::pair<int, Vector2D>> square{
      {'D', {120.0f, 0.0f}}, {'S', {120.0f, 120.0f}}, {'A', {0.0f, 120.0f}}, {'W', {0.0f, 0.0f}}};
  for (const auto& [key, reached] : square) {
    script.push_back({{key}, {}, 60, [&, reached](Game&) {
                        EXPECT_FLOAT_EQ(playerAt().x, startX + reached.x);
                        EXPECT_FLOAT_EQ(playerAt().y, startY + reached.y);
                      }});
  }
  script.push_back({{'W', 'D'}, {}, 10, [&](Game&) {
                      EXPECT_GT(playerAt().x, startX + 10.0f);
                      EXPECT_NEAR(playerAt().x - startX, startY - playerAt().y, 0.01f);
                    }});
  click({900, 400}, [&](Game&) { EXPECT_EQ(playerAt().ammoInClip, clip - 1); });
  press('R', [&](Game&) {
    EXPECT_EQ(playerAt().ammoInClip, VexmoorKeyEventHandler::CLIP_SIZE);
    EXPECT_EQ(playerAt().ammoReserve, reserve - VexmoorKeyEventHandler::CLIP_SIZE);
  });
  press(KeyCodes::SPACE, [&](Game& game) {
    EXPECT_EQ(state().getSpriteManager()->getFlock().size(), 1u);
    EXPECT_EQ(getBotFactory(game).helperPoolSize(), idleHelpers - 1);
  });
  // Paused, the level stands still; the next Tab resumes.
  float pausedX = 0.0f;
  script.push_back({{KeyCodes::TAB}, {}, 1, [&](Game&) {
                      EXPECT_EQ(state().getCurrentState(), GS_PAUSED);
                      pausedX = playerAt().x;
                    }});
  script.push_back({{'D'}, {}, 30, [&](Game& game) {
                      EXPECT_EQ(state().getCurrentState(), GS_PAUSED);
                      EXPECT_EQ(playerAt().x, pausedX);
                      EXPECT_FALSE(itemsOf(*game.getGraphics()->getGUIRenderList()).empty());
                    }});
  press(KeyCodes::TAB, [&](Game&) { EXPECT_EQ(state().getCurrentState(), GS_GAME_IN_PROGRESS); });
  script.push_back({{}, {}, 1, [&](Game&) { standOnMarker(); }});
  script.push_back({{}, {}, 1, [&](Game& game) {
                      ASSERT_EQ(state().getCurrentState(), GS_OBJECTIVE);
                      EXPECT_EQ(state().getTileEvents()->getEventCounter(), 2);
                      const uint32_t objective = state().getTileEvents()->getObjectiveOverlay()->imageId;
                      EXPECT_NE(objective, TextureManager::FAILED_LOAD);
                      bool shown = false;
                      for (const RenderItem& item : itemsOf(*game.getGraphics()->getGUIRenderList())) {
                        shown = shown || item.textureId == objective;
                      }
                      EXPECT_TRUE(shown);
                    }});
  press(KeyCodes::TAB, [&](Game&) { EXPECT_EQ(state().getCurrentState(), GS_GAME_IN_PROGRESS); });
  press(KeyCodes::TAB, [&](Game&) { EXPECT_EQ(state().getCurrentState(), GS_PAUSED); });
  click(buttonCentre(GS_PAUSED, L"Quit"), [&](Game& game) {
    EXPECT_EQ(state().getCurrentState(), GS_MAIN_MENU);
    EXPECT_TRUE(state().getWorld().getLayers().empty());
    EXPECT_EQ(game.getGraphics()->getWorldRenderList()->getSize(), 0);
  });

  testing::internal::CaptureStderr();
  play();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_FALSE(state().isAppActive());
}

TEST_F(ShippedGamePlay, EveryObjectiveOfEveryLevelLeadsOnToTheEndAndStartBeginsAgain) {
  click(buttonCentre(GS_MAIN_MENU, L"Start"), [&](Game&) { ASSERT_EQ(state().getCurrentLevel(), 0u); });
  for (uint32_t level = 0; level < 3; ++level) {
    for (int32_t event = 2; event <= 4; ++event) {
      script.push_back({{}, {}, 1, [&](Game&) { standOnMarker(); }});
      script.push_back({{}, {}, 1, [&, level, event](Game&) {
                          if (level == 2 && event == 4) {
                            // The last event of the last level: the end screen, nothing loaded.
                            EXPECT_EQ(state().getCurrentState(), GS_GAME_END);
                            EXPECT_TRUE(state().getWorld().getLayers().empty());
                            return;
                          }
                          ASSERT_EQ(state().getCurrentState(), GS_OBJECTIVE);
                          // The fourth run of a level's script loads the next level at its first objective.
                          EXPECT_EQ(state().getCurrentLevel(), event == 4 ? level + 1 : level);
                          EXPECT_EQ(state().getTileEvents()->getEventCounter(), event == 4 ? 1 : event);
                          EXPECT_NE(state().getTileEvents()->getObjectiveOverlay()->imageId, TextureManager::FAILED_LOAD);
                        }});
      if (level < 2 || event < 4) press(KeyCodes::TAB, [&](Game&) { EXPECT_TRUE(state().isGameInProgress()); });
    }
  }
  click(buttonCentre(GS_GAME_END, L"Quit"), [&](Game&) { EXPECT_EQ(state().getCurrentState(), GS_MAIN_MENU); });
  click(buttonCentre(GS_MAIN_MENU, L"Start"), [&](Game&) {
    EXPECT_EQ(state().getCurrentState(), GS_GAME_IN_PROGRESS);
    EXPECT_EQ(state().getCurrentLevel(), 0u);
  });

  testing::internal::CaptureStderr();
  play();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
