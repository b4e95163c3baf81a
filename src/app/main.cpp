// The entry point: finds the content, builds the game from its data files, plays, cleans up.
#include "app/ContentFolder.h"
#include "app/Game.h"
#include "data/VexmoorDataLoader.h"
#include "game/HitPointDisplay.h"
#include "game/VexmoorKeyEventHandler.h"
#include "gui/GameGUI.h"
#include "gui/VexmoorButtonEventHandler.h"
#include "platform/GameInput.h"

int main(int, char**) {
  if (!ContentFolder::enter("data/VexmoorGameInit.txt", VEXMOOR_ASSETS_DIR)) return 1;
  if (!VexmoorDataLoader::checkGameConfiguration(L"data/VexmoorGameInit.txt")) return 1;

  // The loader lives until the process ends; the handlers outlive the game that refers to them.
  VexmoorDataLoader dataLoader;
  VexmoorButtonEventHandler buttonHandler;
  VexmoorKeyEventHandler keyHandler;
  HitPointDisplay hitPoints;
  // The game releases its audio and platform services, then its subsystems, when it goes.
  Game game;
  dataLoader.setWindowArguments(WindowArguments{});
  game.setDataLoader(&dataLoader);
  dataLoader.loadGame(game, L"data/VexmoorGameInit.txt");
  dataLoader.loadLevelList(game, L"data/levels/VexmoorGameLEVELSInit.txt");
  dataLoader.loadGUI(game, L"data/GUI/VexmoorGameGUIInit.txt");
  game.getGUI()->registerButtonEventHandler(&buttonHandler);
  game.getInput()->registerKeyHandler(&keyHandler);
  game.initAudio(L"music/Music.xwb", L"music/Music.xsb", L"music/SoundEffects.xwb", L"music/SoundEffects.xsb");
  game.setInitCallback([&hitPoints](Game& playing) { hitPoints.init(playing); });
  game.setFrameCallback([&hitPoints](Game& playing) { hitPoints.update(playing); });
  game.runGameLoop();
  return 0;
}
