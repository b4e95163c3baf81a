#include "platform/SdlInput.h"

#include <algorithm>
#include <utility>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "graphics/GameGraphics.h"
#include "gui/Cursor.h"
#include "gui/GameGUI.h"
#include "platform/KeyEventHandler.h"
#include "platform/SdlInputStateSource.h"

SdlInput::SdlInput() : SdlInput(std::make_unique<SdlInputStateSource>()) {}

SdlInput::SdlInput(std::unique_ptr<InputStateSource> stateSource) : source(std::move(stateSource)) {}

void SdlInput::updateKeyStates() {
  std::array<bool, KeyCodes::COUNT> down{};
  source->readKeys(down);
  applyKeyStates(down);
}

void SdlInput::processInput(Game& game) {
  updateMousePoint(game);
  updateKeyStates();
  if (keyHandler) keyHandler->handleKeyEvents(game);
  processMouse(game);
}

void SdlInput::updateMousePoint(Game& game) {
  MousePoint point = source->readMouse();
  if (const GameGraphics* graphics = game.getGraphics()) {
    point.x = std::clamp(point.x, 0, std::max(0, graphics->getScreenWidth() - 1));
    point.y = std::clamp(point.y, 0, std::max(0, graphics->getScreenHeight() - 1));
  }
  mousePoint = point;
  if (Cursor* cursor = game.getGUI()->getCursor()) {
    cursor->setX(point.x);
    cursor->setY(point.y);
  }
}

void SdlInput::processMouse(Game& game) {
  GameGUI* gui = game.getGUI();
  gui->updateMouseOver(mousePoint.x, mousePoint.y, game.getStateManager()->getCurrentState());
  if (source->isLeftButtonDown() && keys[KeyCodes::LEFT_BUTTON].isFirstPress) {
    gui->checkCurrentScreenForAction(game);
    mouseClicked = true;
  } else {
    mouseClicked = false;
  }
}
