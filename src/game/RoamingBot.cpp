#include "game/RoamingBot.h"

#include <cmath>
#include <cstdlib>
#include <ctime>

namespace {
constexpr float CHASE_FACTOR = 0.03f;
// rand() is read as a number in 0..32767 whatever the library's own range.
constexpr int32_t RANDOM_SPAN = 32768;
constexpr double WANDER_TURNS = 10.0 * 3.1415927;  // radians covered by the random range
}  // namespace

void RoamingBot::placeAndSeed(float x, float y) {
  properties.setPosition(x, y);
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  pickRandomCycles();
}

void RoamingBot::pickRandomCycles() {
  cyclesRemaining = static_cast<uint32_t>(std::rand()) % (maxCycles - minCycles + 1u) + minCycles;
}

void RoamingBot::pickRandomVelocity() {
  const double theta = (std::rand() % RANDOM_SPAN) / 32767.0 * WANDER_TURNS;
  const auto magnitude = static_cast<double>(velocityMagnitude);
  setBodyVelocity({static_cast<float>(magnitude * std::sin(theta)), static_cast<float>(magnitude * std::cos(theta))});
}

bool RoamingBot::isPlayerWithin(Game& game, float radius) const {
  const Vector2D player = playerPosition(game);
  return properties.x != player.x && std::fabs(player.x - properties.x) < radius &&
         std::fabs(player.y - properties.y) < radius;
}

void RoamingBot::headForPlayer(Game& game, float factor) {
  const auto magnitude = static_cast<float>(velocityMagnitude);
  const Vector2D signs = (playerPosition(game) - getPosition()).componentSign();
  setBodyVelocity(signs.normalised() * magnitude * (factor * magnitude));
}

void RoamingBot::chasePlayer(Game& game) { headForPlayer(game, CHASE_FACTOR); }

void RoamingBot::chaseOrWander(Game& game, bool playerNear) {
  if (playerNear) {
    chasePlayer(game);
    facePlayer(game);
  } else if (cyclesRemaining != 0) {
    --cyclesRemaining;
  } else {
    pickRandomVelocity();
    pickRandomCycles();
  }
}
