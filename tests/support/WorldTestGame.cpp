#include "support/WorldTestGame.h"

#include "app/GameStateManager.h"
#include "graphics/GameGraphics.h"
#include "platform/GameInput.h"
#include "platform/SdlTimer.h"
#include "graphics/RenderList.h"
#include "gui/GameGUI.h"
#include "platform/SdlTimer.h"
#include "sprites/SpriteManager.h"
#include "text/GameText.h"
#include "world/Physics.h"
#include "world/World.h"

namespace worldtest {

namespace {
constexpr int32_t TILE_SIZE = 32;
constexpr int32_t FOG_CELL_SIZE = 128;
}  // namespace

WorldTestGame::WorldTestGame() {
  auto source = std::make_unique<FakeInputSource>();
  input = source.get();
  auto timer = std::make_unique<SdlTimer>([this] { return clockMillis += 16; }, [](uint32_t) {});
  HeadlessServices::install(game, SCREEN_WIDTH, SCREEN_HEIGHT, std::move(source), std::move(timer));
  HeadlessServices::installTextGenerator(game);
  viewport().setViewportWidth(SCREEN_WIDTH);
  viewport().setViewportHeight(SCREEN_HEIGHT);
  playerType.setDimensions(TILE_SIZE, TILE_SIZE);
  playerType.addAnimationSequence(L"IDLE_STATE");
  playerType.appendFrame(L"IDLE_STATE", 500, 50);
  botType.setDimensions(TILE_SIZE, TILE_SIZE);
  botType.addAnimationSequence(L"FLOATING_STATE");
  botType.appendFrame(L"FLOATING_STATE", 600, 10);
}

// The level's sprites refer to the types and bots held here: leave the level first.
WorldTestGame::~WorldTestGame() {
  stateManager().unloadLevel();
  physics().resetPhysicsWorld(game);
}

GameStateManager& WorldTestGame::stateManager() { return *game.getStateManager(); }
SpriteManager& WorldTestGame::sprites() { return *stateManager().getSpriteManager(); }
World& WorldTestGame::world() { return stateManager().getWorld(); }
Physics& WorldTestGame::physics() { return stateManager().getPhysics(); }
Viewport& WorldTestGame::viewport() { return game.getGUI()->getViewport(); }
RenderList& WorldTestGame::worldList() { return *game.getGraphics()->getWorldRenderList(); }

TiledLayer& WorldTestGame::addTiledLayer(int32_t columns, int32_t rows,
                                         const std::function<bool(int32_t, int32_t)>& isWall) {
  auto layer = std::make_unique<TiledLayer>(columns, rows, TILE_SIZE, TILE_SIZE, 0, true);
  for (int32_t row = 0; row < rows; ++row) {
    for (int32_t column = 0; column < columns; ++column) {
      layer->addTile(Tile{static_cast<uint32_t>(column + row * columns), isWall(column, row)});
    }
  }
  TiledLayer& result = *layer;
  world().setWorldWidth(columns * TILE_SIZE);
  world().setWorldHeight(rows * TILE_SIZE);
  world().addWorldLayer(std::move(layer));
  return result;
}

void WorldTestGame::addFog(int32_t columns, int32_t rows) {
  auto fog = std::make_unique<SparseLayer>();
  for (int32_t column = 0; column < columns; ++column) {
    for (int32_t row = 0; row < rows; ++row) {
      fog->addOverlayImage(std::make_unique<OverlayImage>(
          OverlayImage{700, column * FOG_CELL_SIZE, row * FOG_CELL_SIZE, 0, 255, FOG_CELL_SIZE, FOG_CELL_SIZE}));
    }
  }
  world().setFogOfWar(std::move(fog), rows, columns);
}

AnimatedSprite& WorldTestGame::setUpPlayer(float x, float y) {
  AnimatedSprite& player = sprites().getPlayer();
  player.setSpriteType(&playerType);
  player.setCurrentState(L"IDLE_STATE");
  player.setAlpha(255);
  SpriteProperties& properties = player.getProperties();
  properties.setPosition(x, y);
  properties.collisionWidth = TILE_SIZE;
  properties.collisionHeight = TILE_SIZE;
  properties.hitPoints = 100;
  return player;
}

WorldTestBot& WorldTestGame::addBot(float x, float y) {
  bots.push_back(std::make_unique<WorldTestBot>());
  WorldTestBot& bot = *bots.back();
  bot.setSpriteType(&botType);
  bot.setCurrentState(L"FLOATING_STATE");
  bot.setAlpha(255);
  bot.setKind(3);
  SpriteProperties& properties = bot.getProperties();
  properties.setPosition(x, y);
  properties.collisionWidth = TILE_SIZE;
  properties.collisionHeight = TILE_SIZE;
  sprites().addBot(bot);
  return bot;
}

AnimatedSprite& WorldTestGame::addPlainSprite(float x, float y) {
  AnimatedSprite& sprite = plainSprites.emplace_back();
  sprite.getProperties().setPosition(x, y);
  sprite.getProperties().collisionWidth = TILE_SIZE;
  sprite.getProperties().collisionHeight = TILE_SIZE;
  return sprite;
}

void WorldTestGame::pollMouse(int32_t x, int32_t y, bool leftButtonDown) {
  input->mouse = MousePoint{x, y};
  input->keys[KeyCodes::LEFT_BUTTON] = leftButtonDown;
  game.getInput()->processInput(game);
}

void WorldTestGame::runFrame() {
  stateManager().setCurrentState(GS_GAME_IN_PROGRESS);
  game.getInput()->processInput(game);
  game.processGameLogic();
}

}  // namespace worldtest
