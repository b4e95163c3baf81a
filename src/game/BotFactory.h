#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "sprites/AnimatedSpriteType.h"

class Bot;
class Game;
class HelperBot;
class Physics;
class Projectile;
class RandomFloatingBot;
class StealthBot;

// Makes every bot and projectile of the game and takes them back when they leave play. It owns
// every object it has made until the program ends; the pools (idle objects, oldest first) and the
// sprite manager's list only refer to them. Pooled objects have no physics body.
class BotFactory {
 public:
  static constexpr size_t PROJECTILE_BATCH = 256;
  static constexpr size_t HELPER_BATCH = 1;
  static constexpr size_t RANDOM_FLOATING_BATCH = 25;
  static constexpr size_t STEALTH_BATCH = 10;

  BotFactory();
  ~BotFactory();
  BotFactory(const BotFactory&) = delete;
  BotFactory& operator=(const BotFactory&) = delete;

  // The game whose sprite manager, textures and physics the factory works with.
  void setGame(Game& newGame) { game = &newGame; }

  // At every level load: the four types again (registered anew with the sprite manager) and a
  // further batch of each kind in its pool.
  void buildAllTypesAndPools();
  // The player's shot from (x1, y1) towards (x2, y2): speed 2400, lifetime 50.
  Projectile& createProjectile(float x1, float y1, float x2, float y2);
  // A shot of the given speed (pixels per second) and lifetime 30.
  Projectile& createProjectileFrom(float speed, float x1, float y1, float x2, float y2);
  // A pooled helper keeps its own configured speed; the argument only serves one built new.
  HelperBot& createHelperBot(Game& game, int32_t configuredSpeed, float x, float y);
  // The cycles and magnitude are not used: a bot built new gets 2, 20, 180, a pooled one keeps
  // its own.
  RandomFloatingBot& createRandomFloatingBot(Physics& physics, int32_t minCycles, int32_t maxCycles,
                                             int32_t magnitude, int32_t x, int32_t y);
  StealthBot& createStealthBot(Physics& physics, int32_t x, int32_t y);

  // Destroy the body and put the object at the back of its pool. The caller has taken it out of
  // the sprite manager's list (and a helper out of the flock).
  void recycleProjectile(Projectile& projectile);
  void recycleHelperBot(HelperBot& helper);
  void recycleRandomFloatingBot(RandomFloatingBot& bot);
  void recycleStealthBot(StealthBot& bot);

  // Idle helpers: how many more the player may summon.
  size_t helperPoolSize() const { return helperPool.size(); }
  size_t projectilePoolSize() const { return projectilePool.size(); }
  size_t randomFloatingPoolSize() const { return randomFloatingPool.size(); }
  size_t stealthPoolSize() const { return stealthPool.size(); }
  const AnimatedSpriteType& getProjectileType() const { return projectileType; }
  const AnimatedSpriteType& getHelperType() const { return helperType; }
  const AnimatedSpriteType& getRandomFloatingType() const { return randomFloatingType; }
  const AnimatedSpriteType& getStealthType() const { return stealthType; }

 private:
  void buildType(AnimatedSpriteType& type, const std::wstring& imagePath);
  template <typename BotClass>
  BotClass& own(std::unique_ptr<BotClass> bot);
  template <typename BotClass, typename Make>
  void fillPool(std::list<BotClass*>& pool, size_t count, Make make);
  template <typename BotClass, typename Make>
  BotClass& take(std::list<BotClass*>& pool, Make make);
  Projectile& launch(float speed, int16_t lifetime, float x1, float y1, float x2, float y2);
  template <typename BotClass>
  BotClass& placeEnemy(Physics& physics, BotClass& bot, AnimatedSpriteType& type, int32_t alpha, int16_t kind,
                       int32_t x, int32_t y);
  template <typename BotClass>
  void recycle(std::list<BotClass*>& pool, BotClass& bot);

  std::list<Projectile*> projectilePool;
  AnimatedSpriteType projectileType;
  std::list<HelperBot*> helperPool;
  AnimatedSpriteType helperType;
  std::list<RandomFloatingBot*> randomFloatingPool;
  AnimatedSpriteType randomFloatingType;
  std::list<StealthBot*> stealthPool;
  AnimatedSpriteType stealthType;
  Game* game = nullptr;  // the latest caller's; not owned
  std::vector<std::unique_ptr<Bot>> madeBots;  // everything made, pooled or in play
};

// The one factory of the program, made on first use; remembers the game for what follows.
BotFactory& getBotFactory(Game& game);
