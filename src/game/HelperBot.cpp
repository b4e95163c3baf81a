#include "game/HelperBot.h"

#include <limits>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "game/BotFactory.h"
#include "game/Projectile.h"
#include "sprites/SpriteKind.h"
#include "sprites/SpriteManager.h"

namespace {
bool isEnemy(const Bot& bot) {
  return bot.getKind() == SpriteKind::RANDOM_FLOATING_BOT || bot.getKind() == SpriteKind::STEALTH_BOT;
}

SpriteManager& spritesOf(Game& game) { return *game.getStateManager()->getSpriteManager(); }
}  // namespace

HelperBot::HelperBot(int32_t speed, float x, float y) : HelperBot(speed) { properties.setPosition(x, y); }

void HelperBot::think(Game& game) {
  if (fireCooldown > std::numeric_limits<int16_t>::min()) --fireCooldown;
  if (Bot* enemy = findNearestEnemy(game)) {
    attackEnemy(game, *enemy);
  } else {
    followPlayer(game);
  }
}

Bot* HelperBot::findNearestEnemy(Game& game) const {
  Bot* nearest = nullptr;
  float best = 0.0f;
  for (Bot* bot : spritesOf(game).getBots()) {
    if (!isEnemy(*bot)) continue;
    const float distance = (bot->getPosition() - getPosition()).length();
    if (!nearest || distance < best) {
      nearest = bot;
      best = distance;
    }
  }
  return nearest && best <= TARGET_RANGE_FACTOR * properties.collisionWidth ? nearest : nullptr;
}

void HelperBot::attackEnemy(Game& game, Bot& enemy) {
  engaged = true;
  target = &enemy;
  spritesOf(game).getFlock().removeMember(*this);
  const Vector2D offset = enemy.getPosition() - getPosition();
  if (static_cast<float>(attackRangeFactor) * properties.collisionWidth > offset.length()) {
    fireAt(game, enemy.getPosition());
  } else {
    setVelocity(offset.normalised() * properties.speed);
  }
  properties.rotation = offset.angle();
}

void HelperBot::fireAt(Game& game, Vector2D targetPosition) {
  const Vector2D start =
      getPosition() + (targetPosition - getPosition()).normalised() * (properties.collisionWidth + 1.0f);
  if (fireCooldown > 0) return;
  Projectile& shot = getBotFactory(game).createProjectileFrom(SHOT_SPEED, start.x, start.y, targetPosition.x,
                                                             targetPosition.y);
  shot.setLifetime(SHOT_LIFETIME);
  spritesOf(game).addBot(shot);
  fireCooldown = FIRE_COOLDOWN;
}

void HelperBot::followPlayer(Game& game) {
  disengage();
  spritesOf(game).getFlock().addMember(*this);
  facePlayer(game);
}
