#pragma once

#include <functional>
#include <memory>
#include <string>

class GameStateManager;
class GameGUI;
class GameText;
class GameDataLoader;
class GameGraphics;
class GameInput;
class GameOS;
class GameTimer;
class GameAudio;

// The hub: owns the state manager, the GUI, the text, the platform services and the audio, and
// runs the main loop. Everything else reaches the rest of the game through it.
class Game {
 public:
  using Callback = std::function<void(Game&)>;

  Game();
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  GameStateManager* getStateManager() { return stateManager.get(); }
  GameGUI* getGUI() { return gui.get(); }
  GameText* getText() { return text.get(); }
  GameDataLoader* getDataLoader() { return dataLoader; }
  GameGraphics* getGraphics() { return graphics.get(); }
  GameInput* getInput() { return input.get(); }
  GameOS* getOS() { return os.get(); }
  GameTimer* getTimer() { return timer.get(); }
  GameAudio* getAudio() { return audio.get(); }

  // The loader outlives the game; the game only refers to it.
  void setDataLoader(GameDataLoader* loader) { dataLoader = loader; }
  void setPlatformServices(std::unique_ptr<GameGraphics> newGraphics, std::unique_ptr<GameInput> newInput,
                           std::unique_ptr<GameOS> newOS, std::unique_ptr<GameTimer> newTimer);
  void initAudio(const std::wstring& musicWaveBank, const std::wstring& musicSoundBank,
                 const std::wstring& effectsWaveBank, const std::wstring& effectsSoundBank);
  void setInitCallback(Callback callback) { initCallback = std::move(callback); }
  void setFrameCallback(Callback callback) { frameCallback = std::move(callback); }

  // Runs frames until the application stops being active.
  void runGameLoop();
  void processGameLogic();
  void startGame(const std::wstring& levelName);
  void quitGame();
  void reloadAllDevices();
  void shutdown();
  // Releases the audio and the platform services; the renderer goes before the window it draws in.
  void releaseServices();

 private:
  std::unique_ptr<GameStateManager> stateManager;
  std::unique_ptr<GameGUI> gui;
  std::unique_ptr<GameText> text;
  GameDataLoader* dataLoader = nullptr;
  std::unique_ptr<GameGraphics> graphics;
  std::unique_ptr<GameInput> input;
  std::unique_ptr<GameOS> os;
  std::unique_ptr<GameTimer> timer;
  std::unique_ptr<GameAudio> audio;
  Callback initCallback;
  Callback frameCallback;
};
