#pragma once

#include <memory>

#include "sprites/AnimatedSprite.h"

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
};
