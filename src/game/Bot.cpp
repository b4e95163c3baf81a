#include "game/Bot.h"

#include <box2d/box2d.h>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "sprites/SpriteManager.h"

Vector2D Bot::playerPosition(Game& game) {
  const SpriteProperties& player = game.getStateManager()->getSpriteManager()->getPlayer().getProperties();
  return {player.x, player.y};
}

void Bot::setBodyVelocity(Vector2D velocity) {
  if (body) body->SetLinearVelocity(b2Vec2(velocity.x, velocity.y));
}

void Bot::setVelocity(Vector2D velocity) {
  properties.setVelocity(velocity.x, velocity.y);
  setBodyVelocity(velocity);
}

void Bot::facePlayer(Game& game) { properties.rotation = (playerPosition(game) - getPosition()).angle(); }
