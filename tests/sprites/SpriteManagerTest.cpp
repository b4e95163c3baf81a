#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/WorldTestGame.h"
#include "app/GameStateManager.h"
#include "graphics/RenderList.h"
#include "sprites/SpriteManager.h"
#include "text/GameText.h"
#include "world/Viewport.h"

namespace {

using worldtest::WorldTestBot;
using worldtest::WorldTestGame;

using worldtest::itemsOf;

std::wstring mouseText(WorldTestGame& test) {
  return test.game.getText()->getTextGenerator()->getNamedText(L"SpriteManagerCalcMouse");
}

TEST(SpriteManager, ListsBotsInInsertionOrderAndRemovesOnlyListedOnes) {
  WorldTestGame test;
  WorldTestBot& a = test.addBot(0, 0);
  WorldTestBot& b = test.addBot(0, 0);
  WorldTestBot& c = test.addBot(0, 0);
  WorldTestBot stranger;
  EXPECT_EQ(test.sprites().removeBot(stranger), nullptr);
  EXPECT_EQ(test.sprites().removeBot(b), &b);
  EXPECT_EQ(test.sprites().removeBot(b), nullptr);
  EXPECT_EQ(test.sprites().getBots(), (std::list<Bot*>{&a, &c}));
  test.sprites().unloadSprites();
  EXPECT_TRUE(test.sprites().getBots().empty());
  EXPECT_EQ(a.getKind(), 3);  // unloading leaves the bots as they are

  AnimatedSpriteType first;
  AnimatedSpriteType second;
  EXPECT_EQ(test.sprites().addSpriteType(first), 0);
  EXPECT_EQ(test.sprites().addSpriteType(second), 1);
  EXPECT_EQ(test.sprites().getSpriteType(1), &second);
  EXPECT_EQ(test.sprites().getSpriteType(2), nullptr);
}

TEST(SpriteManager, UpdateAnimatesAndLetsBotsAddedDuringThePassThinkInIt) {
  WorldTestGame test;
  test.setUpPlayer(0, 0);
  test.botType.addAnimationSequence(L"FLOATING_STATE");
  test.botType.appendFrame(L"FLOATING_STATE", 600, 1);
  test.botType.appendFrame(L"FLOATING_STATE", 601, 1);
  WorldTestBot& shooter = test.addBot(0, 0);
  WorldTestBot& shot = *test.bots.emplace_back(std::make_unique<WorldTestBot>());
  shot.setSpriteType(&test.botType);
  shot.setCurrentState(L"FLOATING_STATE");
  std::vector<std::string> order;
  shooter.onThink = [&](Game&) {
    order.push_back("shooter");
    if (shooter.thinkCount == 1) test.sprites().addBot(shot);
  };
  shot.onThink = [&](Game&) {
    order.push_back("shot");
    // Each bot's animation steps before it thinks.
    EXPECT_EQ(shot.getCurrentImageId(), 601u);
  };
  test.sprites().update(test.game);
  EXPECT_EQ(order, (std::vector<std::string>{"shooter", "shot"}));
  EXPECT_EQ(shooter.getCurrentImageId(), 601u);
  EXPECT_EQ(shot.thinkCount, 1);
}

TEST(SpriteManager, CullsAtTheViewportsEdgeRoundsHalvesUpAndDrawsThePlayerLast) {
  WorldTestGame test;
  test.viewport().setViewportX(100);
  test.viewport().setViewportY(50);
  AnimatedSprite& player = test.setUpPlayer(110.5f, 49.5f);
  player.getProperties().rotation = 1.25f;
  player.getProperties().z = 2.5f;
  test.addBot(68.0f, 60.0f);           // right edge on the viewport's left edge: culled
  test.addBot(68.5f, 60.0f).setAlpha(40);  // half a pixel inside: drawn at -31.5 -> -31
  test.addBot(740.0f, 60.0f);          // left edge on the viewport's right edge: culled
  test.addBot(200.0f, 529.0f);         // last visible row
  test.stateManager().setCurrentState(GS_GAME_OVER);
  test.sprites().addSpriteItemsToRenderList(test.game);
  const std::vector<RenderItem> items = itemsOf(test.worldList());
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].x, -31);
  EXPECT_EQ(items[0].y, 10);
  EXPECT_EQ(items[0].alpha, 40);
  EXPECT_EQ(items[0].textureId, 600u);
  EXPECT_EQ(items[1].y, 479);
  const RenderItem& drawnPlayer = items[2];
  EXPECT_EQ(drawnPlayer.textureId, 500u);
  EXPECT_EQ(drawnPlayer.x, 11);  // 10.5
  EXPECT_EQ(drawnPlayer.y, 0);   // -0.5
  EXPECT_EQ(drawnPlayer.z, 3);   // 2.5
  EXPECT_EQ(drawnPlayer.width, 32);
  EXPECT_FLOAT_EQ(drawnPlayer.rotationInRadians, 1.25f);

  test.worldList().clear();
  test.stateManager().setCurrentState(GS_MAIN_MENU);
  test.sprites().addSpriteItemsToRenderList(test.game);
  EXPECT_EQ(test.worldList().getSize(), 0);
}

TEST(SpriteManager, NearestRoundsHalvesTowardsPlusInfinity) {
  struct Case {
    float x;
    int32_t drawnAt;
  };
  for (const Case& c : std::vector<Case>{{10.5f, 11}, {-0.5f, 0}, {-2.5f, -2}, {-2.6f, -3}, {3.49f, 3}}) {
    WorldTestGame test;
    test.setUpPlayer(c.x, 0.0f);
    test.stateManager().setCurrentState(GS_GAME_IN_PROGRESS);
    test.sprites().addSpriteItemsToRenderList(test.game);
    ASSERT_EQ(test.worldList().getSize(), 1);
    test.worldList().resetIterator();
    EXPECT_EQ(test.worldList().next().x, c.drawnAt) << c.x;
  }
}

TEST(SpriteManager, MouseOverAndClickTextsWithThePlayerWinningOverBots) {
  WorldTestGame test;
  test.viewport().setViewportX(1000);
  test.setUpPlayer(1100.0f, 100.0f);
  test.addBot(1110.0f, 110.0f);
  SpriteManager& sprites = test.sprites();

  test.pollMouse(50, 50);
  sprites.calcMouse(test.game);
  EXPECT_EQ(mouseText(test), L"No Mouse Over");
  EXPECT_EQ(sprites.getMouseOverSprite(), nullptr);

  // Exactly on the player's right edge (x + 32) still counts; the bot under it is not examined.
  test.pollMouse(132, 120);
  sprites.calcMouse(test.game);
  EXPECT_EQ(sprites.getMouseOverSprite(), &sprites.getPlayer());
  EXPECT_EQ(mouseText(test), L"No Selection");

  test.pollMouse(132, 120, true);
  sprites.calcMouse(test.game);
  EXPECT_EQ(mouseText(test), L"Clicked Player");
  EXPECT_EQ(sprites.getSelectedSprite(), &sprites.getPlayer());

  test.pollMouse(132, 120, true);  // held, not a new click
  sprites.calcMouse(test.game);
  EXPECT_EQ(mouseText(test), L"Mouse Over Player");

  test.pollMouse(141, 141);  // the bot only
  sprites.calcMouse(test.game);
  EXPECT_EQ(mouseText(test), L"Mouse Over Bot");

  // Clicking empty ground keeps the selection.
  test.pollMouse(400, 400, false);
  test.pollMouse(400, 400, true);
  sprites.calcMouse(test.game);
  EXPECT_EQ(mouseText(test), L"No Mouse Over");
  EXPECT_EQ(sprites.getSelectedSprite(), &sprites.getPlayer());
}

TEST(SpriteManager, TheLaterOfTwoOverlappingBotsWinsAndAClickSelectsIt) {
  WorldTestGame test;
  test.setUpPlayer(500.0f, 400.0f);
  test.addBot(100.0f, 100.0f);
  WorldTestBot& later = test.addBot(110.0f, 110.0f);
  test.addBot(300.0f, 100.0f);
  test.pollMouse(120, 120);
  test.sprites().calcMouse(test.game);
  EXPECT_EQ(test.sprites().getMouseOverSprite(), &later);
  EXPECT_EQ(mouseText(test), L"No Selection");
  test.pollMouse(120, 120, false);
  test.pollMouse(120, 120, true);
  test.sprites().calcMouse(test.game);
  EXPECT_EQ(test.sprites().getSelectedSprite(), &later);
  EXPECT_EQ(mouseText(test), L"Mouse Over Bot");
}

}  // namespace
