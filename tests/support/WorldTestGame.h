#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "app/Game.h"
#include "graphics/RenderItem.h"
#include "game/Bot.h"
#include "support/FakeInputSource.h"
#include "support/HeadlessServices.h"
#include "sprites/AnimatedSpriteType.h"
#include "world/TiledLayer.h"

class GameStateManager;
class Physics;
class RenderList;
class SpriteManager;
class Viewport;
class World;

namespace worldtest {

using HeadlessServices::itemsOf;

// A bot whose behaviour the test supplies; by default it only counts its turns.
class WorldTestBot : public Bot {
 public:
  void think(Game& game) override {
    ++thinkCount;
    if (onThink) onThink(game);
  }
  std::unique_ptr<Bot> clone() const override { return std::make_unique<WorldTestBot>(); }

  int32_t thinkCount = 0;
  std::function<void(Game&)> onThink;
};

// A real game on a hidden window with the software renderer, a fake input source and a fake
// clock, plus helpers that build a level the way the level loader does.
class WorldTestGame {
 public:
  static constexpr int32_t SCREEN_WIDTH = 640;
  static constexpr int32_t SCREEN_HEIGHT = 480;

  WorldTestGame();
  ~WorldTestGame();

  GameStateManager& stateManager();
  SpriteManager& sprites();
  World& world();
  Physics& physics();
  Viewport& viewport();
  RenderList& worldList();

  // A collidable tiled layer of 32-pixel tiles whose texture id is the tile's index; collidable
  // where the predicate says so. Also sets the world size.
  TiledLayer& addTiledLayer(int32_t columns, int32_t rows, const std::function<bool(int32_t, int32_t)>& isWall);
  // 128-pixel fog cells, all unseen, column after column.
  void addFog(int32_t columns, int32_t rows);
  // The player: a 32 x 32 sprite of image 500 at (x, y).
  AnimatedSprite& setUpPlayer(float x, float y);
  // A 32 x 32 bot of image 600 at (x, y), listed in the sprite manager, without a body.
  WorldTestBot& addBot(float x, float y);
  // A 32 x 32 sprite at (x, y) in no list and without a body.
  AnimatedSprite& addPlainSprite(float x, float y);
  // Moves the mouse, sets the left button and lets the input service poll once.
  void pollMouse(int32_t x, int32_t y, bool leftButtonDown = false);
  // One frame of logic as the main loop runs it, with the level in progress.
  void runFrame();

  Game game;
  FakeInputSource* input = nullptr;  // owned by the game's input service
  AnimatedSpriteType playerType;
  AnimatedSpriteType botType;
  // The test's "factory": sprites live as long as the game, as the bot factory's do.
  std::vector<std::unique_ptr<WorldTestBot>> bots;
  std::deque<AnimatedSprite> plainSprites;
  uint32_t clockMillis = 0;
};

}  // namespace worldtest
