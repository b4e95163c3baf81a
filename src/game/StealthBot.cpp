#include "game/StealthBot.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float LURK_FACTOR = 0.0005f;
}  // namespace

StealthBot::StealthBot() : RoamingBot(10, 100, 200) {}

StealthBot::StealthBot(float x, float y) : StealthBot() { placeAndSeed(x, y); }

void StealthBot::think(Game& game) {
  if (properties.hitPoints < WEAK_HIT_POINTS && lurkFrames != 0) {
    lurk(game);
    return;
  }
  chaseOrWander(game, isPlayerNear(game));
}

std::unique_ptr<Bot> StealthBot::clone() const { return std::make_unique<StealthBot>(); }

bool StealthBot::isPlayerNear(Game& game) {
  const Vector2D player = playerPosition(game);
  const float sum = std::fabs(player.x + properties.x) + std::fabs(player.y + properties.y);
  alpha = static_cast<int32_t>(std::min(sum / 2.0f, 255.0f));
  return isPlayerWithin(game, CHASE_RADIUS);
}

void StealthBot::lurk(Game& game) {
  --lurkFrames;
  alpha = LURK_ALPHA;
  headForPlayer(game, LURK_FACTOR);
}
