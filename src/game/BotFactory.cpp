#include "game/BotFactory.h"

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "game/BotSetup.h"
#include "game/HelperBot.h"
#include "game/Projectile.h"
#include "game/RandomFloatingBot.h"
#include "game/StealthBot.h"
#include "graphics/GameGraphics.h"
#include "graphics/TextureManager.h"
#include "world/Physics.h"
#include "sprites/SpriteKind.h"
#include "sprites/SpriteManager.h"

namespace {
constexpr uint32_t FRAME_DURATION = 10;  // game frames
constexpr float POOL_X = 767.0f;          // where pooled enemies are built, pixels
constexpr float POOL_Y = 569.0f;
constexpr uint32_t WANDER_MIN = 2, WANDER_MAX = 20, WANDER_MAGNITUDE = 180;
constexpr float POOL_PROJECTILE_SPEED = 1.0f;
constexpr int32_t POOL_HELPER_SPEED = 20;
constexpr int32_t PROJECTILE_ALPHA = 250;
constexpr int16_t PLAYER_SHOT_LIFETIME = 50;  // physics steps
constexpr int16_t BOT_SHOT_LIFETIME = 30;
constexpr int16_t FULL_HIT_POINTS = 100;
}  // namespace

BotFactory& getBotFactory(Game& game) {
  static BotFactory factory;
  factory.setGame(game);
  return factory;
}

BotFactory::BotFactory() = default;
BotFactory::~BotFactory() = default;

template <typename BotClass>
BotClass& BotFactory::own(std::unique_ptr<BotClass> bot) {
  BotClass& made = *bot;
  madeBots.push_back(std::move(bot));
  return made;
}

template <typename BotClass, typename Make>
void BotFactory::fillPool(std::list<BotClass*>& pool, size_t count, Make make) {
  for (size_t i = 0; i < count; ++i) pool.push_back(&own(make()));
}

template <typename BotClass, typename Make>
BotClass& BotFactory::take(std::list<BotClass*>& pool, Make make) {
  if (pool.empty()) return own(make());
  BotClass& oldest = *pool.front();
  pool.pop_front();
  return oldest;
}

void BotFactory::buildType(AnimatedSpriteType& type, const std::wstring& imagePath) {
  type.setDimensions(static_cast<int32_t>(BotSetup::SIZE), static_cast<int32_t>(BotSetup::SIZE));
  type.addAnimationSequence(BotSetup::FLOATING_STATE);
  const uint32_t imageId = game->getGraphics()->getWorldTextureManager()->loadTexture(imagePath);
  type.appendFrame(BotSetup::FLOATING_STATE, imageId, FRAME_DURATION);
  type.setSpriteTypeId(game->getStateManager()->getSpriteManager()->addSpriteType(type));
}

void BotFactory::buildAllTypesAndPools() {
  buildType(projectileType, L"./textures/world/sprites/bullet.png");
  fillPool(projectilePool, PROJECTILE_BATCH, [] { return std::make_unique<Projectile>(POOL_PROJECTILE_SPEED); });
  buildType(helperType, L"./textures/world/sprites/directionIndependentHelperSprite.png");
  fillPool(helperPool, HELPER_BATCH, [] { return std::make_unique<HelperBot>(POOL_HELPER_SPEED, 0.0f, 0.0f); });
  buildType(randomFloatingType, L"./textures/world/sprites/directionIndependentSprite2.png");
  fillPool(randomFloatingPool, RANDOM_FLOATING_BATCH, [] {
    return std::make_unique<RandomFloatingBot>(WANDER_MIN, WANDER_MAX, WANDER_MAGNITUDE, POOL_X, POOL_Y);
  });
  buildType(stealthType, L"./textures/world/sprites/stealthBot.png");
  fillPool(stealthPool, STEALTH_BATCH, [] { return std::make_unique<StealthBot>(POOL_X, POOL_Y); });
}

Projectile& BotFactory::createProjectile(float x1, float y1, float x2, float y2) {
  return launch(Projectile::DEFAULT_SPEED, PLAYER_SHOT_LIFETIME, x1, y1, x2, y2);
}

Projectile& BotFactory::createProjectileFrom(float speed, float x1, float y1, float x2, float y2) {
  return launch(speed, BOT_SHOT_LIFETIME, x1, y1, x2, y2);
}

Projectile& BotFactory::launch(float speed, int16_t lifetime, float x1, float y1, float x2, float y2) {
  Projectile& shot = take(projectilePool, [] { return std::make_unique<Projectile>(); });
  shot.setProjectileSpeed(speed);
  BotSetup::dress(shot, &projectileType, PROJECTILE_ALPHA, SpriteKind::PROJECTILE);
  shot.getProperties().setPosition(x1, y1);
  shot.fire(x1, y1, x2, y2);
  game->getStateManager()->getPhysics().createProjectileBody(*game, shot);
  shot.setLifetime(lifetime);
  return shot;
}

HelperBot& BotFactory::createHelperBot(Game& caller, int32_t configuredSpeed, float x, float y) {
  game = &caller;
  HelperBot& helper = take(helperPool, [&] { return std::make_unique<HelperBot>(configuredSpeed, 0.0f, 0.0f); });
  BotSetup::dress(helper, &helperType, BotSetup::FULL_ALPHA, SpriteKind::HELPER_BOT);
  SpriteProperties& properties = helper.getProperties();
  properties.setVelocity(0.0f, 0.0f);
  properties.hitPoints = FULL_HIT_POINTS;
  properties.setPosition(x, y);
  helper.disengage();
  game->getStateManager()->getPhysics().createBotBody(*game, helper);
  return helper;
}

template <typename BotClass>
BotClass& BotFactory::placeEnemy(Physics& physics, BotClass& bot, AnimatedSpriteType& type, int32_t alpha,
                                 int16_t kind, int32_t x, int32_t y) {
  BotSetup::dress(bot, &type, alpha, kind);
  SpriteProperties& properties = bot.getProperties();
  properties.hitPoints = FULL_HIT_POINTS;
  properties.setVelocity(0.0f, 0.0f);
  properties.setPosition(static_cast<float>(x), static_cast<float>(y));
  physics.createBotBody(*game, bot);
  return bot;
}

RandomFloatingBot& BotFactory::createRandomFloatingBot(Physics& physics, int32_t, int32_t, int32_t, int32_t x, int32_t y) {
  RandomFloatingBot& bot = take(randomFloatingPool, [] {
    return std::make_unique<RandomFloatingBot>(WANDER_MIN, WANDER_MAX, WANDER_MAGNITUDE, POOL_X, POOL_Y);
  });
  return placeEnemy(physics, bot, randomFloatingType, BotSetup::FULL_ALPHA, SpriteKind::RANDOM_FLOATING_BOT, x, y);
}

StealthBot& BotFactory::createStealthBot(Physics& physics, int32_t x, int32_t y) {
  StealthBot& bot = take(stealthPool, [] { return std::make_unique<StealthBot>(POOL_X, POOL_Y); });
  // Invisible until its first frame works out its opacity.
  return placeEnemy(physics, bot, stealthType, 0, SpriteKind::STEALTH_BOT, x, y);
}

template <typename BotClass>
void BotFactory::recycle(std::list<BotClass*>& pool, BotClass& bot) {
  game->getStateManager()->getPhysics().destroyBody(bot);
  pool.push_back(&bot);
}

void BotFactory::recycleProjectile(Projectile& projectile) { recycle(projectilePool, projectile); }
void BotFactory::recycleHelperBot(HelperBot& helper) { recycle(helperPool, helper); }
void BotFactory::recycleRandomFloatingBot(RandomFloatingBot& bot) { recycle(randomFloatingPool, bot); }
void BotFactory::recycleStealthBot(StealthBot& bot) { recycle(stealthPool, bot); }
