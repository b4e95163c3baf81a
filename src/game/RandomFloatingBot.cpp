#include "game/RandomFloatingBot.h"

#include <array>
#include <cstdlib>

namespace {
uint32_t shortestLeg(uint32_t minimum, uint32_t maximum) { return maximum >= minimum ? minimum : maximum; }

uint32_t longestLeg(uint32_t minimum, uint32_t maximum) {
  if (maximum == minimum) return maximum + 100u;
  return maximum > minimum ? maximum : minimum;
}
}  // namespace

RandomFloatingBot::RandomFloatingBot(uint32_t minimum, uint32_t maximum, uint32_t magnitude)
    : RoamingBot(shortestLeg(minimum, maximum), longestLeg(minimum, maximum), magnitude) {}

RandomFloatingBot::RandomFloatingBot(uint32_t minimum, uint32_t maximum, uint32_t magnitude, float x, float y)
    : RandomFloatingBot(minimum, maximum, magnitude) {
  placeAndSeed(x, y);
}

void RandomFloatingBot::think(Game& game) { chaseOrWander(game, isPlayerNear(game)); }

std::unique_ptr<Bot> RandomFloatingBot::clone() const {
  return std::make_unique<RandomFloatingBot>(minCycles, maxCycles, velocityMagnitude);
}

const std::wstring& RandomFloatingBot::getExclamation() {
  static const std::array<std::wstring, 5> exclamations{L"WHY?!", L"NOO", L"Ahh~", L"SALVATION", L"Arrgh!"};
  return exclamations[static_cast<size_t>(std::rand() % 5)];
}
