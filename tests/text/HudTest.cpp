#include <gtest/gtest.h>

#include <cstdlib>

#include "support/RenderTestGame.h"
#include "app/GameStateManager.h"
#include "game/HitPointDisplay.h"
#include "sprites/SpriteManager.h"
#include "text/GameText.h"
#include "text/VexmoorTextGenerator.h"

namespace {

constexpr uint32_t AMMO_COLOR = 0xFFFFFF80;
constexpr uint32_t HP_COLOR = 0xFFFFFFFE;

class HudTest : public ::testing::Test {
 protected:
  HudTest() {
    auto owned = std::make_unique<VexmoorTextGenerator>();
    generator = owned.get();
    generator->initText(game());
    game().getText()->setTextGenerator(std::move(owned));
    hitPoints.init(game());
    SpriteProperties& player = game().getStateManager()->getSpriteManager()->getPlayer().getProperties();
    player.ammoInClip = 12;
    player.ammoReserve = 90;
    player.hitPoints = 77;
  }
  Game& game() { return scene.game(); }
  // One frame's text work and drawing, as the main loop does it.
  void frame(GameState state) {
    game().getStateManager()->setCurrentState(state);
    generator->updateText(game());
    hitPoints.update(game());
    scene.renderFrame();
  }
  // Any pixel of the rectangle within the tolerance of the colour in every channel?
  bool anyPixelNear(int left, int top, int width, int height, uint32_t argb, int tolerance = 0) {
    for (int y = top; y < top + height; ++y) {
      for (int x = left; x < left + width; ++x) {
        const uint32_t pixel = scene.pixel(x, y);
        bool near = true;
        for (int shift : {16, 8, 0}) {
          near = near && std::abs(int((pixel >> shift) & 0xFF) - int((argb >> shift) & 0xFF)) <= tolerance;
        }
        if (near) return true;
      }
    }
    return false;
  }
  TextEntry& hpEntry() {
    return game().getText()->getTextEntry(
        static_cast<size_t>(generator->getNamedTextEntry(L"playerHP")));
  }

  RenderTestGame scene;
  HitPointDisplay hitPoints;
  VexmoorTextGenerator* generator = nullptr;  // owned by the game text
};

TEST_F(HudTest, LinesShowInPlayAndVanishOutsideIt) {
  frame(GS_GAME_IN_PROGRESS);
  EXPECT_EQ(generator->getAmmoText(), L"Ammo: 12/90");
  EXPECT_EQ(generator->getNamedText(L"playerHP"), L"HP: 77");
  EXPECT_TRUE(anyPixelNear(50, 75, 100, 20, AMMO_COLOR));
  EXPECT_TRUE(anyPixelNear(23, 23, 120, 30, HP_COLOR, 2));
  EXPECT_TRUE(hpEntry().largeFont);

  for (GameState state : {GS_PAUSED, GS_MAIN_MENU, GS_OBJECTIVE, GS_GAME_OVER}) {
    frame(state);
    EXPECT_TRUE(generator->getAmmoText().empty()) << state;
    EXPECT_TRUE(generator->getBotsText().empty()) << state;
    EXPECT_FALSE(anyPixelNear(50, 75, 100, 20, AMMO_COLOR)) << state;
  }
  // The hit points fade out once the level stops: 2 alpha steps per drawn frame.
  EXPECT_EQ(hpEntry().alpha, 255 - 2 * 5);

  frame(GS_GAME_IN_PROGRESS);
  EXPECT_EQ(generator->getAmmoText(), L"Ammo: 12/90");
  EXPECT_EQ(hpEntry().alpha, 255 - 2);
}

TEST_F(HudTest, HitPointsFadeToNothingOutsidePlay) {
  frame(GS_GAME_IN_PROGRESS);
  for (int i = 0; i < 128; ++i) frame(GS_PAUSED);
  EXPECT_EQ(hpEntry().alpha, 0);
  EXPECT_FALSE(anyPixelNear(23, 23, 120, 30, HP_COLOR, 2));
}

TEST_F(HudTest, TheSpriteReadoutStaysWithTheLevelOnScreen) {
  const std::wstring& name = SpriteManager::MOUSE_TEXT_NAME;
  game().getStateManager()->setCurrentState(GS_GAME_IN_PROGRESS);
  game().getStateManager()->getSpriteManager()->calcMouse(game());
  const std::wstring readout = generator->getNamedText(name);
  EXPECT_FALSE(readout.empty());
  frame(GS_PAUSED);  // the frozen level is still on screen
  EXPECT_EQ(generator->getNamedText(name), readout);
  frame(GS_MAIN_MENU);
  EXPECT_EQ(generator->getNamedText(name), L"");
}

}  // namespace
