#pragma once

#include <memory>
#include <vector>

#include "gui/Button.h"
#include "gui/OverlayImage.h"

class ButtonEventHandler;
class Game;
class RenderList;

// One GUI screen: images drawn first, then buttons, each in the order added.
class ScreenGUI {
 public:
  void addButton(std::unique_ptr<Button> button);
  // The screen owns this image.
  void addOverlayImage(std::unique_ptr<OverlayImage> image);
  // An image owned elsewhere that outlives the screen (the objective overlay of the tile events):
  // whatever its owner changes in it shows on the screen.
  void addOverlayImage(OverlayImage& image);

  void registerButtonEventHandler(ButtonEventHandler* handler);
  void updateMouseOver(int32_t mouseX, int32_t mouseY);
  // Fires the first button under the mouse, only that one; false when none is.
  bool fireButtonCommand(Game& game);
  void addRenderItemsToRenderList(RenderList& list) const;

  const std::vector<std::unique_ptr<Button>>& getButtons() const { return buttons; }
  const std::vector<OverlayImage*>& getOverlayImages() const { return overlayImages; }

 private:
  std::vector<std::unique_ptr<Button>> buttons;
  std::vector<OverlayImage*> overlayImages;  // drawing order; points into ownedImages or elsewhere
  std::vector<std::unique_ptr<OverlayImage>> ownedImages;
};
