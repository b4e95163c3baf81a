#include "game/VexmoorContactRules.h"

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "game/BotFactory.h"
#include "game/HelperBot.h"
#include "game/Projectile.h"
#include "game/RandomFloatingBot.h"
#include "game/StealthBot.h"
#include "sprites/SpriteKind.h"
#include "sprites/SpriteManager.h"
#include "text/Dialog.h"
#include "text/GameText.h"
#include "world/ContactCollection.h"

namespace {
constexpr int32_t SHOUT_RED = 255, SHOUT_GREEN = 50, SHOUT_BLUE = 40, SHOUT_ALPHA = 255;

SpriteManager& spritesOf(Game& game) { return *game.getStateManager()->getSpriteManager(); }

bool isPair(int16_t kindA, int16_t kindB, int16_t first, int16_t second) {
  return (kindA == first && kindB == second) || (kindA == second && kindB == first);
}

// The one of the two sprites of that kind, and the other one.
AnimatedSprite& ofKind(AnimatedSprite& a, AnimatedSprite& b, int16_t kind) { return a.getKind() == kind ? a : b; }
AnimatedSprite& notOfKind(AnimatedSprite& a, AnimatedSprite& b, int16_t kind) { return a.getKind() == kind ? b : a; }

// The listed bot that is this sprite; null when it is not in play.
Bot* listedBot(SpriteManager& sprites, const AnimatedSprite& sprite) {
  for (Bot* bot : sprites.getBots()) {
    if (static_cast<const AnimatedSprite*>(bot) == &sprite) return bot;
  }
  return nullptr;
}

// Out of play and back to the factory. Only a bot in play, of the factory's class for its kind,
// is taken, so nothing is pooled twice: the kind code decides the rule, the class the pool.
template <typename BotClass>
void retire(Game& game, AnimatedSprite& sprite, void (BotFactory::*recycle)(BotClass&)) {
  SpriteManager& sprites = spritesOf(game);
  auto* bot = dynamic_cast<BotClass*>(listedBot(sprites, sprite));
  if (!bot) return;
  sprites.removeBot(*bot);
  (getBotFactory(game).*recycle)(*bot);
}

void reward(Game& game) {
  spritesOf(game).getPlayer().getProperties().ammoReserve += VexmoorContactRules::KILL_REWARD;
}
}  // namespace

void VexmoorContactRules::collectContact(AnimatedSprite* a, AnimatedSprite* b, ContactCollection& affected) {
  using namespace SpriteKind;
  for (AnimatedSprite* sprite : {a, b}) {
    if (sprite && sprite->getKind() == PROJECTILE) affected.add(*sprite);
  }
  if (!a || !b) return;
  const int16_t kindA = a->getKind();
  const int16_t kindB = b->getKind();
  if (isPair(kindA, kindB, PLAYER, RANDOM_FLOATING_BOT)) {
    affected.add(ofKind(*a, *b, PLAYER));
  } else if (isPair(kindA, kindB, PROJECTILE, RANDOM_FLOATING_BOT) || isPair(kindA, kindB, PROJECTILE, STEALTH_BOT)) {
    // The projectile was collected above.
    affected.add(notOfKind(*a, *b, PROJECTILE));
  } else if (isPair(kindA, kindB, HELPER_BOT, RANDOM_FLOATING_BOT) || isPair(kindA, kindB, HELPER_BOT, PROJECTILE)) {
    affected.add(ofKind(*a, *b, HELPER_BOT));
  } else if (isPair(kindA, kindB, PLAYER, STEALTH_BOT)) {
    AnimatedSprite& player = ofKind(*a, *b, PLAYER);
    affected.add(player);
    // The reserve is a multiple of 10 that never drops below 0.
    uint16_t& reserve = player.getProperties().ammoReserve;
    if (reserve != 0) reserve -= STEALTH_DRAIN;
  }
}

void VexmoorContactRules::applyContact(Game& game, AnimatedSprite& sprite) {
  switch (sprite.getKind()) {
    case SpriteKind::RANDOM_FLOATING_BOT:
      hitRandomFloatingBot(game, sprite);
      break;
    case SpriteKind::STEALTH_BOT:
      hitStealthBot(game, sprite);
      break;
    case SpriteKind::HELPER_BOT:
      hitHelper(game, sprite);
      break;
    case SpriteKind::PROJECTILE:
      retire(game, sprite, &BotFactory::recycleProjectile);
      break;
    case SpriteKind::PLAYER:
      hitPlayer(game, sprite);
      break;
    default:
      break;
  }
}

void VexmoorContactRules::hitRandomFloatingBot(Game& game, AnimatedSprite& sprite) {
  int16_t& hitPoints = sprite.getProperties().hitPoints;
  hitPoints -= SHOT_DAMAGE_FLOATING;
  if (hitPoints > 0) return;
  Dialog& dialog = game.getText()->getDialog();
  dialog.sayNextChatLine(game);
  dialog.showSpriteDialog(game, sprite, RandomFloatingBot::getExclamation(), SHOUT_RED, SHOUT_GREEN, SHOUT_BLUE,
                          SHOUT_ALPHA);
  retire(game, sprite, &BotFactory::recycleRandomFloatingBot);
  reward(game);
}

void VexmoorContactRules::hitStealthBot(Game& game, AnimatedSprite& sprite) {
  int16_t& hitPoints = sprite.getProperties().hitPoints;
  hitPoints -= SHOT_DAMAGE_STEALTH;
  if (hitPoints > 0) return;
  retire(game, sprite, &BotFactory::recycleStealthBot);
  reward(game);
}

void VexmoorContactRules::hitHelper(Game& game, AnimatedSprite& sprite) {
  int16_t& hitPoints = sprite.getProperties().hitPoints;
  if (hitPoints > 0) {
    hitPoints -= HELPER_DAMAGE;
    return;
  }
  retireHelper(game, sprite);
}

void VexmoorContactRules::hitPlayer(Game& game, AnimatedSprite& sprite) {
  int16_t& hitPoints = sprite.getProperties().hitPoints;
  if (!sprite.isInvincible()) hitPoints -= PLAYER_DAMAGE;
  if (hitPoints <= 0) game.getStateManager()->setCurrentState(GS_GAME_OVER);
}

void VexmoorContactRules::retireHelper(Game& game, AnimatedSprite& helper) {
  spritesOf(game).getFlock().removeMember(helper);
  retire(game, helper, &BotFactory::recycleHelperBot);
}

void VexmoorContactRules::afterStep(Game& game) {
  SpriteManager& sprites = spritesOf(game);
  const Vector2D player = {sprites.getPlayer().getProperties().x, sprites.getPlayer().getProperties().y};
  expired.clear();
  for (Bot* bot : sprites.getBots()) {
    auto* shot = bot->getKind() == SpriteKind::PROJECTILE ? dynamic_cast<Projectile*>(bot) : nullptr;
    if (shot && shot->ageOneStep()) expired.push_back(shot);
  }
  for (Projectile* shot : expired) retire(game, *shot, &BotFactory::recycleProjectile);
  strayed.clear();
  for (Bot* bot : sprites.getBots()) {
    auto* helper = bot->getKind() == SpriteKind::HELPER_BOT ? dynamic_cast<HelperBot*>(bot) : nullptr;
    if (helper && (helper->getPosition() - player).length() > HELPER_LEASH) strayed.push_back(helper);
  }
  for (HelperBot* helper : strayed) retireHelper(game, *helper);
}
