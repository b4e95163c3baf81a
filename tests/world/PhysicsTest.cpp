#include <gtest/gtest.h>

#include <box2d/box2d.h>

#include <map>
#include <numbers>
#include <vector>

#include "support/WorldTestGame.h"
#include "app/GameStateManager.h"
#include "sprites/SpriteManager.h"
#include "world/ContactCollection.h"
#include "world/ContactListener.h"
#include "world/Physics.h"
#include "world/Viewport.h"
#include "world/World.h"

namespace {

using worldtest::WorldTestBot;
using worldtest::WorldTestGame;

// Collects both sprites of every contact and counts what the binding hands over.
class RecordingRules : public ContactRules {
 public:
  void collectContact(AnimatedSprite* a, AnimatedSprite* b, ContactCollection& affected) override {
    ++collectCalls;
    if (!a || !b) ++wallContacts;
    for (int i = 0; i < timesEach; ++i) {
      if (a) affected.add(*a);
      if (b) affected.add(*b);
    }
  }
  void applyContact(Game&, AnimatedSprite& sprite) override { ++applied[&sprite]; }
  void afterStep(Game& game) override {
    ++afterSteps;
    const AnimatedSprite& player = game.getStateManager()->getSpriteManager()->getPlayer();
    playerXAfterStep = player.getProperties().x;
  }

  int timesEach = 1;
  int collectCalls = 0;
  int wallContacts = 0;
  int afterSteps = 0;
  float playerXAfterStep = 0.0f;
  std::map<const AnimatedSprite*, int> applied;
};

int32_t bodyCount(Physics& physics) { return physics.getWorld().GetBodyCount(); }

TEST(Physics, TwoAdjacentWallTilesLeaveAGapTooNarrowForASpriteBox) {
  WorldTestGame test;
  // Column 5, rows 3 and 4: boxes y 81..111 and 113..143 at x 145..175, 2 pixels apart.
  test.addTiledLayer(10, 10, [](int32_t column, int32_t row) { return column == 5 && (row == 3 || row == 4); });
  test.setUpPlayer(20.0f, 300.0f);
  test.physics().createTileBodies(test.game);
  EXPECT_EQ(bodyCount(test.physics()), 3);
  WorldTestBot& bot = test.addBot(60.0f, 112.0f);  // aimed at the middle of the gap
  bot.getProperties().setVelocity(100.0f, 0.0f);
  test.physics().createBotBody(test.game, bot);
  for (int step = 0; step < 240; ++step) test.physics().updatePhysics(test.game);
  // Its right half-extent stops it at the walls' left face (145) less 16.
  EXPECT_LT(bot.getProperties().x, 130.0f);
  EXPECT_GT(bot.getProperties().x, 120.0f);
}

TEST(Physics, AProjectileMadeOverlappingThePlayerDoesNotCollideWithIt) {
  WorldTestGame test;
  auto rules = std::make_unique<RecordingRules>();
  RecordingRules& recorded = *rules;
  test.physics().setContactRules(std::move(rules));
  test.setUpPlayer(100.0f, 100.0f);
  test.physics().createTileBodies(test.game);
  test.physics().createProjectileBody(test.game, test.addPlainSprite(110.0f, 100.0f));
  test.physics().createProjectileBody(test.game, test.addPlainSprite(105.0f, 104.0f));
  test.physics().updatePhysics(test.game);
  EXPECT_EQ(test.physics().getContactListener().getContactPointCount(), 0);
  EXPECT_EQ(recorded.collectCalls, 0);
  EXPECT_FLOAT_EQ(test.sprites().getPlayer().getProperties().x, 100.0f);
  // A bot in the same place does touch the player.
  test.physics().createBotBody(test.game, test.addPlainSprite(100.0f, 110.0f));
  test.physics().updatePhysics(test.game);
  EXPECT_GT(test.physics().getContactListener().getContactPointCount(), 0);
  EXPECT_EQ(recorded.applied[&test.sprites().getPlayer()], 1);
}

TEST(Physics, RecordsAtMost2048PointsAndHandsOverEachAffectedSpriteOnce) {
  WorldTestGame test;
  auto rules = std::make_unique<RecordingRules>();
  RecordingRules& recorded = *rules;
  recorded.timesEach = 0;  // collect nothing: every recorded point is examined
  test.physics().setContactRules(std::move(rules));
  // 64 boxes heaped on one spot: about 2000 touching pairs of up to 2 points each.
  for (int i = 0; i < 64; ++i) {
    test.physics().createBotBody(test.game, test.addPlainSprite(200.0f + (i % 8), 200.0f + (i / 8)));
  }
  test.physics().updatePhysics(test.game);
  EXPECT_EQ(test.physics().getContactListener().getContactPointCount(), ContactListener::MAX_CONTACT_POINTS);
  EXPECT_EQ(recorded.collectCalls, ContactListener::MAX_CONTACT_POINTS);
  EXPECT_TRUE(recorded.applied.empty());

  recorded.timesEach = 1;
  test.physics().updatePhysics(test.game);
  // 50 contacts fill the 100 entries; a sprite met in several of them is handled once.
  EXPECT_EQ(recorded.collectCalls, ContactListener::MAX_CONTACT_POINTS + 50);
  EXPECT_GT(recorded.applied.size(), 2u);
  EXPECT_LT(recorded.applied.size(), 100u);
  for (const auto& [sprite, times] : recorded.applied) EXPECT_EQ(times, 1);
  EXPECT_EQ(recorded.afterSteps, 2);
}

TEST(Physics, CollectionStopsAtOneHundredEntries) {
  WorldTestGame test;
  auto rules = std::make_unique<RecordingRules>();
  RecordingRules& recorded = *rules;
  recorded.timesEach = 5;  // ten entries per contact point
  test.physics().setContactRules(std::move(rules));
  for (int i = 0; i < 20; ++i) test.physics().createBotBody(test.game, test.addPlainSprite(300.0f + i, 300.0f));
  test.physics().updatePhysics(test.game);
  ASSERT_GT(test.physics().getContactListener().getContactPointCount(), 10);
  EXPECT_EQ(recorded.collectCalls, 10);
  int total = 0;
  for (const auto& [sprite, times] : recorded.applied) total += times;
  EXPECT_LE(total, 20);
}

TEST(Physics, ContactsWithWallsAreHandedOverWithoutASprite) {
  WorldTestGame test;
  auto rules = std::make_unique<RecordingRules>();
  RecordingRules& recorded = *rules;
  test.physics().setContactRules(std::move(rules));
  test.addTiledLayer(10, 10, [](int32_t column, int32_t row) { return column == 2 && row == 2; });
  test.setUpPlayer(300.0f, 300.0f);
  test.physics().createTileBodies(test.game);
  AnimatedSprite& shot = test.addPlainSprite(64.0f, 90.0f);
  shot.getProperties().setVelocity(0.0f, -60.0f);
  test.physics().createProjectileBody(test.game, shot);
  for (int step = 0; step < 5; ++step) test.physics().updatePhysics(test.game);
  EXPECT_GT(recorded.wallContacts, 0);
  EXPECT_EQ(recorded.applied.count(&shot), 1u);
  EXPECT_EQ(recorded.applied.size(), 1u);
}

TEST(Physics, CopiesThePlayersMoveBackAndTurnsItTowardsTheCursor) {
  struct Case {
    int32_t mouseX, mouseY;
    float rotation;
  };
  const float pi = std::numbers::pi_v<float>;
  for (const Case& c : std::vector<Case>{{100, 50, -pi / 2}, {150, 100, 0.0f}, {100, 150, pi / 2}, {50, 100, pi}}) {
    WorldTestGame test;
    test.viewport().setViewportOffsetX(40);  // the offset is not taken off the cursor
    AnimatedSprite& player = test.setUpPlayer(100.0f, 100.0f);
    test.physics().createTileBodies(test.game);
    test.pollMouse(c.mouseX, c.mouseY);
    test.physics().updatePhysics(test.game);
    EXPECT_NEAR(player.getProperties().rotation, c.rotation, 1e-5f) << c.mouseX << "," << c.mouseY;
  }
  WorldTestGame test;
  auto rules = std::make_unique<RecordingRules>();
  RecordingRules& recorded = *rules;
  test.physics().setContactRules(std::move(rules));
  AnimatedSprite& player = test.setUpPlayer(100.0f, 100.0f);
  test.physics().createTileBodies(test.game);
  player.getProperties().setVelocity(60.0f, 0.0f);
  test.physics().updatePhysics(test.game);
  EXPECT_NEAR(player.getProperties().x, 101.0f, 1e-3f);
  EXPECT_FLOAT_EQ(recorded.playerXAfterStep, player.getProperties().x);
  EXPECT_FLOAT_EQ(player.getProperties().velocityX, 0.0f);
  // Box2D's own limit of 2 units a step holds for pixels: 600 px/s moves 2 pixels, not 10.
  player.getProperties().setVelocity(600.0f, 0.0f);
  test.physics().updatePhysics(test.game);
  EXPECT_NEAR(player.getProperties().x, 103.0f, 1e-3f);
}

TEST(Physics, ResetLeavesNoBodyAndNoSpriteHoldingOneOfTheOldWorld) {
  WorldTestGame test;
  test.addTiledLayer(10, 10, [](int32_t column, int32_t) { return column == 0; });
  test.setUpPlayer(100.0f, 100.0f);
  test.physics().createTileBodies(test.game);
  WorldTestBot& listed = test.addBot(200.0f, 200.0f);
  test.physics().createBotBody(test.game, listed);
  WorldTestBot& pooled = *test.bots.emplace_back(std::make_unique<WorldTestBot>());  // in no list
  pooled.getProperties().collisionWidth = 32.0f;
  pooled.getProperties().collisionHeight = 32.0f;
  test.physics().createProjectileBody(test.game, pooled);
  EXPECT_EQ(bodyCount(test.physics()), 13);

  test.stateManager().runLevelTeardown(test.game);
  EXPECT_EQ(bodyCount(test.physics()), 0);
  EXPECT_EQ(test.sprites().getPlayer().getBody(), nullptr);
  EXPECT_EQ(listed.getBody(), nullptr);
  EXPECT_EQ(pooled.getBody(), nullptr);
  // Nothing left refers to the old world: stepping, recycling and re-creating are safe.
  test.sprites().addBot(listed);
  test.physics().updatePhysics(test.game);
  test.physics().destroyBody(pooled);
  test.physics().createProjectileBody(test.game, pooled);
  test.physics().createTileBodies(test.game);
  EXPECT_EQ(bodyCount(test.physics()), 2);
  // Re-creating a body replaces the old one rather than leaving it behind.
  test.physics().createTileBodies(test.game);
  EXPECT_EQ(bodyCount(test.physics()), 2);
  test.physics().destroyBody(pooled);
  EXPECT_EQ(pooled.getBody(), nullptr);
  EXPECT_EQ(bodyCount(test.physics()), 1);
}

TEST(Physics, BodiesFollowTheTableOfSettings) {
  WorldTestGame test;
  test.addTiledLayer(3, 3, [](int32_t column, int32_t row) { return column == 1 && row == 2; });
  AnimatedSprite& player = test.setUpPlayer(50.0f, 60.0f);
  test.physics().createTileBodies(test.game);
  AnimatedSprite& bot = test.addPlainSprite(10.0f, 20.0f);
  bot.getProperties().rotation = 0.5f;
  bot.getProperties().setVelocity(3.0f, 4.0f);
  test.physics().createBotBody(test.game, bot);
  AnimatedSprite& shot = test.addPlainSprite(30.0f, 20.0f);
  test.physics().createProjectileBody(test.game, shot);

  b2Body* wall = nullptr;
  for (b2Body* body = test.physics().getWorld().GetBodyList(); body; body = body->GetNext()) {
    if (body->GetType() == b2_staticBody) wall = body;
  }
  ASSERT_NE(wall, nullptr);
  EXPECT_EQ(wall->GetPosition(), b2Vec2(32.0f, 64.0f));
  EXPECT_FLOAT_EQ(wall->GetMass(), 0.0f);
  EXPECT_EQ(wall->GetUserData().pointer, 0u);

  b2Body* playerBody = player.getBody();
  EXPECT_EQ(playerBody->GetUserData().pointer, reinterpret_cast<uintptr_t>(&player));
  EXPECT_FLOAT_EQ(playerBody->GetMass(), 32.0f * 32.0f * 1.0f);
  EXPECT_FLOAT_EQ(playerBody->GetFixtureList()->GetFriction(), 0.8f);
  EXPECT_EQ(playerBody->GetFixtureList()->GetFilterData().groupIndex, -1);
  EXPECT_TRUE(playerBody->IsFixedRotation());
  EXPECT_FLOAT_EQ(playerBody->GetAngularDamping(), 999.0f);

  b2Body* botBody = bot.getBody();
  EXPECT_FLOAT_EQ(botBody->GetMass(), 32.0f * 32.0f * 5.0f);
  EXPECT_FLOAT_EQ(botBody->GetFixtureList()->GetFriction(), 0.1f);
  EXPECT_EQ(botBody->GetFixtureList()->GetFilterData().groupIndex, 0);
  EXPECT_FLOAT_EQ(botBody->GetAngle(), 0.5f);
  EXPECT_EQ(botBody->GetLinearVelocity(), b2Vec2(3.0f, 4.0f));
  EXPECT_FALSE(botBody->IsBullet());
  EXPECT_TRUE(shot.getBody()->IsBullet());
  EXPECT_EQ(shot.getBody()->GetFixtureList()->GetFilterData().groupIndex, -1);
  EXPECT_EQ(test.physics().getWorld().GetGravity(), b2Vec2(0.0f, 0.0f));
}

}  // namespace
