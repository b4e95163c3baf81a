#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "sprites/AnimatedSprite.h"
#include "sprites/AnimatedSpriteType.h"
#include "sprites/Vector2D.h"

namespace {

constexpr float PI = std::numbers::pi_v<float>;

TEST(Vector2D, AngleIsMeasuredFromPlusXTowardsPlusYAndZeroForAZeroVector) {
  struct Case {
    Vector2D v;
    float angle;
  };
  const std::vector<Case> cases = {
      {{1, 0}, 0.0f},        {{0, 1}, PI / 2},       {{0, -50}, -PI / 2},  {{-3, 0}, PI},
      {{2, 2}, PI / 4},      {{-1, -1}, -3 * PI / 4}, {{0, 0}, 0.0f},       {{1e-30f, 0}, 0.0f},
      {{3, 1e-7f}, 0.0f},    {{-7, -1e-7f}, -PI},
  };
  for (const Case& c : cases) {
    const float angle = c.v.angle();
    EXPECT_FALSE(std::isnan(angle)) << c.v.x << "," << c.v.y;
    EXPECT_NEAR(angle, c.angle, 1e-5f) << c.v.x << "," << c.v.y;
  }
}

TEST(Vector2D, ArithmeticNormalisingAndSigns) {
  const Vector2D a{3, -4};
  EXPECT_FLOAT_EQ(a.length(), 5.0f);
  EXPECT_FLOAT_EQ(a.normalised().x, 0.6f);
  EXPECT_FLOAT_EQ(a.normalised().y, -0.8f);
  EXPECT_FLOAT_EQ(Vector2D{}.normalised().x, 0.0f);
  EXPECT_FLOAT_EQ(a.dot({2, 1}), 2.0f);
  const Vector2D sum = a + Vector2D{1, 1} - Vector2D{0, 2};
  EXPECT_FLOAT_EQ(sum.x, 4.0f);
  EXPECT_FLOAT_EQ(sum.y, -5.0f);
  EXPECT_FLOAT_EQ((a * 2.0f).y, -8.0f);
  const Vector2D sign = Vector2D{-0.001f, 0.0f}.componentSign();
  EXPECT_FLOAT_EQ(sign.x, -1.0f);
  EXPECT_FLOAT_EQ(sign.y, 0.0f);
  EXPECT_FLOAT_EQ((Vector2D{7, -2}.componentSign().y), -1.0f);
}

// The image shown after setCurrentState and after each of the following updates.
std::vector<uint32_t> imagesShown(const std::vector<uint32_t>& sequence, int updates) {
  AnimatedSpriteType type;
  type.addAnimationSequence(L"S");
  for (size_t i = 0; i + 1 < sequence.size(); i += 2) type.appendFrame(L"S", sequence[i], sequence[i + 1]);
  AnimatedSprite sprite;
  sprite.setSpriteType(&type);
  sprite.setCurrentState(L"S");
  std::vector<uint32_t> shown{sprite.getCurrentImageId()};
  for (int i = 0; i < updates; ++i) {
    sprite.updateSprite();
    shown.push_back(sprite.getCurrentImageId());
  }
  return shown;
}

TEST(AnimatedSprite, ShowsEachFrameForItsDurationAndWraps) {
  EXPECT_EQ(imagesShown({7, 3}, 7), (std::vector<uint32_t>{7, 7, 7, 7, 7, 7, 7, 7}));
  EXPECT_EQ(imagesShown({7, 2, 8, 1}, 6), (std::vector<uint32_t>{7, 7, 8, 7, 7, 8, 7}));
  EXPECT_EQ(imagesShown({7, 1, 8, 0}, 5), (std::vector<uint32_t>{7, 8, 8, 8, 8, 8}));
}

TEST(AnimatedSprite, WrapsAfterTheLastFrameAndRestartsOnEverySetCurrentState) {
  AnimatedSpriteType type;
  type.addAnimationSequence(L"S");
  type.appendFrame(L"S", 7, 3);
  EXPECT_EQ(type.getSequenceLength(L"S"), 2);
  AnimatedSprite sprite;
  sprite.setSpriteType(&type);
  sprite.setCurrentState(L"S");
  sprite.updateSprite();
  sprite.updateSprite();
  EXPECT_EQ(sprite.getFrameIndex(), 0);
  // Setting the same state again starts the count afresh: two more updates do not reach 3.
  sprite.setCurrentState(L"S");
  sprite.updateSprite();
  sprite.updateSprite();
  EXPECT_EQ(sprite.getCurrentImageId(), 7u);
  type.appendFrame(L"S", 8, 5);
  sprite.updateSprite();
  EXPECT_EQ(sprite.getCurrentImageId(), 8u);  // the restart counted from zero again
  EXPECT_EQ(sprite.getFrameIndex(), 2);
}

TEST(AnimatedSpriteType, ReAddingASequenceEmptiesItAndMissingEntriesAreHarmless) {
  AnimatedSpriteType type;
  type.addAnimationSequence(L"S");
  type.appendFrame(L"S", 7, 3);
  type.appendFrame(L"S", 8, 4);
  EXPECT_EQ(type.getImageId(L"S", 2), 8u);
  EXPECT_EQ(type.getFrameDuration(L"S", 2), 4u);
  type.addAnimationSequence(L"S");
  EXPECT_EQ(type.getSequenceLength(L"S"), 0);
  EXPECT_EQ(type.getImageId(L"S", 0), 0xFFFFFFFFu);
  EXPECT_EQ(type.getFrameDuration(L"S", 0), 0u);
  EXPECT_EQ(type.getSequenceLength(L"OTHER"), 0);
  // A sprite in a state its type lacks stays on an image that draws nothing.
  AnimatedSprite sprite;
  sprite.setSpriteType(&type);
  sprite.setCurrentState(L"OTHER");
  for (int i = 0; i < 3; ++i) sprite.updateSprite();
  EXPECT_EQ(sprite.getFrameIndex(), 0);
  EXPECT_EQ(sprite.getCurrentImageId(), 0xFFFFFFFFu);
  type.appendFrame(L"S", 9, 1);
  EXPECT_EQ(type.getImageId(L"S", 0), 9u);
}

}  // namespace
