#pragma once

#include <cstdint>
#include <string>

class ButtonEventHandler;
class Game;

// A clickable image on a GUI screen. It shows its mouse-over image while the mouse is inside its
// rectangle and hands its command to the button handler when clicked.
class Button {
 public:
  void initButton(uint32_t normalTextureId, uint32_t mouseOverTextureId, int32_t x, int32_t y, int32_t z,
                  int32_t alpha, int32_t width, int32_t height, bool mouseOver, std::wstring command);
  // The handler is not owned; it outlives every button (the entry point keeps it).
  void setEventHandler(ButtonEventHandler* handler) { eventHandler = handler; }
  // Client-area pixels; both edges of the rectangle count as inside.
  void updateMouseOver(int32_t mouseX, int32_t mouseY);
  void fireEvent(Game& game);

  uint32_t getNormalTextureId() const { return normalTextureId; }
  uint32_t getMouseOverTextureId() const { return mouseOverTextureId; }
  int32_t getX() const { return x; }
  int32_t getY() const { return y; }
  int32_t getZ() const { return z; }
  int32_t getAlpha() const { return alpha; }
  int32_t getWidth() const { return width; }
  int32_t getHeight() const { return height; }
  bool isMouseOver() const { return mouseOver; }
  const std::wstring& getCommand() const { return command; }
  ButtonEventHandler* getEventHandler() const { return eventHandler; }

 private:
  uint32_t normalTextureId = 0;
  uint32_t mouseOverTextureId = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t z = 0;
  int32_t alpha = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool mouseOver = false;
  std::wstring command;
  ButtonEventHandler* eventHandler = nullptr;
};
