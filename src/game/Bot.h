#pragma once

#include <memory>

#include "sprites/AnimatedSprite.h"
#include "sprites/Vector2D.h"

class Game;

// A computer-controlled sprite: a projectile, a helper or an enemy. Bots belong to the bot
// factory; the sprite manager only lists the active ones.
class Bot : public AnimatedSprite {
 public:
  virtual ~Bot() = default;
  // One game frame of behaviour; may add bots to the sprite manager's list.
  virtual void think(Game& game) = 0;
  // A fresh bot of the same class and configuration, in no list and without a body.
  virtual std::unique_ptr<Bot> clone() const = 0;

  Vector2D getPosition() const { return {properties.x, properties.y}; }

 protected:
  static Vector2D playerPosition(Game& game);
  // Pixels per second, on the body only (when it has one); the properties keep theirs.
  void setBodyVelocity(Vector2D velocity);
  // Pixels per second, in the properties and on the body.
  void setVelocity(Vector2D velocity);
  // Turns the facing towards the player; facing 0 when standing on the player's position.
  void facePlayer(Game& game);
};
