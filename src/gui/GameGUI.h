#pragma once

#include <cstdint>
#include <memory>

#include "app/GameState.h"
#include "gui/Cursor.h"
#include "world/Viewport.h"

class Game;
class ButtonEventHandler;

// The screens shown for each game state, the cursor and the viewport.
class GameGUI {
 public:
  void setCursor(std::unique_ptr<Cursor> newCursor) { cursor = std::move(newCursor); }
  Cursor* getCursor() { return cursor.get(); }
  Viewport& getViewport() { return viewport; }
  void registerButtonEventHandler(ButtonEventHandler* handler) { buttonHandler = handler; }
  void updateMouseOver(int32_t mouseX, int32_t mouseY, GameState state);
  void checkCurrentScreenForAction(Game& game);
  void addRenderItemsToRenderList(Game& game);

 private:
  std::unique_ptr<Cursor> cursor;
  Viewport viewport;
  ButtonEventHandler* buttonHandler = nullptr;  // not owned
};
