#include "sprites/AnimatedSprite.h"

#include "sprites/AnimatedSpriteType.h"

void AnimatedSprite::setCurrentState(const std::wstring& state) {
  currentState = state;
  frameIndex = 0;
  animationCounter = 0;
}

void AnimatedSprite::updateSprite() {
  if (!spriteType) return;
  const uint32_t duration = spriteType->getFrameDuration(currentState, frameIndex);
  ++animationCounter;
  if (static_cast<uint32_t>(animationCounter) == duration) changeFrame();
}

void AnimatedSprite::changeFrame() {
  animationCounter = 0;
  frameIndex += 2;
  if (spriteType && frameIndex == spriteType->getSequenceLength(currentState)) frameIndex = 0;
}

uint32_t AnimatedSprite::getCurrentImageId() const {
  return spriteType ? spriteType->getImageId(currentState, frameIndex) : 0xFFFFFFFF;
}
