#include <gtest/gtest.h>

#include <box2d/box2d.h>

#include <vector>

#include "support/WorldTestGame.h"
#include "app/GameStateManager.h"
#include "graphics/RenderList.h"
#include "sprites/SpriteManager.h"
#include "world/Physics.h"
#include "world/Viewport.h"
#include "world/World.h"

namespace {

using worldtest::WorldTestBot;
using worldtest::WorldTestGame;

// A 30 x 20 level walled round its border, with fog, the player and two bots: frames run as the
// main loop runs them.
TEST(LevelFrames, DrawCulledUpdateTheFogAndMoveAndCollideBodies) {
  WorldTestGame test;
  constexpr int32_t columns = 30;
  constexpr int32_t rows = 20;
  test.addTiledLayer(columns, rows, [&](int32_t column, int32_t row) {
    return column == 0 || row == 0 || column == columns - 1 || row == rows - 1;
  });
  test.addFog(columns * 32 / 128, rows * 32 / 128);
  test.setUpPlayer(100.0f, 100.0f);
  WorldTestBot& runner = test.addBot(300.0f, 200.0f);  // heads for the right-hand wall
  runner.onThink = [&](Game&) { runner.getBody()->SetLinearVelocity(b2Vec2(120.0f, 0.0f)); };
  WorldTestBot& idle = test.addBot(1500.0f, 500.0f);     // outside the viewport
  test.physics().createBotBody(test.game, runner);
  test.physics().createBotBody(test.game, idle);
  test.physics().createTileBodies(test.game);
  test.viewport().setViewportX(40);

  test.runFrame();
  // Tiles of columns 1..21 and rows 0..15, then the visible bot and the player, then the fog.
  RenderList& list = test.worldList();
  const int32_t tiles = 21 * 16;
  const std::vector<RenderItem> items = worldtest::itemsOf(list);
  ASSERT_GE(items.size(), static_cast<size_t>(tiles + 2));
  EXPECT_EQ(items[0].textureId, 1u);
  EXPECT_EQ(items[0].x, -8);
  EXPECT_EQ(items[tiles].textureId, 600u);
  EXPECT_EQ(items[tiles + 1].textureId, 500u);
  EXPECT_EQ(items[tiles + 1].x, 60);
  for (size_t i = tiles + 2; i < items.size(); ++i) EXPECT_EQ(items[i].textureId, 700u);
  EXPECT_EQ(test.world().getFogOfWar()->findOverlayImageAt(0, 0)->alpha, 0);
  EXPECT_EQ(test.world().getFogOfWar()->findOverlayImageAt(256, 256)->alpha, 255);

  // Frames go on until the runner has long reached the wall; the lists are refilled each frame.
  for (int frame = 0; frame < 600; ++frame) {
    list.clear();
    test.runFrame();
  }
  EXPECT_GT(runner.thinkCount, 600);
  // The right wall's boxes start at x 928 - 15; the runner's box reaches 16 past its origin.
  EXPECT_GT(runner.getProperties().x, 850.0f);
  EXPECT_LT(runner.getProperties().x, 898.0f);
  EXPECT_FLOAT_EQ(idle.getProperties().x, 1500.0f);
  EXPECT_FLOAT_EQ(test.sprites().getPlayer().getProperties().x, 100.0f);
  EXPECT_EQ(test.stateManager().getCurrentState(), GS_GAME_IN_PROGRESS);
}

}  // namespace
