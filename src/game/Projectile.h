#pragma once

#include <cstdint>
#include <memory>

#include "game/Bot.h"
#include "sprites/Vector2D.h"

// A shot: flies straight on its body's velocity until its first contact or until its lifetime
// runs out.
class Projectile : public Bot {
 public:
  static constexpr float DEFAULT_SPEED = 2400.0f;  // pixels per second
  static constexpr int16_t POOL_LIFETIME = 100;     // physics steps

  Projectile() = default;
  // The form the factory's pool is filled with.
  explicit Projectile(float speed) : projectileSpeed(speed), lifetime(POOL_LIFETIME) {}

  // Flight needs no thought: the body carries the projectile.
  void think(Game&) override {}
  std::unique_ptr<Bot> clone() const override;

  // Aims from the shooter at (x1, y1) towards (x2, y2): starts one collision size plus 5 pixels
  // along the shot, and sets velocity and facing. A target on the start point gives velocity 0
  // and facing 0.
  void fire(float x1, float y1, float x2, float y2);

  Vector2D getDirection() const { return direction; }
  Vector2D getStartPoint() const { return startPoint; }
  Vector2D getTargetPoint() const { return targetPoint; }
  float getProjectileSpeed() const { return projectileSpeed; }
  void setProjectileSpeed(float speed) { projectileSpeed = speed; }
  int16_t getLifetime() const { return lifetime; }
  void setLifetime(int16_t steps) { lifetime = steps; }
  // One physics step of flight: true once the lifetime is used up (the step after it reached 0).
  bool ageOneStep();

 private:
  Vector2D direction;
  Vector2D startPoint;
  Vector2D targetPoint;
  float projectileSpeed = DEFAULT_SPEED;  // pixels per second along direction
  int16_t lifetime = 0;                   // physics steps left before it expires
};
