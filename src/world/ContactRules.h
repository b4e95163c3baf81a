#pragma once

class AnimatedSprite;
class ContactCollection;
class Game;

// The game's rules for what physical contacts do (hit points, removal, ammunition). The physics
// binding steps the world and reports to them; it knows nothing of the rules themselves.
class ContactRules {
 public:
  virtual ~ContactRules() = default;
  // One reported touching point between two bodies; a wall is null. Adds the sprites the contact
  // affects.
  virtual void collectContact(AnimatedSprite* a, AnimatedSprite* b, ContactCollection& affected) = 0;
  // Called once per step for each distinct affected sprite.
  virtual void applyContact(Game& game, AnimatedSprite& sprite) = 0;
  // After every sprite has taken its body's position: expiry of projectiles and the like.
  virtual void afterStep(Game& game) = 0;
};
