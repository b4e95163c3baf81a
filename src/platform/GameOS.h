#pragma once

// The window and its event pump.
class GameOS {
 public:
  virtual ~GameOS() = default;
  // Handles at most one pending window event.
  virtual void processOSMessages() = 0;
  // Asks the window to close; the game has already been told to stop.
  virtual void shutdown() = 0;
};
