#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Game.h"
#include "app/GameState.h"
#include "data/VexmoorDataLoader.h"
#include "graphics/RenderItem.h"
#include "gui/VexmoorButtonEventHandler.h"

// A game for GUI tests: a hidden SDL window, the software renderer with real texture managers,
// input played from a script of frames through the input seam, and a fake clock that never sleeps.
// Button commands go to the game's own handler and are logged with the state they left behind.
class GuiTestGame {
 public:
  // What the mouse does in one frame; afterFrame runs at the end of that frame (after drawing's
  // render lists are filled), e.g. to put the game into a state no button reaches.
  struct Step {
    int32_t x = 0;
    int32_t y = 0;
    bool leftDown = false;
    std::function<void(Game&)> afterFrame;
  };
  // What one frame that ran its logic left: the state and the GUI render list's items.
  struct Frame {
    GameState state;
    std::vector<RenderItem> guiItems;
  };
  struct Command {
    std::wstring command;
    GameState stateAfter;
  };

  GuiTestGame();
  ~GuiTestGame();
  GuiTestGame(const GuiTestGame&) = delete;
  GuiTestGame& operator=(const GuiTestGame&) = delete;

  Game& game() { return *theGame; }
  VexmoorDataLoader& loader() { return dataLoader; }
  // Enters the shipped assets folder (left again on destruction), loads the level list and the
  // GUI, and registers the button handler.
  void loadShippedContent();
  void registerHandler();
  // Runs the real main loop over the steps; the game shuts down after the last one.
  void play(std::vector<Step> steps);
  const std::vector<Frame>& frames() const { return recordedFrames; }
  const std::vector<Command>& commands() const { return handler.log; }
  // The GUI's render items for the current state, as the renderer would get them now.
  std::vector<RenderItem> guiItemsNow();

 private:
  class ScriptedInput;
  class LoggingHandler : public ButtonEventHandler {
   public:
    void handleButtonEvents(Game& game, const std::wstring& command) override;
    std::vector<Command> log;

   private:
    VexmoorButtonEventHandler vexmoor;
  };

  void onFrame(Game& game);
  const Step& currentStep() const;

  VexmoorDataLoader dataLoader;
  LoggingHandler handler;  // outlives the game, as in the entry point
  std::filesystem::path previousDirectory;
  std::vector<Step> steps;
  size_t stepIndex = 0;
  std::vector<Frame> recordedFrames;
  uint32_t clockMillis = 1000;
  std::unique_ptr<Game> theGame;
};
