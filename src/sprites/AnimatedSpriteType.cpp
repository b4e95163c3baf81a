#include "sprites/AnimatedSpriteType.h"

void AnimatedSpriteType::appendFrame(const std::wstring& state, uint32_t imageId, uint32_t duration) {
  std::vector<uint32_t>& sequence = animationSequences[state];
  sequence.push_back(imageId);
  sequence.push_back(duration);
}

int32_t AnimatedSpriteType::getSequenceLength(const std::wstring& state) const {
  const auto found = animationSequences.find(state);
  return found == animationSequences.end() ? 0 : static_cast<int32_t>(found->second.size());
}

uint32_t AnimatedSpriteType::entry(const std::wstring& state, int32_t index, uint32_t fallback) const {
  const auto found = animationSequences.find(state);
  if (found == animationSequences.end() || index < 0 || static_cast<size_t>(index) >= found->second.size()) {
    return fallback;
  }
  return found->second[static_cast<size_t>(index)];
}
