#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "game/RoamingBot.h"

// The common enemy: wanders, and chases the player within 300 pixels on both axes.
class RandomFloatingBot : public RoamingBot {
 public:
  static constexpr float CHASE_RADIUS = 300.0f;  // pixels

  // Equal bounds widen the longest leg by 100 frames; reversed bounds are swapped.
  RandomFloatingBot(uint32_t minimum, uint32_t maximum, uint32_t magnitude);
  RandomFloatingBot(uint32_t minimum, uint32_t maximum, uint32_t magnitude, float x, float y);

  void think(Game& game) override;
  std::unique_ptr<Bot> clone() const override;
  bool isPlayerNear(Game& game) const { return isPlayerWithin(game, CHASE_RADIUS); }
  // What it shouts as it dies.
  static const std::wstring& getExclamation();
};
