#include "app/GameStateManager.h"

#include "app/Game.h"
#include "data/GameDataLoader.h"
#include "graphics/GameGraphics.h"
#include "sprites/SpriteManager.h"
#include "world/TileEventScript.h"

namespace {
constexpr int32_t LAST_EVENT = 3;
constexpr int32_t EVENT_TILE_SIZE = 32;  // pixels
}  // namespace

GameStateManager::GameStateManager()
    : spriteManager(std::make_unique<SpriteManager>()), tileEvents(std::make_unique<TileEventScript>()) {}

GameStateManager::~GameStateManager() = default;

bool GameStateManager::isLevelLoaded() const {
  return currentState == GS_GAME_IN_PROGRESS || currentState == GS_PAUSED ||
         currentState == GS_GAME_OVER || currentState == GS_OBJECTIVE;
}

void GameStateManager::goToExit() {
  const bool levelWasLoaded = isLevelLoaded();
  currentState = GS_EXIT_GAME;
  if (levelWasLoaded) unloadLevel();
}

void GameStateManager::addLevel(const std::wstring& levelName, const std::wstring& levelFile) {
  levelNames.push_back(levelName);
  levelFiles.push_back(levelFile);
}

uint32_t GameStateManager::findLevel(const std::wstring& levelName) const {
  for (size_t i = 0; i < levelNames.size(); ++i) {
    if (levelNames[i] == levelName) return static_cast<uint32_t>(i);
  }
  return getNumberOfLevels();
}

std::wstring GameStateManager::getCurrentLevelName() const {
  return currentLevel < levelNames.size() ? levelNames[currentLevel] : std::wstring();
}

std::string GameStateManager::getTileEventScriptName(uint32_t levelIndex) {
  return "TileEventScript" + std::to_string(static_cast<uint64_t>(levelIndex) + 1) + ".lua";
}

void GameStateManager::loadLevel(Game& game, uint32_t index) {
  if (index >= getNumberOfLevels()) return;
  currentState = GS_LOADING_LEVEL;
  // A level other than the first counts as loaded.
  if (currentLevel != 0) unloadLevel();
  currentLevel = index;
  game.getDataLoader()->loadWorld(game, levelFiles[index]);
  physics.createTileBodies(game);
}

void GameStateManager::loadLevelByName(Game& game, const std::wstring& levelName) {
  loadLevel(game, findLevel(levelName));
}

void GameStateManager::unloadLevel() {
  spriteManager->unloadSprites();
  world.unloadWorld();
  tileEvents->reset();
}

void GameStateManager::runLevelTeardown(Game& game) {
  GameGraphics* graphics = game.getGraphics();
  graphics->clearWorldTextures();
  unloadLevel();
  physics.resetPhysicsWorld(game);
  graphics->getWorldRenderList()->clear();
  graphics->getGUIRenderList()->clear();
}

void GameStateManager::update(Game& game) {
  spriteManager->update(game);
  world.updateFogOfWar(game);
  physics.updatePhysics(game);
  checkTileEvent(game);
}

void GameStateManager::checkTileEvent(Game& game) {
  const SpriteProperties& player = spriteManager->getPlayer().getProperties();
  const OverlayImage& marker = *tileEvents->getEventMarker();
  // Strictly inside the marker's square: standing on its edge does not count.
  const auto left = static_cast<float>(marker.x);
  const auto top = static_cast<float>(marker.y);
  const bool inside = left < player.x && player.x < left + EVENT_TILE_SIZE && top < player.y &&
                      player.y < top + EVENT_TILE_SIZE;
  if (!inside) return;
  const int32_t counter = tileEvents->runScript(getTileEventScriptName(currentLevel));
  if (counter > LAST_EVENT) {
    finishLevel(game);
    if (currentState == GS_GAME_END) return;
  }
  showObjective(game);
}

void GameStateManager::finishLevel(Game& game) {
  runLevelTeardown(game);
  const uint32_t next = currentLevel + 1;
  if (next >= getNumberOfLevels()) {
    // The last level is done: show the end screen; "Start" begins again at the first level.
    currentLevel = 0;
    currentState = GS_GAME_END;
    return;
  }
  loadLevel(game, next);
}

void GameStateManager::showObjective(Game& game) {
  OverlayImage* overlay = tileEvents->getObjectiveOverlay();
  overlay->imageId = game.getGraphics()->getGUITextureManager()->loadTexture(tileEvents->getObjectivePath());
  currentState = GS_OBJECTIVE;
}

void GameStateManager::addLevelRenderItems(Game& game) {
  world.addLayerRenderItems(game);
  spriteManager->addSpriteItemsToRenderList(game);
  world.addFogRenderItems(game);
}
