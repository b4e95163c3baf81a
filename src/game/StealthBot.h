#pragma once

#include <cstdint>
#include <memory>

#include "game/RoamingBot.h"

// The stealthy enemy: its opacity follows its position, it chases within 500 pixels, and while
// weak it creeps up on the player, nearly invisible, for a limited number of frames in its life.
class StealthBot : public RoamingBot {
 public:
  static constexpr float CHASE_RADIUS = 500.0f;  // pixels
  static constexpr int16_t WEAK_HIT_POINTS = 30;  // lurks below this
  static constexpr uint32_t LURK_BUDGET = 1800;   // game frames
  static constexpr int32_t LURK_ALPHA = 50;

  StealthBot();
  StealthBot(float x, float y);

  void think(Game& game) override;
  std::unique_ptr<Bot> clone() const override;
  // Sets the opacity from the position first: half the sum of the player's and the bot's
  // coordinates, at most 255, so the bot is faint only near the world's top-left corner.
  bool isPlayerNear(Game& game);
  // One frame of creeping towards the player at 20 pixels per second.
  void lurk(Game& game);

  uint32_t getLurkFrames() const { return lurkFrames; }
  void setLurkFrames(uint32_t frames) { lurkFrames = frames; }

 private:
  uint32_t lurkFrames = LURK_BUDGET;
};
