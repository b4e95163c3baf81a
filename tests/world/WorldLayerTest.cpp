#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/WorldTestGame.h"
#include "app/GameStateManager.h"
#include "graphics/RenderList.h"
#include "sprites/SpriteManager.h"
#include "world/SparseLayer.h"
#include "world/TiledLayer.h"
#include "world/Viewport.h"
#include "world/World.h"

namespace {

Viewport makeViewport(int32_t x, int32_t y, int32_t width, int32_t height) {
  Viewport viewport;
  viewport.setViewportX(x);
  viewport.setViewportY(y);
  viewport.setViewportWidth(width);
  viewport.setViewportHeight(height);
  return viewport;
}

// Tiles of 32 pixels whose texture id is their index in the grid.
TiledLayer makeGrid(int32_t columns, int32_t rows, int32_t tilesGiven) {
  TiledLayer layer(columns, rows, 32, 32, 4, true);
  for (int32_t i = 0; i < tilesGiven; ++i) layer.addTile(Tile{static_cast<uint32_t>(i), i % 2 == 0});
  return layer;
}

using worldtest::itemsOf;

TEST(TiledLayer, AddsOnlyTheViewportsColumnAndRowRange) {
  struct Case {
    int32_t columns, rows, vx, vy, vw, vh;
    int32_t firstColumn, lastColumn, firstRow, lastRow;
  };
  const std::vector<Case> cases = {
      // One partly visible column and row past the right and bottom edges.
      {100, 100, 40, 0, 640, 480, 1, 21, 0, 15},
      // Larger than the grid: nothing past the last column and row.
      {10, 10, 0, 0, 800, 600, 0, 9, 0, 9},
      // Shifted right by the narrow-world clamp: a negative first column starts at 0.
      {10, 10, -100, -40, 640, 480, 0, 9, 0, 9},
      {100, 100, 3168, 3168, 64, 64, 99, 99, 99, 99},
  };
  for (const Case& c : cases) {
    TiledLayer layer = makeGrid(c.columns, c.rows, c.columns * c.rows);
    RenderList list(100000);
    layer.addRenderItemsToRenderList(list, makeViewport(c.vx, c.vy, c.vw, c.vh));
    const std::vector<RenderItem> items = itemsOf(list);
    const int32_t across = c.lastColumn - c.firstColumn + 1;
    ASSERT_EQ(items.size(), static_cast<size_t>(across * (c.lastRow - c.firstRow + 1))) << c.vx;
    for (size_t i = 0; i < items.size(); ++i) {
      const int32_t column = c.firstColumn + static_cast<int32_t>(i) % across;
      const int32_t row = c.firstRow + static_cast<int32_t>(i) / across;
      EXPECT_EQ(items[i].textureId, static_cast<uint32_t>(column + row * c.columns));
      EXPECT_EQ(items[i].x, column * 32 - c.vx);
      EXPECT_EQ(items[i].y, row * 32 - c.vy);
      EXPECT_EQ(items[i].z, 4);
      EXPECT_EQ(items[i].alpha, 255);
      EXPECT_EQ(items[i].width, 32);
    }
  }
  TiledLayer layer = makeGrid(100, 100, 10000);
  RenderList list(1000);
  layer.addRenderItemsToRenderList(list, makeViewport(40, 0, 640, 480));
  list.resetIterator();
  EXPECT_EQ(list.next().x, -8);
}

TEST(TiledLayer, MissingTilesOfAShortGridArePassableAndDrawNothing) {
  TiledLayer layer = makeGrid(3, 3, 4);
  EXPECT_EQ(layer.getTile(1, 0).textureId, 3u);
  for (const auto& [row, column] : std::vector<std::pair<int32_t, int32_t>>{{1, 1}, {2, 2}, {2, 0}}) {
    EXPECT_EQ(layer.getTile(row, column).textureId, 0xFFFFFFFFu);
    EXPECT_FALSE(layer.getTile(row, column).collidable);
  }
  RenderList list(100);
  layer.addRenderItemsToRenderList(list, makeViewport(0, 0, 640, 480));
  const std::vector<RenderItem> items = itemsOf(list);
  ASSERT_EQ(items.size(), 9u);
  EXPECT_EQ(items[3].textureId, 3u);
  EXPECT_EQ(items[8].textureId, 0xFFFFFFFFu);
}

TEST(TiledLayerDeathTest, TileOutsideTheGridFailsLoudlyInDebugBuilds) {
#ifdef NDEBUG
  GTEST_SKIP() << "assertions are compiled out";
#else
  TiledLayer layer = makeGrid(3, 3, 9);
  EXPECT_DEATH(layer.getTile(0, 3), "");
  EXPECT_DEATH(layer.getTile(3, 0), "");
  EXPECT_DEATH(layer.getTile(-1, 0), "");
  SparseLayer sparse;
  EXPECT_DEATH(sparse.getOverlayImage(0), "");
#endif
}

TEST(SparseLayer, DrawsImagesOverlappingTheViewportInInsertionOrder) {
  SparseLayer layer;
  // Ends exactly at the viewport's left edge (100): outside. One pixel longer: inside.
  layer.addOverlayImage(std::make_unique<OverlayImage>(OverlayImage{1, 68, 30, 2, 200, 32, 32}));
  layer.addOverlayImage(std::make_unique<OverlayImage>(OverlayImage{2, 69, 30, 2, 200, 32, 32}));
  OverlayImage shown{3, 150, 60, 5, 90, 10, 10};
  layer.addOverlayImage(shown);
  layer.addOverlayImage(std::make_unique<OverlayImage>(OverlayImage{4, 740, 30, 2, 200, 32, 32}));
  RenderList list(10);
  layer.addRenderItemsToRenderList(list, makeViewport(100, 50, 640, 480));
  const std::vector<RenderItem> items = itemsOf(list);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].textureId, 2u);
  EXPECT_EQ(items[0].x, -31);
  EXPECT_EQ(items[0].y, -20);
  EXPECT_EQ(items[1].textureId, 3u);
  EXPECT_EQ(items[1].x, 50);
  EXPECT_EQ(items[1].alpha, 90);
  EXPECT_EQ(items[1].z, 5);
}

TEST(SparseLayer, FindsTheFirstImageAtAnExactPosition) {
  SparseLayer layer;
  layer.addOverlayImage(std::make_unique<OverlayImage>(OverlayImage{1, 128, 0, 0, 0, 128, 128}));
  layer.addOverlayImage(std::make_unique<OverlayImage>(OverlayImage{2, 128, 128, 0, 0, 128, 128}));
  layer.addOverlayImage(std::make_unique<OverlayImage>(OverlayImage{3, 128, 128, 0, 0, 128, 128}));
  ASSERT_NE(layer.findOverlayImageAt(128, 128), nullptr);
  EXPECT_EQ(layer.findOverlayImageAt(128, 128)->imageId, 2u);
  EXPECT_EQ(layer.findOverlayImageAt(129, 128), nullptr);
}

TEST(Viewport, MoveClampsOnePixelShortOfTheRightAndBottomEdges) {
  struct Case {
    int32_t start, delta, worldSize, size, expected;
  };
  const std::vector<Case> cases = {
      {20, -50, 3200, 800, 0},      {2390, 20, 3200, 800, 2399}, {2378, 20, 3200, 800, 2398},
      {2379, 20, 3200, 800, 2399},  {0, 0, 3200, 800, 0},        {100, 0, 500, 800, -301},
      {0, 0, 800, 800, -1},
  };
  for (const Case& c : cases) {
    Viewport viewport = makeViewport(c.start, c.start, c.size, c.size);
    viewport.moveViewport(c.delta, c.delta, c.worldSize, c.worldSize);
    EXPECT_EQ(viewport.getViewportX(), c.expected) << c.start << " + " << c.delta;
    EXPECT_EQ(viewport.getViewportY(), c.expected) << c.start << " + " << c.delta;
  }
  Viewport viewport = makeViewport(2390, 10, 800, 600);
  viewport.moveViewport(20, -20, 3200, 3200);
  EXPECT_EQ(viewport.getViewportX(), 2399);
  EXPECT_EQ(viewport.getViewportY(), 0);
}

TEST(Viewport, ARectangleOnlyTouchingAnEdgeIsOutside) {
  const Viewport viewport = makeViewport(100, 200, 640, 480);
  EXPECT_FALSE(viewport.areWorldCoordinatesInViewport(68.0f, 250.0f, 32, 32));
  EXPECT_TRUE(viewport.areWorldCoordinatesInViewport(68.5f, 250.0f, 32, 32));
  EXPECT_FALSE(viewport.areWorldCoordinatesInViewport(740.0f, 250.0f, 32, 32));
  EXPECT_TRUE(viewport.areWorldCoordinatesInViewport(739.9f, 250.0f, 32, 32));
  EXPECT_FALSE(viewport.areWorldCoordinatesInViewport(200.0f, 168.0f, 32, 32));
  EXPECT_FALSE(viewport.areWorldCoordinatesInViewport(200.0f, 680.0f, 32, 32));
  EXPECT_TRUE(viewport.areWorldCoordinatesInViewport(0.0f, 0.0f, 1000, 1000));
}

using worldtest::WorldTestGame;

int32_t fogAlphaAt(World& world, int32_t x, int32_t y) { return world.getFogOfWar()->findOverlayImageAt(x, y)->alpha; }

TEST(FogOfWar, ClearsTheThreeByThreeWindowAroundThePlayerAndDimsWhatWasSeen) {
  WorldTestGame test;
  test.addFog(5, 4);
  test.setUpPlayer(300.0f, 140.0f);
  World& world = test.world();
  world.updateFogOfWar(test.game);
  // The player's cell is (256, 128).
  EXPECT_EQ(fogAlphaAt(world, 256, 128), 0);
  for (const auto& [x, y] : std::vector<std::pair<int32_t, int32_t>>{{128, 128}, {384, 128}, {256, 0}, {256, 256}}) {
    EXPECT_EQ(fogAlphaAt(world, x, y), 60) << x << "," << y;
  }
  for (const auto& [x, y] : std::vector<std::pair<int32_t, int32_t>>{{128, 0}, {384, 0}, {128, 256}, {384, 256}}) {
    EXPECT_EQ(fogAlphaAt(world, x, y), 100) << x << "," << y;
  }
  EXPECT_EQ(fogAlphaAt(world, 0, 0), 255);
  EXPECT_EQ(fogAlphaAt(world, 512, 384), 255);

  test.sprites().getPlayer().getProperties().setPosition(40.0f, 20.0f);
  world.updateFogOfWar(test.game);
  EXPECT_EQ(fogAlphaAt(world, 256, 128), 180);
  EXPECT_EQ(fogAlphaAt(world, 384, 256), 180);
  EXPECT_EQ(fogAlphaAt(world, 0, 0), 0);
  EXPECT_EQ(fogAlphaAt(world, 128, 128), 100);
  EXPECT_EQ(fogAlphaAt(world, 128, 0), 60);
  EXPECT_EQ(fogAlphaAt(world, 512, 384), 255);
}

TEST(FogOfWar, APlayerLeftOfTheOriginFindsCellsByFloorAndSkipsMissingOnes) {
  WorldTestGame test;
  test.addFog(2, 2);
  test.setUpPlayer(-10.0f, 10.0f);
  test.world().updateFogOfWar(test.game);
  // The player's cell is (-128, 0), outside the grid; only its right neighbour exists here.
  EXPECT_EQ(fogAlphaAt(test.world(), 0, 0), 60);
  EXPECT_EQ(fogAlphaAt(test.world(), 0, 128), 100);
  EXPECT_EQ(fogAlphaAt(test.world(), 128, 0), 255);
}

TEST(World, UnloadRemovesLayersAndFogAndAnEmptyWorldIsHarmless) {
  WorldTestGame test;
  test.addTiledLayer(4, 4, [](int32_t, int32_t) { return false; });
  test.addFog(1, 1);
  test.setUpPlayer(10.0f, 10.0f);
  test.stateManager().setCurrentState(GS_GAME_IN_PROGRESS);
  test.world().unloadWorld();
  EXPECT_TRUE(test.world().getLayers().empty());
  EXPECT_EQ(test.world().getFogOfWar(), nullptr);
  EXPECT_EQ(test.world().getWorldWidth(), 0);
  test.world().updateFogOfWar(test.game);
  test.world().addLayerRenderItems(test.game);
  test.world().addFogRenderItems(test.game);
  EXPECT_EQ(test.worldList().getSize(), 0);
  // A fog layer without cells is left alone.
  test.world().setFogOfWar(std::make_unique<SparseLayer>(), 0, 0);
  test.world().updateFogOfWar(test.game);
  EXPECT_EQ(test.world().getFogOfWar()->getNumberOfOverlayImages(), 0u);
}

TEST(World, DrawsNothingWhileNoLevelIsLoaded) {
  WorldTestGame test;
  test.addTiledLayer(4, 4, [](int32_t, int32_t) { return false; });
  test.addFog(1, 1);
  test.stateManager().setCurrentState(GS_MAIN_MENU);
  test.world().addLayerRenderItems(test.game);
  test.world().addFogRenderItems(test.game);
  EXPECT_EQ(test.worldList().getSize(), 0);
  test.stateManager().setCurrentState(GS_PAUSED);
  test.world().addLayerRenderItems(test.game);
  test.world().addFogRenderItems(test.game);
  EXPECT_EQ(test.worldList().getSize(), 17);
}

}  // namespace
