#include "world/TileEventScript.h"

TileEventScript::TileEventScript()
    : eventMarker(newMarker()), objectiveOverlay(std::make_unique<OverlayImage>()) {}

std::unique_ptr<OverlayImage> TileEventScript::newMarker() {
  auto marker = std::make_unique<OverlayImage>();
  marker->width = 32;
  marker->height = 32;
  marker->alpha = 255;
  return marker;
}

int32_t TileEventScript::runScript(const std::string&) { return ++eventCounter; }

void TileEventScript::reset() {
  eventMarker = newMarker();
  eventCounter = 0;
  objectivePath.clear();
}
