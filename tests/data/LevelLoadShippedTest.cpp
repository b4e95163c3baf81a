#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/BotsTestGame.h"
#include "support/HeadlessGame.h"
#include "app/GameStateManager.h"
#include "data/GameDataLoader.h"
#include "data/PropertyValues.h"
#include "graphics/TextureManager.h"
#include "sprites/SpriteManager.h"
#include "world/TileEventScript.h"
#include "world/TiledLayer.h"
#include "world/World.h"

namespace {

// The number of bots a placement file asks for, by whole groups of kind 3 or 4.
size_t placedBots(const std::wstring& levelFile) {
  PropertyMap level;
  GameDataLoader::loadProperties(level, levelFile);
  std::vector<uint32_t> placements;
  GameDataLoader::loadIntegerGrid(placements, PropertyValues::text(level, L"DOG_BOT_LOCATIONS"));
  size_t count = 0;
  for (size_t i = 0; i + 4 <= placements.size(); i += 4) {
    if (placements[i] == 3 || placements[i] == 4) count += placements[i + 1];
  }
  return count;
}

// Every shipped level, one after the other as the game plays them: loads with its tiles, fog,
// player, bots and first marker, and plays frames with the bots moving against the walls.
TEST(ShippedLevelLoad, EachLoadsAndPlaysAFewHundredFrames) {
  botstest::InAssetsFolder inAssets;
  HeadlessGame headless;
  Game& game = headless.game;
  GameStateManager& state = *game.getStateManager();
  headless.loader.loadLevelList(game, L"data/levels/VexmoorGameLEVELSInit.txt");
  ASSERT_EQ(state.getNumberOfLevels(), 3u);
  const size_t helpersBefore = getBotFactory(game).helperPoolSize();
  testing::internal::CaptureStderr();
  for (uint32_t level = 0; level < 3; ++level) {
    SCOPED_TRACE(level);
    if (level > 0) state.runLevelTeardown(game);
    state.loadLevel(game, level);
    const World& world = state.getWorld();
    ASSERT_EQ(world.getLayers().size(), 2u);
    const auto& tiles = dynamic_cast<const TiledLayer&>(*world.getLayers()[0]);
    EXPECT_GT(tiles.getColumns() * tiles.getRows(), 0);
    EXPECT_NE(tiles.getTile(0, 0).textureId, TextureManager::FAILED_LOAD);
    EXPECT_EQ(world.getFogColumns(), tiles.getColumns() * 32 / 128);
    EXPECT_EQ(world.getFogRows(), tiles.getRows() * 32 / 128);
    SpriteManager& sprites = *state.getSpriteManager();
    EXPECT_NE(sprites.getPlayer().getBody(), nullptr);
    const size_t expectedBots = placedBots(state.getLevelFile(level));
    EXPECT_GT(expectedBots, 0u);
    EXPECT_EQ(sprites.getBots().size(), expectedBots);
    const OverlayImage& marker = *state.getTileEvents()->getEventMarker();
    EXPECT_NE(marker.imageId, TextureManager::FAILED_LOAD);
    EXPECT_EQ(state.getTileEvents()->getEventCounter(), 1);

    std::vector<Vector2D> start;
    for (const Bot* bot : sprites.getBots()) start.push_back(bot->getPosition());
    state.setCurrentState(GS_GAME_IN_PROGRESS);
    for (int frame = 0; frame < 300 && state.getCurrentState() == GS_GAME_IN_PROGRESS; ++frame) {
      game.processGameLogic();
    }
    size_t moved = 0;
    size_t index = 0;
    for (const Bot* bot : sprites.getBots()) {
      const Vector2D at = bot->getPosition();
      if (index < start.size() && (at - start[index]).length() > 1.0f) ++moved;
      ++index;
      // The walls keep every bot inside the level.
      EXPECT_GE(at.x, -32.0f);
      EXPECT_LE(at.x, static_cast<float>(world.getWorldWidth()));
      EXPECT_GE(at.y, -32.0f);
      EXPECT_LE(at.y, static_cast<float>(world.getWorldHeight()));
    }
    EXPECT_GT(moved, 0u);
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(getBotFactory(game).helperPoolSize(), helpersBefore + 3);
  EXPECT_NE(state.getSpriteManager()->getSpriteType(11), nullptr);
  state.runLevelTeardown(game);
}

}  // namespace
