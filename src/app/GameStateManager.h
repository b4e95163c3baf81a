#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/GameState.h"
#include "world/Physics.h"
#include "world/World.h"

class Game;
class SpriteManager;
class TileEventScript;

// What the application is doing, the list of levels, and the running level: its world, sprites,
// physics and objective script. Loads and leaves levels and moves the player through them.
class GameStateManager {
 public:
  GameStateManager();
  ~GameStateManager();
  GameStateManager(const GameStateManager&) = delete;
  GameStateManager& operator=(const GameStateManager&) = delete;

  GameState getCurrentState() const { return currentState; }
  void setCurrentState(GameState state) { currentState = state; }
  bool isAppActive() const { return currentState != GS_EXIT_GAME; }
  bool isGameInProgress() const { return currentState == GS_GAME_IN_PROGRESS; }
  bool isLoadingLevel() const { return currentState == GS_LOADING_LEVEL; }
  bool isPaused() const { return currentState == GS_PAUSED; }
  bool isObjectiveShown() const { return currentState == GS_OBJECTIVE; }
  // The frozen level stays visible under the pause, game-over and objective screens.
  bool isLevelLoaded() const;

  void goToExit();
  void addLevel(const std::wstring& levelName, const std::wstring& levelFile);
  // The index of the first level of that name; the number of levels when there is none.
  uint32_t findLevel(const std::wstring& levelName) const;
  uint32_t getNumberOfLevels() const { return static_cast<uint32_t>(levelNames.size()); }
  uint32_t getCurrentLevel() const { return currentLevel; }
  std::wstring getCurrentLevelName() const;
  const std::wstring& getLevelFile(uint32_t index) const { return levelFiles.at(index); }
  // "TileEventScript1.lua" for level 0, "TileEventScript2.lua" for level 1, and so on.
  static std::string getTileEventScriptName(uint32_t levelIndex);

  // Loads a level; an index with no level behind it changes nothing.
  void loadLevel(Game& game, uint32_t index);
  void loadLevelByName(Game& game, const std::wstring& levelName);
  void unloadLevel();
  // Leaves the running level: world textures, sprites, world, script, physics and render lists.
  void runLevelTeardown(Game& game);
  void update(Game& game);
  void checkTileEvent(Game& game);
  void addLevelRenderItems(Game& game);

  World& getWorld() { return world; }
  SpriteManager* getSpriteManager() { return spriteManager.get(); }
  Physics& getPhysics() { return physics; }
  TileEventScript* getTileEvents() { return tileEvents.get(); }

 private:
  // After the last objective of a level: the next level, or the end of the game.
  void finishLevel(Game& game);
  void showObjective(Game& game);

  GameState currentState = GS_MAIN_MENU;
  uint32_t currentLevel = 0;
  std::vector<std::wstring> levelNames;
  std::vector<std::wstring> levelFiles;
  World world;
  std::unique_ptr<SpriteManager> spriteManager;
  Physics physics;
  std::unique_ptr<TileEventScript> tileEvents;
};
