#include "app/Game.h"

#include "app/GameStateManager.h"
#include "audio/GameAudio.h"
#include "graphics/GameGraphics.h"
#include "gui/GameGUI.h"
#include "platform/GameInput.h"
#include "platform/GameOS.h"
#include "platform/GameTimer.h"
#include "text/GameText.h"

Game::Game()
    : stateManager(std::make_unique<GameStateManager>()),
      gui(std::make_unique<GameGUI>()),
      text(std::make_unique<GameText>()) {}

Game::~Game() {
  releaseServices();
  stateManager.reset();
  gui.reset();
  text.reset();
}

void Game::setPlatformServices(std::unique_ptr<GameGraphics> newGraphics, std::unique_ptr<GameInput> newInput,
                               std::unique_ptr<GameOS> newOS, std::unique_ptr<GameTimer> newTimer) {
  graphics = std::move(newGraphics);
  input = std::move(newInput);
  os = std::move(newOS);
  timer = std::move(newTimer);
}

void Game::initAudio(const std::wstring& musicWaveBank, const std::wstring& musicSoundBank,
                     const std::wstring& effectsWaveBank, const std::wstring& effectsSoundBank) {
  audio = std::make_unique<GameAudio>(musicWaveBank, musicSoundBank, effectsWaveBank, effectsSoundBank);
}

void Game::releaseServices() {
  audio.reset();
  graphics.reset();
  input.reset();
  timer.reset();
  os.reset();
}

void Game::runGameLoop() {
  timer->resetTimer();
  initCallback(*this);
  while (stateManager->isAppActive()) {
    os->processOSMessages();
    input->processInput(*this);
    // The input step may have stopped the application: then this frame does nothing more.
    if (!stateManager->isAppActive()) continue;
    processGameLogic();
    frameCallback(*this);
    graphics->renderGame(*this);
    if (audio) audio->update();
  }
}

void Game::processGameLogic() {
  if (stateManager->isGameInProgress()) {
    stateManager->update(*this);
  } else if (stateManager->isLoadingLevel()) {
    stateManager->setCurrentState(GS_GAME_IN_PROGRESS);
  }
  if (TextGenerator* generator = text->getTextGenerator()) generator->updateText(*this);
  graphics->fillRenderLists(*this);
  timer->timeGameLoop();
}

void Game::startGame(const std::wstring& levelName) {
  stateManager->loadLevelByName(*this, levelName);
  if (audio) audio->stopMusicCue(audio->getMainMenuMusicCue());
}

void Game::quitGame() {
  stateManager->runLevelTeardown(*this);
  stateManager->setCurrentState(GS_MAIN_MENU);
}

void Game::reloadAllDevices() {
  if (graphics) graphics->reloadGraphics();
}

void Game::shutdown() {
  stateManager->goToExit();
  if (graphics) graphics->shutdown();
  if (input) input->shutdown();
  if (os) os->shutdown();
}
