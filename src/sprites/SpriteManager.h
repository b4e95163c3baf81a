#pragma once

#include "sprites/AnimatedSprite.h"

class Game;

// The player and the level's bots.
class SpriteManager {
 public:
  AnimatedSprite& getPlayer() { return player; }
  void update(Game& game);
  void unloadSprites();
  void addSpriteItemsToRenderList(Game& game);

 private:
  AnimatedSprite player;
};
