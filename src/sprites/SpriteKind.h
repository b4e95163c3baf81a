#pragma once

#include <cstdint>

// What a sprite is. Game rules test this code, never the class.
namespace SpriteKind {
constexpr int16_t PLAYER = 0;
constexpr int16_t HELPER_BOT = 1;
constexpr int16_t PROJECTILE = 2;
constexpr int16_t RANDOM_FLOATING_BOT = 3;
constexpr int16_t STEALTH_BOT = 4;
}  // namespace SpriteKind
