#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/GameDataLoader.h"
#include "platform/WindowArguments.h"
#include "world/Tile.h"
#include "sprites/AnimatedSpriteType.h"

class GameGraphics;
class GameGUI;
class TextureManager;

// Builds Vexmoor from its data files: the window and services, the level list, the GUI screens
// and each level's contents.
class VexmoorDataLoader : public GameDataLoader {
 public:
  void setWindowArguments(const WindowArguments& arguments) { windowArguments = arguments; }

  void loadGame(Game& game, std::wstring initFileName) override;
  void loadGUI(Game& game, std::wstring initFileName) override;
  // A level's tiles, fog, player, bots and event tile; installs the game's contact rules and runs
  // the level's tile-event script once. Missing files leave those parts of the level empty.
  void loadWorld(Game& game, std::wstring levelInitFileName) override;

  void loadLevelList(Game& game, std::wstring levelListFileName);

  // The steps of a level load, in the order loadWorld takes them.
  void loadTiledLayer(Game& game, std::wstring fileName);
  // Registers the tile images in key order. Returns, for each grid value, the tile it stands for:
  // its texture id and whether it is a wall.
  std::vector<Tile> loadTileTextures(Game& game, std::wstring textureFileName, std::wstring collidableFileName);
  void loadFogOfWar(Game& game, int32_t numColumns, int32_t numRows, std::wstring imagePath);
  void loadPlayer(Game& game, std::wstring fileName);
  void loadBots(Game& game, std::wstring fileName);
  void loadEvents(Game& game, std::wstring fileName);
  void loadColors(GameGraphics& graphics, PropertyMap& properties);
  void loadViewport(GameGUI& gui, PropertyMap& properties);

  // The GUI screens and the cursor; images go through the renderer's GUI texture manager.
  void loadCursor(Game& game, TextureManager& textureManager, std::wstring fileName);
  void loadMainMenu(Game& game, TextureManager& textureManager, std::wstring fileName);
  void loadControlsScreen(Game& game, TextureManager& textureManager, std::wstring fileName);
  void loadAboutScreen(Game& game, TextureManager& textureManager, std::wstring fileName);
  void loadInGameScreen(GameGUI& gui);
  // The pause screen, and the game-over and end screens built from its numbers.
  void loadPauseScreens(Game& game, TextureManager& textureManager, std::wstring fileName);
  void loadObjectiveScreen(Game& game, TextureManager& textureManager, std::wstring fileName);

  // Whether the game configuration exists and has a usable screen size; one line on stderr
  // naming the file when not.
  static bool checkGameConfiguration(const std::wstring& initFileName);

 private:
  WindowArguments windowArguments;
  std::unique_ptr<AnimatedSpriteType> playerType;  // the running level's player look
};
