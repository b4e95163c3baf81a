#include <gtest/gtest.h>

#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/ReachabilityMap.h"
#include "app/Game.h"
#include "app/GameStateManager.h"
#include "data/GameDataLoader.h"
#include "data/PropertyValues.h"
#include "data/VexmoorDataLoader.h"
#include "data/WideText.h"
#include "world/TileEventScript.h"

using PropertyValues::integer;
using PropertyValues::text;
using WideText::narrow;

namespace {

constexpr int32_t tileSize = ReachabilityMap::tileSize;
// Finer than any wall box, so the walk cannot step over one.
constexpr int32_t walkStep = 2;

// ---------------------------------------------------------------- the walk itself

std::vector<bool> wallsFromRows(const std::vector<std::string>& rows) {
  std::vector<bool> walls;
  for (const std::string& row : rows) {
    for (char cell : row) walls.push_back(cell == '#');
  }
  return walls;
}

ReachabilityMap mapFromRows(const std::vector<std::string>& rows) {
  return ReachabilityMap(static_cast<int32_t>(rows.front().size()), static_cast<int32_t>(rows.size()),
                         wallsFromRows(rows));
}

TEST(ReachabilityMap, TouchingAWallBoxIsFreeOverlappingItIsNot) {
  // One wall tile at column 2, row 2: a 30 x 30 box centred on (64, 64).
  const ReachabilityMap map = mapFromRows({".....", ".....", "..#..", ".....", "....."});
  struct Case {
    int32_t x, y;
    bool free;
  };
  for (const Case& c : {Case{95, 64, true}, Case{94, 64, false}, Case{33, 64, true}, Case{34, 64, false},
                        Case{64, 95, true}, Case{64, 33, true}, Case{64, 34, false}, Case{94, 94, false},
                        Case{95, 94, true}, Case{64, 64, false}}) {
    EXPECT_EQ(map.isFree(c.x, c.y), c.free) << c.x << ", " << c.y;
  }
}

TEST(ReachabilityMap, AdjacentWallsBlockAndAOneTileGapLetsThrough) {
  const std::vector<std::string> closed = {"##########", "#........#", "#........#", "##########",
                                           "#........#", "#........#", "#........#", "##########"};
  std::vector<std::string> open = closed;
  open[3][4] = '.';
  const int32_t startX = 3 * tileSize, startY = 2 * tileSize;
  const int32_t goalLeft = 4 * tileSize, goalTop = 5 * tileSize;

  ReachabilityMap closedMap = mapFromRows(closed);
  closedMap.floodFrom(startX, startY, walkStep);
  EXPECT_TRUE(closedMap.isReached(startX, startY));
  EXPECT_FALSE(closedMap.reachesInside(goalLeft, goalTop, tileSize));

  ReachabilityMap openMap = mapFromRows(open);
  openMap.floodFrom(startX, startY, walkStep);
  EXPECT_TRUE(openMap.reachesInside(goalLeft, goalTop, tileSize));
}

TEST(ReachabilityMap, AStartInsideAWallReachesNothing) {
  ReachabilityMap map = mapFromRows({"....", ".#..", "...."});
  map.floodFrom(tileSize, tileSize, walkStep);
  EXPECT_FALSE(map.isReached(tileSize, tileSize));
  EXPECT_FALSE(map.reachesInside(0, 0, 4 * tileSize));
}

// ---------------------------------------------------------------- the shipped levels

struct BotPlacement {
  uint32_t kind, count, column, row;
};

// One shipped level, read from its data files the way the level loader reads them.
struct ShippedLevel {
  std::wstring file;
  int32_t columns = 0;
  int32_t rows = 0;
  int32_t tileWidth = 0;
  int32_t tileHeight = 0;
  std::vector<uint32_t> grid;
  std::vector<std::wstring> texturePaths;  // indexed by texture id
  std::vector<bool> collidableIds;         // indexed by texture id
  std::wstring fogImage;
  std::wstring eventTileImage;
  std::wstring playerImage;
  int32_t playerWidth = 0;
  int32_t playerHeight = 0;
  int32_t playerX = 0;
  int32_t playerY = 0;
  std::vector<uint32_t> botList;

  bool isCollidableTile(int32_t column, int32_t row) const {
    const uint32_t id = grid[static_cast<size_t>(column + row * columns)];
    return id < collidableIds.size() && collidableIds[id];
  }

  ReachabilityMap walkFromStart() const {
    std::vector<bool> walls;
    for (int32_t row = 0; row < rows; ++row) {
      for (int32_t column = 0; column < columns; ++column) walls.push_back(isCollidableTile(column, row));
    }
    ReachabilityMap map(columns, rows, std::move(walls));
    map.floodFrom(playerX, playerY, walkStep);
    return map;
  }
};

// Texture ids are handed out in key order of the texture file, one per distinct path; the
// collidable file is walked beside it, position by position.
void readTileTextures(ShippedLevel& level, const std::wstring& textureFile, const std::wstring& collidableFile) {
  PropertyMap textures, collidable;
  GameDataLoader::loadProperties(textures, textureFile);
  GameDataLoader::loadProperties(collidable, collidableFile);
  ASSERT_EQ(textures.size(), collidable.size()) << narrow(textureFile);
  auto flag = collidable.begin();
  for (const auto& [key, path] : textures) {
    EXPECT_EQ(flag->first, key) << narrow(collidableFile);
    auto known = std::find(level.texturePaths.begin(), level.texturePaths.end(), path);
    if (known == level.texturePaths.end()) {
      level.texturePaths.push_back(path);
      level.collidableIds.push_back(false);
      known = level.texturePaths.end() - 1;
    }
    if (flag->second == L"TRUE") level.collidableIds[static_cast<size_t>(known - level.texturePaths.begin())] = true;
    ++flag;
  }
}

ShippedLevel readLevel(const std::wstring& file) {
  ShippedLevel level;
  level.file = file;
  PropertyMap config, layer, player, events;
  GameDataLoader::loadProperties(config, file);
  GameDataLoader::loadProperties(layer, text(config, L"TILE_LAYER_PATH"));
  level.columns = integer(layer, L"NUM_COLUMNS");
  level.rows = integer(layer, L"NUM_ROWS");
  level.tileWidth = integer(layer, L"TILE_WIDTH");
  level.tileHeight = integer(layer, L"TILE_HEIGHT");
  GameDataLoader::loadIntegerGrid(level.grid, text(layer, L"TILE_GRID_FILE"));
  readTileTextures(level, text(layer, L"TILE_TEXTURES_FILE"), text(layer, L"COLLIDABLE_TILES_FILE"));
  level.fogImage = text(layer, L"FOG_OF_WAR_IMAGE_PATH");
  GameDataLoader::loadProperties(player, text(config, L"PLAYER_PATH"));
  level.playerImage = text(player, L"PLAYER_PATH");
  level.playerWidth = integer(player, L"PLAYER_WIDTH");
  level.playerHeight = integer(player, L"PLAYER_HEIGHT");
  level.playerX = integer(player, L"PLAYER_X");
  level.playerY = integer(player, L"PLAYER_Y");
  GameDataLoader::loadIntegerGrid(level.botList, text(config, L"DOG_BOT_LOCATIONS"));
  GameDataLoader::loadProperties(events, text(config, L"EVENTS_PATH"));
  level.eventTileImage = text(events, L"BLUE_TILE_PATH");
  return level;
}

// Every path in the content is relative to the assets folder, the game's working directory.
class ShippedLevels : public ::testing::Test {
 protected:
  void SetUp() override {
    previousDirectory = std::filesystem::current_path();
    std::filesystem::current_path(VEXMOOR_ASSETS_DIR);
    Game game;
    VexmoorDataLoader loader;
    loader.loadLevelList(game, L"data/levels/VexmoorGameLEVELSInit.txt");
    GameStateManager& states = *game.getStateManager();
    for (uint32_t i = 0; i < states.getNumberOfLevels(); ++i) levels.push_back(readLevel(states.getLevelFile(i)));
    ASSERT_EQ(levels.size(), 3u);
  }
  void TearDown() override { std::filesystem::current_path(previousDirectory); }

  std::filesystem::path previousDirectory;
  std::vector<ShippedLevel> levels;
};

TEST_F(ShippedLevels, GridsAreCompleteAndWalledIn) {
  for (const ShippedLevel& level : levels) {
    SCOPED_TRACE(narrow(level.file));
    EXPECT_EQ(level.tileWidth, tileSize);
    EXPECT_EQ(level.tileHeight, tileSize);
    EXPECT_GT(level.columns * tileSize, 1024) << "the level should be wider than the screen";
    EXPECT_GT(level.rows * tileSize, 768) << "the level should be taller than the screen";
    ASSERT_EQ(level.grid.size(), static_cast<size_t>(level.columns * level.rows));
    for (size_t i = 0; i < level.grid.size(); ++i) {
      EXPECT_LT(level.grid[i], level.texturePaths.size()) << "cell " << i << " names no tile texture";
    }
    for (int32_t column = 0; column < level.columns; ++column) {
      EXPECT_TRUE(level.isCollidableTile(column, 0) && level.isCollidableTile(column, level.rows - 1)) << column;
    }
    for (int32_t row = 0; row < level.rows; ++row) {
      EXPECT_TRUE(level.isCollidableTile(0, row) && level.isCollidableTile(level.columns - 1, row)) << row;
    }
  }
}

void expectImageSize(const std::wstring& path, int32_t width, int32_t height) {
  SDL_Surface* image = IMG_Load(narrow(path).c_str());
  ASSERT_NE(image, nullptr) << narrow(path) << ": " << IMG_GetError();
  EXPECT_EQ(image->w, width) << narrow(path);
  EXPECT_EQ(image->h, height) << narrow(path);
  SDL_FreeSurface(image);
}

TEST_F(ShippedLevels, ImagesLoadAtTheSizeTheyAreDrawn) {
  for (const ShippedLevel& level : levels) {
    SCOPED_TRACE(narrow(level.file));
    for (const std::wstring& tile : level.texturePaths) expectImageSize(tile, tileSize, tileSize);
    expectImageSize(level.fogImage, 128, 128);
    expectImageSize(level.eventTileImage, tileSize, tileSize);
    expectImageSize(level.playerImage, level.playerWidth, level.playerHeight);
  }
  for (const wchar_t* sprite : {L"./textures/world/sprites/bullet.png",
                                L"./textures/world/sprites/directionIndependentHelperSprite.png",
                                L"./textures/world/sprites/directionIndependentSprite2.png",
                                L"./textures/world/sprites/stealthBot.png"}) {
    expectImageSize(sprite, tileSize, tileSize);
  }
}

TEST_F(ShippedLevels, BotsStandOnReachableGroundAwayFromThePlayer) {
  // Far enough that no bot is on top of the player when the level starts.
  constexpr double minimumDistance = 8.0 * tileSize;
  for (const ShippedLevel& level : levels) {
    SCOPED_TRACE(narrow(level.file));
    ASSERT_EQ(level.botList.size() % 4, 0u);
    const ReachabilityMap map = level.walkFromStart();
    for (size_t i = 0; i < level.botList.size(); i += 4) {
      const BotPlacement bot{level.botList[i], level.botList[i + 1], level.botList[i + 2], level.botList[i + 3]};
      const int32_t column = static_cast<int32_t>(bot.column), row = static_cast<int32_t>(bot.row);
      SCOPED_TRACE("bot group at tile " + std::to_string(column) + ", " + std::to_string(row));
      EXPECT_TRUE(bot.kind == 3 || bot.kind == 4);
      EXPECT_GT(bot.count, 0u);
      ASSERT_TRUE(column < level.columns && row < level.rows);
      EXPECT_FALSE(level.isCollidableTile(column, row));
      EXPECT_TRUE(map.isReached(column * tileSize, row * tileSize));
      EXPECT_GE(std::hypot(column * tileSize - level.playerX, row * tileSize - level.playerY), minimumDistance);
    }
  }
}

TEST_F(ShippedLevels, EveryEventTileCanBeReachedFromThePlayerStart) {
  for (uint32_t index = 0; index < levels.size(); ++index) {
    const ShippedLevel& level = levels[index];
    SCOPED_TRACE(narrow(level.file));
    const ReachabilityMap map = level.walkFromStart();
    ASSERT_TRUE(map.isReached(level.playerX, level.playerY)) << "the player starts inside a wall";
    TileEventScript events;
    std::vector<std::pair<int32_t, int32_t>> places;
    for (int32_t event = 1; event <= 3; ++event) {
      ASSERT_EQ(events.runScript(GameStateManager::getTileEventScriptName(index)), event);
      const OverlayImage& marker = *events.getEventMarker();
      places.emplace_back(marker.x, marker.y);
      EXPECT_TRUE(map.reachesInside(marker.x, marker.y, tileSize))
          << "event " << event << " at (" << marker.x << ", " << marker.y << ") cannot be reached";
    }
    std::sort(places.begin(), places.end());
    EXPECT_EQ(std::unique(places.begin(), places.end()), places.end()) << "two events share a tile";
  }
}

}  // namespace
