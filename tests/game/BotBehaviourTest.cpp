#include <gtest/gtest.h>

#include <box2d/box2d.h>

#include <cmath>
#include <cstdlib>

#include "support/BotsTestGame.h"
#include "game/HelperBot.h"
#include "game/Projectile.h"
#include "game/RandomFloatingBot.h"
#include "game/StealthBot.h"
#include "sprites/SpriteKind.h"

namespace {

using botstest::BotsTestGame;

size_t shotsListed(BotsTestGame& test) {
  size_t shots = 0;
  for (const Bot* bot : test.world.sprites().getBots()) shots += bot->getKind() == SpriteKind::PROJECTILE;
  return shots;
}

TEST(Projectile, StartsThirtySevenPixelsAlongTheShotAndAZeroShotStandsStillFacingZero) {
  Projectile shot;
  shot.getProperties().collisionWidth = 32.0f;
  shot.getProperties().collisionHeight = 32.0f;
  shot.fire(100.0f, 100.0f, 100.0f, 200.0f);
  EXPECT_FLOAT_EQ(shot.getProperties().y, 137.0f);
  EXPECT_FLOAT_EQ(shot.getProperties().velocityY, 2400.0f);
  EXPECT_NEAR(shot.getProperties().rotation, 3.1415927f / 2.0f, 1e-5f);

  shot.fire(50.0f, 60.0f, 50.0f, 60.0f);
  const SpriteProperties& still = shot.getProperties();
  EXPECT_EQ(still.x, 50.0f);
  EXPECT_EQ(still.y, 60.0f);
  EXPECT_EQ(still.velocityX, 0.0f);
  EXPECT_EQ(still.velocityY, 0.0f);
  EXPECT_EQ(still.rotation, 0.0f);
}

TEST(HelperBot, AttacksAnEnemyAt160PixelsAndFollowsThePlayerAt160AndAHalf) {
  for (const auto& [distance, attacks] : {std::pair<float, bool>{160.0f, true}, {160.5f, false}}) {
    BotsTestGame test;
    test.world.setUpPlayer(500.0f, 400.0f);
    HelperBot& helper = test.factory().createHelperBot(test.world.game, 50, 500.0f, 500.0f);
    helper.setFireCooldown(0);
    test.world.sprites().addBot(helper);
    RandomFloatingBot& enemy = test.factory().createRandomFloatingBot(test.world.physics(), 2, 20, 180, 0, 0);
    enemy.getProperties().setPosition(500.0f + distance, 500.0f);
    test.world.sprites().addBot(enemy);
    helper.think(test.world.game);
    EXPECT_EQ(helper.isEngaged(), attacks) << distance;
    EXPECT_EQ(helper.getTarget() == &enemy, attacks) << distance;
    EXPECT_EQ(test.world.sprites().getFlock().isMember(helper), !attacks) << distance;
    EXPECT_EQ(shotsListed(test), attacks ? 1u : 0u) << distance;
  }
}

TEST(HelperBot, ShootsAtOnceThenAtMostEveryEighteenFramesWithSlowLongLivedShots) {
  BotsTestGame test;
  test.world.setUpPlayer(500.0f, 400.0f);
  HelperBot& helper = test.factory().createHelperBot(test.world.game, 50, 500.0f, 500.0f);
  helper.setFireCooldown(0);
  test.world.sprites().addBot(helper);
  RandomFloatingBot& enemy = test.factory().createRandomFloatingBot(test.world.physics(), 2, 20, 180, 600, 500);
  test.world.sprites().addBot(enemy);
  helper.think(test.world.game);
  ASSERT_EQ(shotsListed(test), 1u);
  const auto* shot = static_cast<const Projectile*>(test.world.sprites().getBots().back());
  EXPECT_EQ(shot->getLifetime(), HelperBot::SHOT_LIFETIME);
  EXPECT_FLOAT_EQ(shot->getProjectileSpeed(), 100.0f);
  // 33 pixels from the helper, then 37 more along the shot.
  EXPECT_FLOAT_EQ(shot->getProperties().x, 570.0f);
  for (int frame = 2; frame <= 18; ++frame) helper.think(test.world.game);
  EXPECT_EQ(shotsListed(test), 1u);
  helper.think(test.world.game);
  EXPECT_EQ(shotsListed(test), 2u);
}

TEST(HelperBot, StandingOnThePlayerFacesZero) {
  BotsTestGame test;
  test.world.setUpPlayer(300.0f, 300.0f);
  HelperBot& helper = test.factory().createHelperBot(test.world.game, 50, 300.0f, 300.0f);
  test.world.sprites().addBot(helper);
  helper.getProperties().rotation = 1.0f;
  helper.think(test.world.game);
  EXPECT_EQ(helper.getProperties().rotation, 0.0f);
}

TEST(RandomFloatingBot, WanderBoundsAreWidenedWhenEqualAndSwappedWhenReversed) {
  struct Case {
    uint32_t minimum, maximum, expectedMin, expectedMax;
  };
  for (const Case& c : {Case{2, 20, 2, 20}, Case{5, 5, 5, 105}, Case{20, 2, 2, 20}}) {
    const RandomFloatingBot bot(c.minimum, c.maximum, 180);
    EXPECT_EQ(bot.getMinCycles(), c.expectedMin);
    EXPECT_EQ(bot.getMaxCycles(), c.expectedMax);
  }
  RandomFloatingBot bot(2, 20, 180);
  for (int i = 0; i < 200; ++i) {
    bot.pickRandomCycles();
    EXPECT_GE(bot.getCyclesRemaining(), 2u);
    EXPECT_LE(bot.getCyclesRemaining(), 20u);
  }
}

TEST(RandomFloatingBot, ChasesInEightDirectionsButNotFromStraightAboveOrOnThePlayer) {
  BotsTestGame test;
  test.world.setUpPlayer(500.0f, 500.0f);
  RandomFloatingBot& bot = test.factory().createRandomFloatingBot(test.world.physics(), 2, 20, 180, 300, 300);
  test.world.sprites().addBot(bot);
  bot.think(test.world.game);
  const b2Vec2 chase = bot.getBody()->GetLinearVelocity();
  EXPECT_NEAR(chase.Length(), 0.03f * 180.0f * 180.0f, 0.01f);
  EXPECT_NEAR(chase.x, chase.y, 0.01f);
  EXPECT_NEAR(bot.getProperties().rotation, 3.1415927f / 4.0f, 1e-5f);

  struct Case {
    float x, y;
    bool near;
  };
  for (const Case& c : {Case{500, 300, false}, Case{500, 500, false}, Case{201, 500, true}, Case{200, 500, false},
                        Case{700, 799, true}, Case{700, 800, false}}) {
    bot.getProperties().setPosition(c.x, c.y);
    EXPECT_EQ(bot.isPlayerNear(test.world.game), c.near) << c.x << ", " << c.y;
  }
}

TEST(RandomFloatingBot, ShoutsOneOfItsFiveExclamations) {
  for (int i = 0; i < 50; ++i) {
    const std::wstring& shout = RandomFloatingBot::getExclamation();
    EXPECT_TRUE(shout == L"WHY?!" || shout == L"NOO" || shout == L"Ahh~" || shout == L"SALVATION" ||
                shout == L"Arrgh!");
  }
}

TEST(StealthBot, OpacityIsHalfTheSumOfBothPositionsAtMost255) {
  BotsTestGame test;
  StealthBot& bot = test.factory().createStealthBot(test.world.physics(), 0, 0);
  test.world.sprites().addBot(bot);
  struct Case {
    float playerX, playerY, botX, botY;
    int32_t alpha;
  };
  for (const Case& c : {Case{10, 20, 30, 41, 50}, Case{-100, 0, 20, 0, 40}, Case{200, 200, 100, 100, 255}}) {
    test.world.setUpPlayer(c.playerX, c.playerY);
    bot.getProperties().setPosition(c.botX, c.botY);
    bot.isPlayerNear(test.world.game);
    EXPECT_EQ(bot.getAlpha(), c.alpha);
  }
}

TEST(StealthBot, AWeakBotLurksOnlyWhileItsBudgetLasts) {
  BotsTestGame test;
  test.world.setUpPlayer(400.0f, 300.0f);
  StealthBot& bot = test.factory().createStealthBot(test.world.physics(), 300, 300);
  test.world.sprites().addBot(bot);
  bot.getProperties().hitPoints = 20;
  bot.setLurkFrames(1);
  bot.think(test.world.game);
  EXPECT_EQ(bot.getAlpha(), StealthBot::LURK_ALPHA);
  EXPECT_NEAR(bot.getBody()->GetLinearVelocity().x, 20.0f, 1e-4f);
  EXPECT_EQ(bot.getLurkFrames(), 0u);
  // Budget spent: it chases (within 500) as a healthy bot would.
  bot.think(test.world.game);
  EXPECT_NEAR(bot.getBody()->GetLinearVelocity().x, 1200.0f, 0.01f);
  EXPECT_NE(bot.getAlpha(), StealthBot::LURK_ALPHA);
}

}  // namespace
