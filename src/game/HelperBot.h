#pragma once

#include <cstdint>
#include <memory>

#include "game/Bot.h"

// The player's friend: shoots the nearest enemy within 160 pixels, otherwise follows the player
// in the flock.
class HelperBot : public Bot {
 public:
  static constexpr float TARGET_RANGE_FACTOR = 5.0f;  // enemies within this many collision widths
  static constexpr int16_t FIRE_COOLDOWN = 18;        // game frames between shots
  static constexpr int16_t SHOT_LIFETIME = 200;       // physics steps
  static constexpr float SHOT_SPEED = 100.0f;         // pixels per second

  explicit HelperBot(int32_t speed) : configuredSpeed(speed) {}
  HelperBot(int32_t speed, float x, float y);

  void think(Game& game) override;
  std::unique_ptr<Bot> clone() const override { return std::make_unique<HelperBot>(configuredSpeed); }

  // The nearest enemy (the first of equally near ones), or null when it is further than
  // TARGET_RANGE_FACTOR collision widths.
  Bot* findNearestEnemy(Game& game) const;
  // Leaves the flock and shoots the enemy when in range, else walks towards it.
  void attackEnemy(Game& game, Bot& enemy);
  // A shot towards the point unless the cooldown still runs.
  void fireAt(Game& game, Vector2D targetPosition);
  // Joins the flock, which steers it, and faces the player.
  void followPlayer(Game& game);

  // Only the game's bookkeeping: no behaviour reads it.
  int32_t getConfiguredSpeed() const { return configuredSpeed; }
  bool isEngaged() const { return engaged; }
  int16_t getFireCooldown() const { return fireCooldown; }
  void setFireCooldown(int16_t frames) { fireCooldown = frames; }
  // Compared with null only: it may have gone back to its pool.
  const Bot* getTarget() const { return target; }
  void disengage() {
    engaged = false;
    target = nullptr;
  }

 private:
  int32_t configuredSpeed;
  bool engaged = false;
  int16_t fireCooldown = 0;        // game frames until it may shoot; shoots at 0 or below
  int32_t attackRangeFactor = 25;  // shooting range in collision widths
  Bot* target = nullptr;           // the enemy attacked; not owned
};
