#include <gtest/gtest.h>

#include <deque>

#include "game/Flock.h"
#include "sprites/AnimatedSprite.h"
#include "sprites/Vector2D.h"

namespace {

struct FlockTest : ::testing::Test {
  AnimatedSprite& member(float x, float y, float vx = 0.0f, float vy = 0.0f) {
    AnimatedSprite& sprite = sprites.emplace_back();
    sprite.getProperties().setPosition(x, y);
    sprite.getProperties().setVelocity(vx, vy);
    flock.addMember(sprite);
    return sprite;
  }
  static Vector2D velocity(const AnimatedSprite& sprite) {
    return {sprite.getProperties().velocityX, sprite.getProperties().velocityY};
  }
  void expectVelocity(const AnimatedSprite& sprite, Vector2D expected) {
    EXPECT_NEAR(sprite.getProperties().velocityX, expected.x, 1e-3f);
    EXPECT_NEAR(sprite.getProperties().velocityY, expected.y, 1e-3f);
  }

  std::deque<AnimatedSprite> sprites;
  AnimatedSprite player;
  Flock flock;
};

TEST_F(FlockTest, AMemberWithinArrivalKeepsItsVelocityThenIsPushedOffTheTarget) {
  player.getProperties().setPosition(100.0f, 100.0f);
  AnimatedSprite& near = member(130.0f, 100.0f, 0.0f, 10.0f);
  flock.updateFlock(player);
  // Not sought (within 40); repelled by 1200 / 30 = 40 along +x on top of its own (0, 10).
  expectVelocity(near, Vector2D{40.0f, 10.0f}.normalised() * 50.0f);
  flock.removeMember(near);
  // Exactly on the target: not repelled.
  AnimatedSprite& onTarget = member(100.0f, 100.0f, 0.0f, 10.0f);
  flock.updateFlock(player);
  expectVelocity(onTarget, {0.0f, 50.0f});
}

TEST_F(FlockTest, MembersPushEachOtherAt192PixelsButNotAt192AndAHalf) {
  player.getProperties().setPosition(0.0f, 0.0f);
  AnimatedSprite& alone = member(-96.0f, 1000.0f);
  flock.updateFlock(player);
  const Vector2D solo = velocity(alone);
  for (const auto& [gap, pushed] : {std::pair<float, bool>{192.0f, true}, {192.5f, false}}) {
    alone.getProperties().setPosition(-96.0f, 1000.0f);
    alone.getProperties().setVelocity(0.0f, 0.0f);
    AnimatedSprite& partner = member(-96.0f + gap, 1000.0f);
    flock.updateFlock(player);
    EXPECT_EQ(velocity(alone).x < solo.x - 0.05f, pushed) << gap;
    if (!pushed) {
      EXPECT_NEAR(velocity(alone).x, solo.x, 1e-4f);
    }
    flock.removeMember(partner);
  }
}

TEST_F(FlockTest, AMemberJustAheadOfAMovingPlayerSideStepsOthersDoNot) {
  player.getProperties().setPosition(0.0f, 0.0f);
  player.getProperties().setVelocity(200.0f, 0.0f);
  AnimatedSprite& ahead = member(50.0f, 20.0f);
  AnimatedSprite& behind = member(-10.0f, -300.0f);
  flock.updateFlock(player);
  expectVelocity(ahead, {0.0f, 60.0f});
  EXPECT_NEAR(velocity(behind).length(), 50.0f, 1e-3f);

  player.getProperties().setVelocity(5.0f, 0.0f);  // below 10: standing
  ahead.getProperties().setPosition(50.0f, 20.0f);
  flock.updateFlock(player);
  EXPECT_NEAR(velocity(ahead).length(), 50.0f, 1e-3f);
}

TEST_F(FlockTest, AMemberAddedTwiceAndRemovedOnceIsOut) {
  AnimatedSprite& sprite = member(0.0f, 0.0f);
  flock.addMember(sprite);
  EXPECT_EQ(flock.size(), 1u);
  flock.removeMember(sprite);
  EXPECT_FALSE(flock.isMember(sprite));
  flock.updateFlock(player);  // empty: nothing to steer
}

}  // namespace
