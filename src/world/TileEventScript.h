#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/OverlayImage.h"

// Runs a level's objective script and holds the current event marker and objective image.
class TileEventScript {
 public:
  TileEventScript();
  int32_t runScript(const std::string& path);
  void reset();
  OverlayImage* getEventMarker() { return eventMarker.get(); }
  OverlayImage* getObjectiveOverlay() { return objectiveOverlay.get(); }
  std::wstring getObjectivePath() const { return objectivePath; }
  int32_t getEventCounter() const { return eventCounter; }

 private:
  static std::unique_ptr<OverlayImage> newMarker();

  int32_t eventCounter = 0;
  std::unique_ptr<OverlayImage> eventMarker;
  std::unique_ptr<OverlayImage> objectiveOverlay;
  std::wstring objectivePath;
};
