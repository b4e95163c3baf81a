#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// What all sprites of one sort share: the drawn size and, per named animation state, a flat
// sequence of pairs (image id of the world texture manager, game frames the image is shown).
class AnimatedSpriteType {
 public:
  // Registry index in the sprite manager; -1 for a type that is never registered (the player's).
  int32_t getSpriteTypeId() const { return spriteTypeId; }
  void setSpriteTypeId(int32_t id) { spriteTypeId = id; }
  void setDimensions(int32_t width, int32_t height) {
    textureWidth = width;
    textureHeight = height;
  }
  int32_t getTextureWidth() const { return textureWidth; }
  int32_t getTextureHeight() const { return textureHeight; }

  // Starts the state's sequence afresh, empty; an earlier sequence of the state is dropped.
  void addAnimationSequence(const std::wstring& state) { animationSequences[state].clear(); }
  void appendFrame(const std::wstring& state, uint32_t imageId, uint32_t duration);
  // A state or index with no entry yields image 0xFFFFFFFF (draws nothing) and duration 0
  // (never advances), so a badly set up type cannot crash a frame.
  uint32_t getImageId(const std::wstring& state, int32_t index) const { return entry(state, index, NO_IMAGE); }
  uint32_t getFrameDuration(const std::wstring& state, int32_t index) const { return entry(state, index + 1, 0); }
  // Twice the number of frames.
  int32_t getSequenceLength(const std::wstring& state) const;

 private:
  static constexpr uint32_t NO_IMAGE = 0xFFFFFFFF;
  uint32_t entry(const std::wstring& state, int32_t index, uint32_t fallback) const;

  int32_t spriteTypeId = -1;
  std::map<std::wstring, std::vector<uint32_t>> animationSequences;
  int32_t textureHeight = 0;  // pixels
  int32_t textureWidth = 0;   // pixels
};
