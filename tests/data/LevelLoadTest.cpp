#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "support/BotsTestGame.h"
#include "support/HeadlessGame.h"
#include "app/GameStateManager.h"
#include "graphics/GameGraphics.h"
#include "graphics/TextureManager.h"
#include "sprites/SpriteKind.h"
#include "text/VexmoorTextGenerator.h"
#include "text/GameText.h"
#include "game/HelperBot.h"
#include "world/TileEventScript.h"
#include "world/TiledLayer.h"
#include "world/World.h"

namespace {

namespace fs = std::filesystem;

// A level's files in a temporary folder; images and scripts come from the assets folder the test
// works in.
class LevelLoadTest : public ::testing::Test {
 protected:
  LevelLoadTest() {
    fs::create_directories(folder);
    files = {{"level.txt", "TILE_LAYER_PATH:" + path("layer.txt") + "\nPLAYER_PATH:" + path("player.txt") +
                               "\nDOG_BOT_LOCATIONS:" + path("bots.txt") + "\nEVENTS_PATH:" + path("events.txt")},
             {"layer.txt", "TILE_GRID_FILE:" + path("grid.txt") +
                               "\nNUM_COLUMNS:10\nNUM_ROWS:6\nTILE_WIDTH:32\nTILE_HEIGHT:32\nZ_LAYER:0\n"
                               "TILE_TEXTURES_FILE:" + path("textures.txt") +
                               "\nCOLLIDABLE_TILES_FILE:" + path("collidable.txt") +
                               "\nFOG_OF_WAR_IMAGE_PATH:textures/world/fog.png"},
             // Both end with a line break: a blank entry that names no tile.
             {"textures.txt", "1:textures/world/tiles/grass.png\n2:textures/world/tiles/mud.png\n"
                              "10:textures/world/tiles/heather.png\n"},
             {"collidable.txt", "1:FALSE\n10:true\n2:TRUE\n"},
             {"player.txt", "PLAYER_PATH:textures/world/sprites/player.png\nPLAYER_WIDTH:32\nPLAYER_HEIGHT:32\n"
                            "PLAYER_X:96\nPLAYER_Y:128\nPLAYER_ALPHA:200\nPLAYER_VELOCITY_X:0\nPLAYER_VELOCITY_Y:0\n"
                            "PLAYER_ACCELERATION_X:0\nPLAYER_ACCELERATION_Y:0"},
             // A group of kind 1 places nothing; the trailing partial group is ignored.
             {"bots.txt", "3,2,5,7\n1,5,3,3\n4,1,0,0\n3,1"},
             {"events.txt", "BLUE_TILE_PATH:textures/world/event_tile.png"}};
    grid();
  }
  ~LevelLoadTest() override { fs::remove_all(folder); }

  std::string path(const std::string& name) const { return (folder / name).string(); }
  // 70 cells (more than the 60 the layer takes) cycling 0, 1, 2.
  void grid() {
    std::string cells;
    for (int i = 0; i < 70; ++i) cells += std::to_string(i % 3) + (i % 10 == 9 ? "\n" : ",");
    files["grid.txt"] = cells;
  }
  void load() {
    for (const auto& [name, content] : files) std::ofstream(folder / name, std::ios::binary) << content;
    game().getDataLoader()->loadWorld(game(), fs::path(path("level.txt")).wstring());
  }
  Game& game() { return headless.game; }
  GameStateManager& state() { return *game().getStateManager(); }
  const TiledLayer& tiles() { return dynamic_cast<const TiledLayer&>(*state().getWorld().getLayers().at(0)); }
  uint32_t idOf(const std::wstring& image) { return game().getGraphics()->getWorldTextureManager()->loadTexture(image); }

  botstest::InAssetsFolder inAssets;
  fs::path folder = fs::temp_directory_path() / ("vexmoor_level_" + std::to_string(::getpid()));
  std::map<std::string, std::string> files;
  HeadlessGame headless;
};

TEST_F(LevelLoadTest, TilesTakeIdsInKeyOrderAndTheCollidableMarksByPosition) {
  testing::internal::CaptureStderr();
  load();
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(errors, "");
  // Keys 1, 10, 2 in that order: grass 0, heather 1, mud 2.
  EXPECT_EQ(idOf(L"textures/world/tiles/grass.png"), 0u);
  EXPECT_EQ(idOf(L"textures/world/tiles/heather.png"), 1u);
  EXPECT_EQ(idOf(L"textures/world/tiles/mud.png"), 2u);
  const TiledLayer& layer = tiles();
  EXPECT_EQ(layer.getColumns(), 10);
  EXPECT_EQ(layer.getRows(), 6);
  for (int32_t row = 0; row < 6; ++row) {
    for (int32_t column = 0; column < 10; ++column) {
      const Tile& tile = layer.getTile(row, column);
      EXPECT_EQ(tile.textureId, static_cast<uint32_t>((column + row * 10) % 3));
      EXPECT_EQ(tile.collidable, tile.textureId == 2u) << row << ", " << column;
    }
  }
  EXPECT_EQ(state().getWorld().getWorldWidth(), 320);
  EXPECT_EQ(state().getWorld().getFogColumns(), 2);
  EXPECT_EQ(state().getWorld().getFogRows(), 1);
  EXPECT_EQ(state().getWorld().getFogOfWar()->getNumberOfOverlayImages(), 2u);
}

TEST_F(LevelLoadTest, ACollidableFileWithFewerOrBlankKeysLeavesTheRestPassable) {
  files["textures.txt"] = "1:textures/world/tiles/grass.png\n10:textures/world/tiles/heather.png\n"
                          "2:textures/world/tiles/mud.png";
  files["collidable.txt"] = "\n1:TRUE";
  load();
  EXPECT_TRUE(tiles().getTile(0, 0).collidable);  // id 0, key 1
  EXPECT_FALSE(tiles().getTile(0, 1).collidable);
  EXPECT_FALSE(tiles().getTile(0, 2).collidable);
}

TEST_F(LevelLoadTest, AMissingTileImageLeavesEveryOtherTileItsImageAndWallsStayWalls) {
  files["textures.txt"] = "1:textures/world/tiles/no_such_tile.png\n10:textures/world/tiles/heather.png\n"
                          "2:textures/world/tiles/mud.png\n3:textures/world/tiles/heather.png";
  files["collidable.txt"] = "1:TRUE\n10:FALSE\n2:FALSE\n3:TRUE";
  testing::internal::CaptureStderr();
  load();
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("no_such_tile.png"), std::string::npos);
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1);
  // Grid values 0, 1, 2 cycle along the first row: the missing image, heather, mud. Heather is
  // named again under key 3, marked as a wall: the value it already has becomes a wall.
  const std::vector<Tile> expected = {Tile{TextureManager::FAILED_LOAD, true},
                                      Tile{idOf(L"textures/world/tiles/heather.png"), true},
                                      Tile{idOf(L"textures/world/tiles/mud.png"), false}};
  for (int32_t column = 0; column < 10; ++column) {
    const Tile& tile = tiles().getTile(0, column);
    EXPECT_EQ(tile.textureId, expected[column % 3].textureId) << column;
    EXPECT_EQ(tile.collidable, expected[column % 3].collidable) << column;
  }
}

TEST_F(LevelLoadTest, AGridValueThatNamesNoTileImageDrawsNothingAndIsPassable) {
  files["grid.txt"] = "00,01,02,03,99";
  load();
  EXPECT_EQ(tiles().getTile(0, 2).textureId, idOf(L"textures/world/tiles/mud.png"));
  for (int32_t column : {3, 4}) {
    EXPECT_EQ(tiles().getTile(0, column).textureId, TextureManager::FAILED_LOAD);
    EXPECT_FALSE(tiles().getTile(0, column).collidable);
  }
}

TEST_F(LevelLoadTest, AnOversizedLayerIsHeldToASizeTheGameCanBuild) {
  files["layer.txt"] = "TILE_GRID_FILE:" + path("grid.txt") +
                       "\nNUM_COLUMNS:600000\nNUM_ROWS:6\nTILE_WIDTH:32\nTILE_HEIGHT:32\nZ_LAYER:0\n"
                       "TILE_TEXTURES_FILE:" + path("textures.txt") + "\nCOLLIDABLE_TILES_FILE:" + path("collidable.txt") +
                       "\nFOG_OF_WAR_IMAGE_PATH:textures/world/fog.png";
  testing::internal::CaptureStderr();
  load();
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("layer.txt: NUM_COLUMNS 600000 is more than 1024; using 1024"), std::string::npos);
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1);
  EXPECT_EQ(tiles().getColumns(), 1024);
  EXPECT_EQ(state().getWorld().getWorldWidth(), 1024 * 32);
  EXPECT_EQ(state().getWorld().getFogColumns(), 1024 * 32 / 128);
}

TEST_F(LevelLoadTest, BotsArePlacedByWholeGroupsOfFourInOrder) {
  load();
  const auto& bots = state().getSpriteManager()->getBots();
  ASSERT_EQ(bots.size(), 3u);
  struct Expected {
    int16_t kind;
    float x, y;
  };
  const Expected expected[] = {{3, 160, 224}, {3, 160, 224}, {4, 0, 0}};
  size_t i = 0;
  for (const Bot* bot : bots) {
    EXPECT_EQ(bot->getKind(), expected[i].kind);
    EXPECT_FLOAT_EQ(bot->getProperties().x, expected[i].x);
    EXPECT_FLOAT_EQ(bot->getProperties().y, expected[i].y);
    EXPECT_NE(bot->getBody(), nullptr);
    ++i;
  }
}

TEST_F(LevelLoadTest, ThePlayerTheEventMarkerAndTheHudAreSetUp) {
  load();
  const AnimatedSprite& player = state().getSpriteManager()->getPlayer();
  EXPECT_FLOAT_EQ(player.getProperties().x, 96.0f);
  EXPECT_FLOAT_EQ(player.getProperties().y, 128.0f);
  EXPECT_EQ(player.getProperties().hitPoints, 100);
  EXPECT_EQ(player.getProperties().ammoReserve, 180);
  EXPECT_EQ(player.getProperties().ammoInClip, 30);
  EXPECT_EQ(player.getAlpha(), 200);
  EXPECT_EQ(player.getSpriteType()->getTextureWidth(), 32);
  const auto& events = dynamic_cast<const SparseLayer&>(*state().getWorld().getLayers().at(1));
  ASSERT_EQ(events.getNumberOfOverlayImages(), 1u);
  EXPECT_EQ(&events.getOverlayImage(0), state().getTileEvents()->getEventMarker());
  EXPECT_EQ(events.getOverlayImage(0).imageId, idOf(L"textures/world/event_tile.png"));
  EXPECT_EQ(state().getTileEvents()->getEventCounter(), 1);

  state().setCurrentState(GS_GAME_IN_PROGRESS);
  game().getText()->getTextGenerator()->updateText(game());
  const auto& hud = dynamic_cast<VexmoorTextGenerator&>(*game().getText()->getTextGenerator());
  EXPECT_EQ(hud.getBotsText(), L"Bots: " + std::to_wstring(getBotFactory(game()).helperPoolSize()));
}

TEST_F(LevelLoadTest, AMissingLevelFileIsOneLineAndAnEmptyLevelThatPlays) {
  state().addLevel(L"nowhere", fs::path(path("missing.txt")).wstring());
  testing::internal::CaptureStderr();
  state().loadLevel(game(), 0);
  state().setCurrentState(GS_GAME_IN_PROGRESS);
  for (int frame = 0; frame < 5; ++frame) game().processGameLogic();
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
  EXPECT_NE(errors.find("missing.txt"), std::string::npos);
  EXPECT_TRUE(state().getSpriteManager()->getBots().empty());
}

TEST_F(LevelLoadTest, LeavingALevelEmptiesTheFlock) {
  load();
  Bot& helper = getBotFactory(game()).createHelperBot(game(), 50, 100.0f, 100.0f);
  state().getSpriteManager()->addBot(helper);
  state().getSpriteManager()->getFlock().addMember(helper);
  state().runLevelTeardown(game());
  EXPECT_EQ(state().getSpriteManager()->getFlock().size(), 0u);
}

}  // namespace
