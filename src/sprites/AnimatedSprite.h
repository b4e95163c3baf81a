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
  // Restarts the animation at the first frame, even when the state is unchanged.
  void setCurrentState(const std::wstring& state);
  int32_t getFrameIndex() const { return frameIndex; }
  int16_t getKind() const { return kind; }
  void setKind(int16_t value) { kind = value; }
  bool isInvincible() const { return invincible; }
  void setInvincible(bool value) { invincible = value; }

  // One game frame of animation: a frame of duration d is shown for d game frames, then the
  // next; after the last the sequence starts again. A duration of 0 is never left.
  void updateSprite();
  void changeFrame();
  // The image to draw now; 0xFFFFFFFF without a type.
  uint32_t getCurrentImageId() const;

 protected:
  AnimatedSpriteType* spriteType = nullptr;  // shared look, not owned
  int32_t alpha = 0;
  std::wstring currentState;
  int32_t frameIndex = 0;  // of the image id in the state's sequence; always even
  int32_t animationCounter = 0;  // game frames the current frame has been shown
  int16_t kind = 0;
  bool invincible = false;
};
