#include "gui/ScreenGUI.h"

#include <utility>

#include "graphics/RenderList.h"

void ScreenGUI::addButton(std::unique_ptr<Button> button) { buttons.push_back(std::move(button)); }

void ScreenGUI::addOverlayImage(std::unique_ptr<OverlayImage> image) {
  overlayImages.push_back(image.get());
  ownedImages.push_back(std::move(image));
}

void ScreenGUI::addOverlayImage(OverlayImage& image) { overlayImages.push_back(&image); }

void ScreenGUI::registerButtonEventHandler(ButtonEventHandler* handler) {
  for (const auto& button : buttons) button->setEventHandler(handler);
}

void ScreenGUI::updateMouseOver(int32_t mouseX, int32_t mouseY) {
  for (const auto& button : buttons) button->updateMouseOver(mouseX, mouseY);
}

bool ScreenGUI::fireButtonCommand(Game& game) {
  for (const auto& button : buttons) {
    if (button->isMouseOver()) {
      button->fireEvent(game);
      return true;
    }
  }
  return false;
}

void ScreenGUI::addRenderItemsToRenderList(RenderList& list) const {
  for (const OverlayImage* image : overlayImages) {
    list.addRenderItem(image->imageId, image->x, image->y, image->z, image->alpha, image->width, image->height);
  }
  for (const auto& button : buttons) button->addRenderItemToRenderList(list);
}
