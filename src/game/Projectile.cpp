#include "game/Projectile.h"

#include "game/BotSetup.h"

std::unique_ptr<Bot> Projectile::clone() const {
  auto copy = std::make_unique<Projectile>(projectileSpeed);
  BotSetup::dress(*copy, spriteType, BotSetup::FULL_ALPHA, kind);
  return copy;
}

void Projectile::fire(float x1, float y1, float x2, float y2) {
  startPoint = {x1, y1};
  targetPoint = {x2, y2};
  direction = (targetPoint - startPoint).normalised();
  startPoint.x += (properties.collisionWidth + 5.0f) * direction.x;
  startPoint.y += (properties.collisionHeight + 5.0f) * direction.y;
  properties.setPosition(startPoint.x, startPoint.y);
  const Vector2D velocity = direction * projectileSpeed;
  properties.setVelocity(velocity.x, velocity.y);
  properties.rotation = direction.angle();
}

bool Projectile::ageOneStep() {
  if (lifetime == 0) return true;
  --lifetime;
  return false;
}
