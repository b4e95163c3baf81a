#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "app/GameState.h"
#include "gui/Cursor.h"
#include "gui/ScreenGUI.h"
#include "world/Viewport.h"

class Game;
class ButtonEventHandler;

// The screen shown in each game state, the cursor and the viewport. Which screen is live follows
// from the state manager's current state alone.
class GameGUI {
 public:
  // Owns the screen; a second screen for the same state replaces (and releases) the first.
  void addScreenGUI(GameState state, std::unique_ptr<ScreenGUI> screen);
  // The screen of a state, or nothing when the state has none.
  ScreenGUI* getScreen(GameState state) const;
  const std::map<GameState, std::unique_ptr<ScreenGUI>>& getScreens() const { return screens; }
  void setCursor(std::unique_ptr<Cursor> newCursor) { cursor = std::move(newCursor); }
  Cursor* getCursor() { return cursor.get(); }
  Viewport& getViewport() { return viewport; }
  // Gives the handler (not owned) to every button present now; screens added later get none.
  void registerButtonEventHandler(ButtonEventHandler* handler);
  void updateMouseOver(int32_t mouseX, int32_t mouseY, GameState state);
  // Fires the button under the mouse on the current state's screen; false when none fired.
  bool checkCurrentScreenForAction(Game& game);
  // Back to front: the current screen's images, its buttons, then the cursor (also while exiting).
  void addRenderItemsToRenderList(Game& game);

 private:
  std::map<GameState, std::unique_ptr<ScreenGUI>> screens;
  std::unique_ptr<Cursor> cursor;
  Viewport viewport;
};
