#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "game/BotRecycler.h"
#include "game/Flock.h"
#include "sprites/AnimatedSprite.h"

class AnimatedSpriteType;
class Bot;
class Game;
class RenderList;
class Viewport;

// The sprites of the running level: the player, the active bots and projectiles in insertion
// order (which decides drawing, thinking and mouse-hit order), the registry of sprite types and
// the mouse selection. Bots and types are not owned.
class SpriteManager {
 public:
  static inline const std::wstring MOUSE_TEXT_NAME = L"SpriteManagerCalcMouse";

  AnimatedSprite& getPlayer() { return player; }
  const std::list<Bot*>& getBots() const { return bots; }
  void addBot(Bot& bot) { bots.push_back(&bot); }
  // Takes the bot out of the list; null when it was not listed.
  Bot* removeBot(Bot& bot);
  // Empties the list and the flock; the bots themselves are left as they are. A helper still
  // following when the level is left loses its body with the old physics world, so the flock
  // must not steer it any longer.
  void unloadSprites() {
    bots.clear();
    flock.clear();
  }
  Flock& getFlock() { return flock; }
  BotRecycler& getBotRecycler() { return botRecycler; }
  // Returns the type's index in the registry.
  int32_t addSpriteType(AnimatedSpriteType& type);
  // Null outside the registry.
  AnimatedSpriteType* getSpriteType(size_t index) const;
  // Compared with null only: they may refer to a bot that has gone back to its pool.
  const AnimatedSprite* getSelectedSprite() const { return selectedSprite; }
  const AnimatedSprite* getMouseOverSprite() const { return mouseOverSprite; }

  // Mouse selection, animation of the player and the bots, then every bot's thinking (a bot
  // added while the bots think is reached later in the same pass), then the flock's steering.
  void update(Game& game);
  // The visible bots in list order, then the player over them; only while a level is loaded.
  void addSpriteItemsToRenderList(Game& game);
  void calcMouse(Game& game);

 private:
  static void addSpriteToRenderList(const AnimatedSprite& sprite, RenderList& list, const Viewport& viewport);
  // Cursor within the sprite's collision box, edges included.
  static bool isUnderMouse(const AnimatedSprite& sprite, int32_t mouseX, int32_t mouseY);

  std::vector<AnimatedSpriteType*> spriteTypes;
  std::list<Bot*> bots;
  AnimatedSprite player;
  BotRecycler botRecycler;  // not used by the game's rules
  Flock flock;
  const AnimatedSprite* selectedSprite = nullptr;   // last sprite clicked; kept across frames
  const AnimatedSprite* mouseOverSprite = nullptr;  // sprite under the cursor this frame
};
