#pragma once

#include <cstdint>
#include <string>

class AnimatedSpriteType;
class Bot;

// How every bot is dressed when it is made or taken into play.
namespace BotSetup {
inline const std::wstring FLOATING_STATE = L"FLOATING_STATE";
constexpr float SIZE = 32.0f;  // collision width and height, pixels
constexpr int32_t FULL_ALPHA = 255;

// The look (type, "FLOATING_STATE", alpha, kind) and a fresh physical record: 32 x 32 collision
// box, facing 0, no acceleration. Position and velocity are left as they are.
void dress(Bot& bot, AnimatedSpriteType* type, int32_t alpha, int16_t kind);
}  // namespace BotSetup
