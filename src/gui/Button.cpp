#include "gui/Button.h"

#include <utility>

#include "graphics/RenderList.h"
#include "gui/ButtonEventHandler.h"

void Button::initButton(uint32_t normalId, uint32_t mouseOverId, int32_t left, int32_t top, int32_t depth,
                        int32_t opacity, int32_t drawnWidth, int32_t drawnHeight, bool isMouseOver,
                        std::wstring buttonCommand) {
  image = OverlayImage{normalId, left, top, depth, opacity, drawnWidth, drawnHeight};
  mouseOverTextureId = mouseOverId;
  mouseOver = isMouseOver;
  command = std::move(buttonCommand);
}

void Button::updateMouseOver(int32_t mouseX, int32_t mouseY) {
  // 64-bit sums: a rectangle near the top of the int range must not wrap around.
  const int64_t right = int64_t{image.x} + image.width;
  const int64_t bottom = int64_t{image.y} + image.height;
  mouseOver = image.x <= mouseX && mouseX <= right && image.y <= mouseY && mouseY <= bottom;
}

void Button::fireEvent(Game& game) {
  if (eventHandler) eventHandler->handleButtonEvents(game, command);
}

void Button::addRenderItemToRenderList(RenderList& list) const {
  list.addRenderItem(mouseOver ? mouseOverTextureId : image.imageId, image.x, image.y, image.z, image.alpha,
                     image.width, image.height);
}
