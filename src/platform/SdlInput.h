#pragma once

#include <memory>

#include "platform/GameInput.h"
#include "platform/InputStateSource.h"

// Polled keyboard and mouse. Reads its raw state from an InputStateSource: SDL's by default.
class SdlInput : public GameInput {
 public:
  SdlInput();
  explicit SdlInput(std::unique_ptr<InputStateSource> source);

  void updateKeyStates() override;
  void processInput(Game& game) override;
  void processMouse(Game& game) override;
  void shutdown() override {}
  MousePoint getMousePoint() const override { return mousePoint; }
  bool wasMouseClicked() const override { return mouseClicked; }

 private:
  void updateMousePoint(Game& game);

  std::unique_ptr<InputStateSource> source;
  MousePoint mousePoint;
  bool mouseClicked = false;  // a left click reached the GUI in the latest poll
};
