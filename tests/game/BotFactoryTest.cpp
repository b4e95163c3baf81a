#include <gtest/gtest.h>

#include <vector>

#include "support/BotsTestGame.h"
#include "game/BotRecycler.h"
#include "game/HelperBot.h"
#include "game/Projectile.h"
#include "game/RandomFloatingBot.h"
#include "game/StealthBot.h"
#include "sprites/AnimatedSpriteType.h"

namespace {

using botstest::BotsTestGame;

// A factory of the test's own, so pool sizes start from nothing. It outlives the game whose
// sprites refer to its bots.
struct OwnFactoryTest {
  OwnFactoryTest() { factory.setGame(test.world.game); }
  BotFactory factory;
  BotsTestGame test;
};

TEST(BotFactory, EachLevelLoadRegistersFourTypesAndAddsABatchToEveryPool) {
  OwnFactoryTest own;
  BotFactory& factory = own.factory;
  factory.buildAllTypesAndPools();
  EXPECT_EQ(factory.projectilePoolSize(), 256u);
  EXPECT_EQ(factory.helperPoolSize(), 1u);
  EXPECT_EQ(factory.randomFloatingPoolSize(), 25u);
  EXPECT_EQ(factory.stealthPoolSize(), 10u);
  const std::vector<const AnimatedSpriteType*> types{&factory.getProjectileType(), &factory.getHelperType(),
                                                     &factory.getRandomFloatingType(), &factory.getStealthType()};
  for (int32_t id = 0; id < 4; ++id) {
    EXPECT_EQ(types[id]->getSpriteTypeId(), id);
    EXPECT_EQ(types[id]->getSequenceLength(L"FLOATING_STATE"), 2);
    EXPECT_NE(types[id]->getImageId(L"FLOATING_STATE", 0), 0xFFFFFFFFu);
  }
  factory.buildAllTypesAndPools();
  EXPECT_EQ(factory.getStealthType().getSpriteTypeId(), 7);
  EXPECT_EQ(factory.getStealthType().getSequenceLength(L"FLOATING_STATE"), 2);
  EXPECT_NE(own.test.world.sprites().getSpriteType(7), nullptr);
  EXPECT_EQ(own.test.world.sprites().getSpriteType(8), nullptr);
  EXPECT_EQ(factory.helperPoolSize(), 2u);
  EXPECT_EQ(factory.projectilePoolSize(), 512u);
}

TEST(BotFactory, APooledHelperIsSummonedOnceComesBackWhenItDiesAndIsReusedWhole) {
  OwnFactoryTest own;
  BotFactory& factory = own.factory;
  factory.buildAllTypesAndPools();
  HelperBot& helper = factory.createHelperBot(own.test.world.game, 50, 100.0f, 120.0f);
  EXPECT_EQ(helper.getConfiguredSpeed(), 20);
  EXPECT_EQ(factory.helperPoolSize(), 0u);  // the player controls refuse a second summon
  EXPECT_EQ(helper.getKind(), 1);
  EXPECT_NE(helper.getBody(), nullptr);
  helper.getProperties().hitPoints = -10;
  factory.recycleHelperBot(helper);
  EXPECT_EQ(helper.getBody(), nullptr);
  EXPECT_EQ(factory.helperPoolSize(), 1u);
  HelperBot& again = factory.createHelperBot(own.test.world.game, 50, 10.0f, 20.0f);
  EXPECT_EQ(&again, &helper);
  EXPECT_EQ(again.getProperties().hitPoints, 100);
  EXPECT_NE(again.getBody(), nullptr);
  EXPECT_FLOAT_EQ(again.getProperties().x, 10.0f);
}

TEST(BotFactory, ObjectsAreReusedOldestFirstAndAnEmptyPoolBuildsANewOne) {
  OwnFactoryTest own;
  BotFactory& factory = own.factory;
  Projectile& built = factory.createProjectile(0.0f, 0.0f, 10.0f, 0.0f);
  EXPECT_FLOAT_EQ(built.getProjectileSpeed(), 2400.0f);
  EXPECT_EQ(built.getAlpha(), 250);
  Projectile& second = factory.createProjectileFrom(100.0f, 0.0f, 0.0f, 10.0f, 0.0f);
  EXPECT_EQ(second.getLifetime(), 30);
  factory.recycleProjectile(second);
  factory.recycleProjectile(built);
  EXPECT_EQ(&factory.createProjectile(0.0f, 0.0f, 0.0f, 10.0f), &second);
  EXPECT_EQ(&factory.createProjectile(0.0f, 0.0f, 0.0f, 10.0f), &built);

  StealthBot& stealth = factory.createStealthBot(own.test.world.physics(), 64, 96);
  EXPECT_EQ(stealth.getAlpha(), 0);
  EXPECT_FLOAT_EQ(stealth.getProperties().y, 96.0f);
  stealth.setLurkFrames(0);
  factory.recycleStealthBot(stealth);
  StealthBot& reused = factory.createStealthBot(own.test.world.physics(), 0, 0);
  EXPECT_EQ(&reused, &stealth);
  EXPECT_EQ(reused.getLurkFrames(), 0u);  // a spent lurk budget stays spent
}

TEST(BotRecycler, HandsOutClonesOfRegisteredTypesOldestFirstAndIgnoresUnknownNames) {
  BotRecycler recycler;
  EXPECT_EQ(recycler.retrieveBot(L"drone"), nullptr);
  recycler.registerBotType(L"drone", std::make_unique<RandomFloatingBot>(3, 9, 70));
  recycler.registerBotType(L"drone", std::make_unique<StealthBot>());
  EXPECT_TRUE(recycler.isRegistered(L"drone"));
  recycler.initRecyclableBots(L"drone", 2);
  recycler.initRecyclableBots(L"drone", 5);
  EXPECT_EQ(recycler.idleCount(L"drone"), 2u);
  std::unique_ptr<Bot> first = recycler.retrieveBot(L"drone");
  auto* drone = dynamic_cast<RandomFloatingBot*>(first.get());
  ASSERT_NE(drone, nullptr);
  EXPECT_EQ(drone->getMaxCycles(), 9u);
  Bot* kept = first.get();
  recycler.recycleBot(L"drone", std::move(first));
  recycler.retrieveBot(L"drone");
  EXPECT_EQ(recycler.retrieveBot(L"drone").get(), kept);
  // Empty: ten more clones first.
  EXPECT_NE(recycler.retrieveBot(L"drone"), nullptr);
  EXPECT_EQ(recycler.idleCount(L"drone"), 9u);
  recycler.recycleBot(L"unknown", std::make_unique<StealthBot>());
  EXPECT_EQ(recycler.idleCount(L"unknown"), 0u);
}

}  // namespace
