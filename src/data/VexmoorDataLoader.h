#pragma once

#include <string>

#include "data/GameDataLoader.h"
#include "platform/WindowArguments.h"

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
  void loadWorld(Game& game, std::wstring levelInitFileName) override;

  void loadLevelList(Game& game, std::wstring levelListFileName);
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
};
