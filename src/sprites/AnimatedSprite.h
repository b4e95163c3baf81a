#pragma once

#include <cstdint>
#include <string>

#include "sprites/CollidableObject.h"

class AnimatedSpriteType;

// Everything that moves in a level: its physical record, its look and where it is in its
// animation.
class AnimatedSprite : public CollidableObject {
 public:
  AnimatedSpriteType* getSpriteType() const { return spriteType; }
  void setSpriteType(AnimatedSpriteType* type) { spriteType = type; }
  int32_t getAlpha() const { return alpha; }
  void setAlpha(int32_t value) { alpha = value; }
  const std::wstring& getCurrentState() const { return currentState; }
  void setCurrentState(const std::wstring& state) { currentState = state; }
  int16_t getKind() const { return kind; }
  void setKind(int16_t value) { kind = value; }
  bool isInvincible() const { return invincible; }
  void setInvincible(bool value) { invincible = value; }

 protected:
  AnimatedSpriteType* spriteType = nullptr;  // shared look, not owned
  int32_t alpha = 0;
  std::wstring currentState;
  int32_t frameIndex = 0;
  int32_t animationCounter = 0;
  int16_t kind = 0;
  bool invincible = false;
};
