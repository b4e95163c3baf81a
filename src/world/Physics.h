#pragma once

#include <cstdint>
#include <memory>

#include "world/ContactCollection.h"
#include "world/ContactRules.h"

class AnimatedSprite;
class ContactListener;
class Game;
class b2Body;
class b2World;
struct b2BodyDef;
struct b2FixtureDef;

// Binds the level's sprites and walls to the rigid-body world. One world unit is one pixel, so
// the library's own limit of 2 units of travel per step holds for pixels. A sprite body's user
// data is its sprite; wall bodies have none. A sprite's body, when it has one, always belongs to
// the current world: building a new world empties the handle of every sprite that held one.
class Physics {
 public:
  static constexpr float TIME_STEP = 1.0f / 60.0f;  // seconds
  static constexpr int32_t VELOCITY_ITERATIONS = 8;
  static constexpr int32_t POSITION_ITERATIONS = 3;
  static constexpr float TILE_HALF_EXTENT = 15.0f;  // pixels, whatever the tile size

  Physics();
  ~Physics();
  Physics(const Physics&) = delete;
  Physics& operator=(const Physics&) = delete;

  // The walls of the first world layer's collidable tiles, and the player's body.
  void createTileBodies(Game& game);
  void createBotBody(Game& game, AnimatedSprite& sprite);
  // As a bot, and swept against tunnelling; never collides with the player or other shots.
  void createProjectileBody(Game& game, AnimatedSprite& sprite);
  // Destroys the sprite's body, if it has one, and empties its handle.
  void destroyBody(AnimatedSprite& sprite);
  // One step: the player's velocity in, the contacts to the rules, positions and facing out.
  void updatePhysics(Game& game);
  // Replaces the world; every sprite that held a body of the old one is left without.
  void resetPhysicsWorld(Game& game);
  // The rules the contacts are handed to; without any, contacts have no game effect.
  void setContactRules(std::unique_ptr<ContactRules> newRules) { rules = std::move(newRules); }

  b2World& getWorld() { return *world; }
  ContactListener& getContactListener() { return *contactListener; }

 private:
  void createWorld();
  void releaseSpriteBodies();
  void createTileWalls(Game& game);
  void createPlayerBody(Game& game);
  b2Body* createSpriteBody(AnimatedSprite& sprite, const b2BodyDef& bodyDef, b2FixtureDef& fixtureDef);
  void collectContacts();
  void turnPlayerToCursor(Game& game, AnimatedSprite& player);

  std::unique_ptr<ContactListener> contactListener;
  std::unique_ptr<b2World> world;
  std::unique_ptr<ContactRules> rules;
  ContactCollection affected;
};
