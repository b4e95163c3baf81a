#pragma once

#include <cstdint>
#include <string>

#include "gui/OverlayImage.h"

class ButtonEventHandler;
class Game;
class RenderList;

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
  // The mouse-over image while the mouse is inside, the normal one otherwise.
  void addRenderItemToRenderList(RenderList& list) const;

  uint32_t getNormalTextureId() const { return image.imageId; }
  uint32_t getMouseOverTextureId() const { return mouseOverTextureId; }
  int32_t getX() const { return image.x; }
  int32_t getY() const { return image.y; }
  int32_t getZ() const { return image.z; }
  int32_t getAlpha() const { return image.alpha; }
  int32_t getWidth() const { return image.width; }
  int32_t getHeight() const { return image.height; }
  bool isMouseOver() const { return mouseOver; }
  const std::wstring& getCommand() const { return command; }
  ButtonEventHandler* getEventHandler() const { return eventHandler; }

 private:
  OverlayImage image;  // the normal image and where the button is
  uint32_t mouseOverTextureId = 0;
  bool mouseOver = false;
  std::wstring command;
  ButtonEventHandler* eventHandler = nullptr;
};
