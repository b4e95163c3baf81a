#include "game/Flock.h"

#include <box2d/box2d.h>

#include "sprites/AnimatedSprite.h"
#include "sprites/Vector2D.h"

namespace {
Vector2D positionOf(const AnimatedSprite& sprite) { return {sprite.getProperties().x, sprite.getProperties().y}; }

Vector2D velocityOf(const AnimatedSprite& sprite) {
  return {sprite.getProperties().velocityX, sprite.getProperties().velocityY};
}

void steer(AnimatedSprite& sprite, Vector2D velocity) {
  sprite.getProperties().setVelocity(velocity.x, velocity.y);
  if (b2Body* body = sprite.getBody()) body->SetLinearVelocity(b2Vec2(velocity.x, velocity.y));
}

// Where the flock heads: one second of the player's current velocity ahead of it.
Vector2D targetPoint(const AnimatedSprite& player) { return positionOf(player) + velocityOf(player); }
}  // namespace

void Flock::updateFlock(const AnimatedSprite& player) {
  seek(player);
  repel(player);
  separate();
  makeWay(player);
}

void Flock::seek(const AnimatedSprite& player) {
  const Vector2D target = targetPoint(player);
  for (AnimatedSprite* member : members) {
    const Vector2D towards = target - positionOf(*member);
    if (towards.length() > ARRIVAL_RADIUS) steer(*member, (towards + velocityOf(*member)).normalised() * CRUISING_SPEED);
  }
}

void Flock::repel(const AnimatedSprite& player) {
  const Vector2D target = targetPoint(player);
  for (AnimatedSprite* member : members) {
    const Vector2D away = positionOf(*member) - target;
    const float distance = away.length();
    if (distance == 0.0f) continue;
    const Vector2D push = away.normalised() * (REPULSION_STRENGTH / distance);
    steer(*member, (push + velocityOf(*member)).normalised() * CRUISING_SPEED);
  }
}

void Flock::separate() {
  for (AnimatedSprite* member : members) {
    const Vector2D position = positionOf(*member);
    Vector2D push;
    for (const AnimatedSprite* other : members) {
      const Vector2D away = position - positionOf(*other);
      const float distance = away.length();
      if (distance > 0.0f && distance <= SEPARATION_RADIUS) push = push + away.normalised() * (SEPARATION_STRENGTH / distance);
    }
    steer(*member, (push + velocityOf(*member)).normalised() * CRUISING_SPEED);
  }
}

void Flock::makeWay(const AnimatedSprite& player) {
  const Vector2D playerVelocity = velocityOf(player);
  if (playerVelocity.length() < MINIMUM_PLAYER_SPEED) return;
  const Vector2D heading = playerVelocity.normalised();
  for (AnimatedSprite* member : members) {
    const Vector2D offset = positionOf(*member) - positionOf(player);
    const float ahead = offset.dot(heading);
    if (ahead < 0.0f || ahead > LOOK_AHEAD) continue;
    const Vector2D aside = offset - heading * ahead;
    if (aside.length() <= SIDE_BAND) steer(*member, aside.normalised() * SIDE_STEP_SPEED);
  }
}
