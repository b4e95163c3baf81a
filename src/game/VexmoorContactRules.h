#pragma once

#include <cstdint>
#include <vector>

#include "world/ContactRules.h"

class Bot;
class Projectile;
class HelperBot;

// What contacts do in Vexmoor: shots end at their first contact and hurt enemies, enemies hurt
// the player and helpers, the dead go back to the bot factory and enemy kills refill the player's
// ammunition reserve. After each step, spent shots expire and helpers that strayed too far from
// the player go back to their pool.
class VexmoorContactRules : public ContactRules {
 public:
  static constexpr int16_t SHOT_DAMAGE_FLOATING = 25;
  static constexpr int16_t SHOT_DAMAGE_STEALTH = 10;
  static constexpr int16_t HELPER_DAMAGE = 10;
  static constexpr int16_t PLAYER_DAMAGE = 5;
  static constexpr uint16_t KILL_REWARD = 30;      // rounds added to the reserve
  static constexpr uint16_t STEALTH_DRAIN = 10;    // rounds a stealth bot takes from the reserve
  static constexpr float HELPER_LEASH = 352.0f;    // pixels from the player

  void collectContact(AnimatedSprite* a, AnimatedSprite* b, ContactCollection& affected) override;
  void applyContact(Game& game, AnimatedSprite& sprite) override;
  void afterStep(Game& game) override;

 private:
  static void hitRandomFloatingBot(Game& game, AnimatedSprite& sprite);
  static void hitStealthBot(Game& game, AnimatedSprite& sprite);
  static void hitHelper(Game& game, AnimatedSprite& sprite);
  static void hitPlayer(Game& game, AnimatedSprite& sprite);
  static void retireHelper(Game& game, AnimatedSprite& helper);

  // Kept between steps so the per-step passes do not allocate.
  std::vector<Projectile*> expired;
  std::vector<HelperBot*> strayed;
};
