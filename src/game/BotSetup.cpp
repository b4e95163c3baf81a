#include "game/BotSetup.h"

#include "game/Bot.h"

void BotSetup::dress(Bot& bot, AnimatedSpriteType* type, int32_t alpha, int16_t kind) {
  bot.setSpriteType(type);
  bot.setCurrentState(FLOATING_STATE);
  bot.setAlpha(alpha);
  bot.setKind(kind);
  SpriteProperties& properties = bot.getProperties();
  properties.collisionWidth = SIZE;
  properties.collisionHeight = SIZE;
  properties.rotation = 0.0f;
  properties.accelerationX = 0.0f;
  properties.accelerationY = 0.0f;
}
