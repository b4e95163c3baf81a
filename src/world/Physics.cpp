#include "world/Physics.h"

#include <algorithm>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "game/Bot.h"
#include "gui/GameGUI.h"
#include "platform/GameInput.h"
#include "sprites/SpriteManager.h"
#include "sprites/Vector2D.h"
#include "world/ContactListener.h"
#include "world/TiledLayer.h"

namespace {
// Shared by the player and every projectile, so a shot never hits its shooter or another shot.
constexpr int16_t PLAYER_AND_SHOTS_GROUP = -1;
constexpr float NO_SPIN_DAMPING = 999.0f;
// Keeps a sprite with no collision size from making a degenerate box.
constexpr float MIN_HALF_EXTENT = 0.5f;  // pixels

AnimatedSprite* spriteOf(b2Body& body) {
  return reinterpret_cast<AnimatedSprite*>(body.GetUserData().pointer);
}

// Walls have no mass and no sprite.
AnimatedSprite* spriteInContact(b2Fixture* fixture) {
  b2Body& body = *fixture->GetBody();
  return body.GetMass() > 0.0f ? spriteOf(body) : nullptr;
}

b2BodyDef spriteBodyDef(const SpriteProperties& properties) {
  b2BodyDef def;
  def.type = b2_dynamicBody;
  def.position.Set(properties.x, properties.y);
  def.angularDamping = NO_SPIN_DAMPING;
  def.fixedRotation = true;
  return def;
}

b2BodyDef botBodyDef(const SpriteProperties& properties) {
  b2BodyDef def = spriteBodyDef(properties);
  def.angle = properties.rotation;
  def.linearVelocity.Set(properties.velocityX, properties.velocityY);
  return def;
}

b2FixtureDef botFixtureDef() {
  b2FixtureDef def;
  def.density = 5.0f;
  def.friction = 0.1f;
  return def;
}

void copyBodyPosition(AnimatedSprite& sprite) {
  if (const b2Body* body = sprite.getBody()) {
    sprite.getProperties().setPosition(body->GetPosition().x, body->GetPosition().y);
  }
}
}  // namespace

Physics::Physics() { createWorld(); }

Physics::~Physics() = default;

void Physics::createWorld() {
  contactListener = std::make_unique<ContactListener>();
  world = std::make_unique<b2World>(b2Vec2(0.0f, 0.0f));  // seen from above: no gravity
  world->SetAllowSleeping(true);
  world->SetContactListener(contactListener.get());
}

void Physics::createTileBodies(Game& game) {
  createTileWalls(game);
  createPlayerBody(game);
}

void Physics::createTileWalls(Game& game) {
  const auto& layers = game.getStateManager()->getWorld().getLayers();
  const auto* tiles = layers.empty() ? nullptr : dynamic_cast<const TiledLayer*>(layers.front().get());
  if (!tiles) return;
  b2PolygonShape box;
  box.SetAsBox(TILE_HALF_EXTENT, TILE_HALF_EXTENT);
  for (int32_t column = 0; column < tiles->getColumns(); ++column) {
    for (int32_t row = 0; row < tiles->getRows(); ++row) {
      if (!tiles->getTile(row, column).collidable) continue;
      b2BodyDef def;
      // Centred on the tile's top-left corner, as sprite boxes are centred on theirs.
      def.position.Set(static_cast<float>(column * tiles->getTileWidth()),
                       static_cast<float>(row * tiles->getTileHeight()));
      world->CreateBody(&def)->CreateFixture(&box, 0.0f);
    }
  }
}

void Physics::createPlayerBody(Game& game) {
  AnimatedSprite& player = game.getStateManager()->getSpriteManager()->getPlayer();
  b2FixtureDef fixture;
  fixture.density = 1.0f;
  fixture.friction = 0.8f;
  fixture.filter.groupIndex = PLAYER_AND_SHOTS_GROUP;
  createSpriteBody(player, spriteBodyDef(player.getProperties()), fixture);
}

void Physics::createBotBody(Game&, AnimatedSprite& sprite) {
  b2FixtureDef fixture = botFixtureDef();
  createSpriteBody(sprite, botBodyDef(sprite.getProperties()), fixture);
}

void Physics::createProjectileBody(Game&, AnimatedSprite& sprite) {
  b2BodyDef body = botBodyDef(sprite.getProperties());
  body.bullet = true;
  b2FixtureDef fixture = botFixtureDef();
  fixture.filter.groupIndex = PLAYER_AND_SHOTS_GROUP;
  createSpriteBody(sprite, body, fixture);
}

b2Body* Physics::createSpriteBody(AnimatedSprite& sprite, const b2BodyDef& bodyDef, b2FixtureDef& fixtureDef) {
  // A sprite has one body: an earlier one of this world would otherwise stay behind as a ghost.
  destroyBody(sprite);
  b2BodyDef def = bodyDef;
  def.userData.pointer = reinterpret_cast<uintptr_t>(&sprite);
  b2Body* body = world->CreateBody(&def);
  const SpriteProperties& properties = sprite.getProperties();
  b2PolygonShape box;
  box.SetAsBox(std::max(MIN_HALF_EXTENT, properties.collisionWidth / 2.0f),
               std::max(MIN_HALF_EXTENT, properties.collisionHeight / 2.0f));
  fixtureDef.shape = &box;
  body->CreateFixture(&fixtureDef);
  sprite.setBody(body);
  return body;
}

void Physics::destroyBody(AnimatedSprite& sprite) {
  if (b2Body* body = sprite.getBody()) world->DestroyBody(body);
  sprite.setBody(nullptr);
}

void Physics::updatePhysics(Game& game) {
  SpriteManager& sprites = *game.getStateManager()->getSpriteManager();
  AnimatedSprite& player = sprites.getPlayer();
  if (b2Body* body = player.getBody()) {
    body->SetLinearVelocity(b2Vec2(player.getProperties().velocityX, player.getProperties().velocityY));
  }
  contactListener->clearContactPoints();
  world->Step(TIME_STEP, VELOCITY_ITERATIONS, POSITION_ITERATIONS);
  if (rules) {
    collectContacts();
    for (size_t i = 0; i < affected.size(); ++i) rules->applyContact(game, affected[i]);
  }
  copyBodyPosition(player);
  turnPlayerToCursor(game, player);
  player.getProperties().setVelocity(0.0f, 0.0f);  // the controls set it again next frame
  for (Bot* bot : sprites.getBots()) copyBodyPosition(*bot);
  if (rules) rules->afterStep(game);
}

void Physics::collectContacts() {
  affected.clear();
  const ContactPoint* points = contactListener->getContactPoints();
  for (int32_t i = 0; i < contactListener->getContactPointCount() && !affected.isFull(); ++i) {
    rules->collectContact(spriteInContact(points[i].fixtureA), spriteInContact(points[i].fixtureB), affected);
  }
  affected.makeDistinct();
}

void Physics::turnPlayerToCursor(Game& game, AnimatedSprite& player) {
  // Client pixels on top of the viewport's position; the screen offset is not taken off.
  const Viewport& viewport = game.getGUI()->getViewport();
  const MousePoint mouse = game.getInput()->getMousePoint();
  const Vector2D cursor{static_cast<float>(viewport.getViewportX() + mouse.x),
                        static_cast<float>(viewport.getViewportY() + mouse.y)};
  SpriteProperties& properties = player.getProperties();
  properties.rotation = (cursor - Vector2D{properties.x, properties.y}).angle();
}

void Physics::resetPhysicsWorld(Game&) {
  releaseSpriteBodies();
  world.reset();
  createWorld();
}

void Physics::releaseSpriteBodies() {
  for (b2Body* body = world->GetBodyList(); body; body = body->GetNext()) {
    AnimatedSprite* sprite = spriteOf(*body);
    if (sprite && sprite->getBody() == body) sprite->setBody(nullptr);
  }
}
