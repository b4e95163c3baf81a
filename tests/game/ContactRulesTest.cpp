#include <gtest/gtest.h>

#include <box2d/box2d.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/BotsTestGame.h"
#include "app/GameStateManager.h"
#include "game/HelperBot.h"
#include "game/Projectile.h"
#include "game/RandomFloatingBot.h"
#include "game/StealthBot.h"
#include "sprites/SpriteManager.h"
#include "text/Dialog.h"
#include "text/GameText.h"
#include "text/TextGenerator.h"
#include "world/ContactListener.h"
#include "world/Physics.h"

namespace {

using botstest::BotsTestGame;

// A wall down column 7 (boxes from x 209), open space elsewhere.
void addWallAtColumnSeven(BotsTestGame& test) {
  test.world.addTiledLayer(20, 10, [](int32_t column, int32_t) { return column == 7; });
  test.world.physics().createTileBodies(test.world.game);
}

// Steps until the shot leaves play; the number of the step it left in, or 0 after the limit.
int stepsUntilGone(BotsTestGame& test, const Projectile& shot, int limit) {
  for (int step = 1; step <= limit; ++step) {
    test.step();
    if (!test.isListed(shot)) return step;
  }
  return 0;
}

TEST(ContactRules, AWallEndsAShotInTheStepOfTheContactAnUntouchedShotOnItsFiftyFirstStep) {
  BotsTestGame test;
  addWallAtColumnSeven(test);
  Projectile& towardsWall = test.factory().createProjectile(100.0f, 100.0f, 200.0f, 100.0f);
  test.world.sprites().addBot(towardsWall);
  EXPECT_EQ(towardsWall.getLifetime(), 50);
  EXPECT_FLOAT_EQ(towardsWall.getProperties().x, 137.0f);
  float lastX = 0.0f;
  int gone = 0;
  for (int step = 1; step <= 60 && !gone; ++step) {
    lastX = towardsWall.getProperties().x;
    test.step();
    if (!test.isListed(towardsWall)) gone = step;
  }
  ASSERT_GT(gone, 1);
  EXPECT_LT(gone, 51);
  // It was still short of the wall box (right edge at x + 16) one step before.
  EXPECT_GT(lastX + 16.0f, 209.0f - 4.0f);
  EXPECT_EQ(towardsWall.getBody(), nullptr);

  Projectile& free = test.factory().createProjectile(100.0f, 300.0f, 100.0f, 250.0f);
  test.world.sprites().addBot(free);
  EXPECT_EQ(stepsUntilGone(test, free, 60), 51);
}

TEST(ContactRules, TheRulesOutliveANewPhysicsWorld) {
  BotsTestGame test;
  test.world.physics().resetPhysicsWorld(test.world.game);
  addWallAtColumnSeven(test);
  Projectile& shot = test.factory().createProjectile(150.0f, 100.0f, 200.0f, 100.0f);
  test.world.sprites().addBot(shot);
  const int gone = stepsUntilGone(test, shot, 60);
  EXPECT_GT(gone, 0);
  EXPECT_LT(gone, 51);
}

// Shoots from 50 pixels left of the bot: the shot starts overlapping it.
void shootAt(BotsTestGame& test, const Bot& target) {
  const SpriteProperties& at = target.getProperties();
  test.world.sprites().addBot(test.factory().createProjectile(at.x - 50.0f, at.y, at.x, at.y));
  test.step();
}

class ChatFile {
 public:
  explicit ChatFile(Game& game) {
    std::ofstream(path, std::ios::binary) << "header\nfirst chat line\nsecond chat line";
    game.getText()->getDialog().loadChatLines(game, path.wstring());
  }
  ~ChatFile() { std::filesystem::remove(path); }

 private:
  std::filesystem::path path = std::filesystem::temp_directory_path() / "vexmoor_contact_chat.txt";
};

TEST(ContactRules, FourHitsKillARandomFloatingBotWhichShoutsAndRefillsTheReserve) {
  BotsTestGame test;
  ChatFile chat(test.world.game);
  Game& game = test.world.game;
  RandomFloatingBot& bot = test.factory().createRandomFloatingBot(test.world.physics(), 2, 20, 180, 400, 400);
  test.world.sprites().addBot(bot);
  SpriteProperties& player = test.world.sprites().getPlayer().getProperties();
  player.ammoReserve = 180;
  for (int hit = 1; hit <= 3; ++hit) {
    shootAt(test, bot);
    EXPECT_EQ(bot.getProperties().hitPoints, 100 - 25 * hit);
    EXPECT_TRUE(test.isListed(bot));
  }
  EXPECT_EQ(player.ammoReserve, 180);
  const size_t pooled = test.factory().randomFloatingPoolSize();
  shootAt(test, bot);
  EXPECT_FALSE(test.isListed(bot));
  EXPECT_EQ(bot.getBody(), nullptr);
  EXPECT_EQ(test.factory().randomFloatingPoolSize(), pooled + 1);
  EXPECT_EQ(player.ammoReserve, 210);
  EXPECT_EQ(game.getText()->getDialog().getBoxLine(Dialog::BOX_LINES - 1), L"first chat line");
  const std::wstring shout = game.getText()->getTextGenerator()->getNamedText(L"spriteDialog");
  EXPECT_TRUE(shout == L"WHY?!" || shout == L"NOO" || shout == L"Ahh~" || shout == L"SALVATION" || shout == L"Arrgh!")
      << std::string(shout.begin(), shout.end());
}

TEST(ContactRules, TenHitsKillAStealthBotWhichLurksFromTheEighthAndDiesSilently) {
  BotsTestGame test;
  Game& game = test.world.game;
  StealthBot& bot = test.factory().createStealthBot(test.world.physics(), 400, 400);
  bot.setLurkFrames(StealthBot::LURK_BUDGET);
  test.world.sprites().addBot(bot);
  EXPECT_EQ(bot.getAlpha(), 0);
  SpriteProperties& player = test.world.sprites().getPlayer().getProperties();
  player.ammoReserve = 60;
  for (int hit = 1; hit <= 9; ++hit) {
    shootAt(test, bot);
    bot.think(game);
    // 30 hit points are not yet weak; 20 are.
    EXPECT_EQ(bot.getAlpha() == StealthBot::LURK_ALPHA, hit >= 8) << "hit " << hit;
  }
  EXPECT_EQ(bot.getLurkFrames(), StealthBot::LURK_BUDGET - 2);
  EXPECT_TRUE(test.isListed(bot));
  shootAt(test, bot);
  EXPECT_FALSE(test.isListed(bot));
  EXPECT_EQ(player.ammoReserve, 90);
  EXPECT_FALSE(game.getText()->getTextGenerator()->hasNamedText(L"spriteDialog"));
}

// The drain applies at every reported touching point; two overlapping boxes touch at two.
TEST(ContactRules, AStealthBotTouchingThePlayerDrainsTenRoundsAPointButNeverBelowZero) {
  for (const uint16_t reserve : {0, 10, 30, 60}) {
    BotsTestGame test;
    AnimatedSprite& player = test.world.setUpPlayer(300.0f, 300.0f);
    player.setKind(0);
    test.world.physics().createTileBodies(test.world.game);
    player.getProperties().ammoReserve = reserve;
    StealthBot& bot = test.factory().createStealthBot(test.world.physics(), 310, 300);
    test.world.sprites().addBot(bot);
    test.step();
    const int points = test.world.physics().getContactListener().getContactPointCount();
    ASSERT_GT(points, 0);
    const int expected = std::max(0, reserve - 10 * points);
    EXPECT_EQ(player.getProperties().ammoReserve, expected) << "from " << reserve;
    EXPECT_EQ(player.getProperties().hitPoints, 95);
  }
}

TEST(ContactRules, AnInvinciblePlayerLosesNoHitPointsButOneAtZeroStillEndsTheGame) {
  BotsTestGame test;
  AnimatedSprite& player = test.world.setUpPlayer(300.0f, 300.0f);
  test.world.physics().createTileBodies(test.world.game);
  player.setInvincible(true);
  test.world.sprites().addBot(test.factory().createRandomFloatingBot(test.world.physics(), 2, 20, 180, 310, 300));
  test.world.stateManager().setCurrentState(GS_GAME_IN_PROGRESS);
  test.step();
  EXPECT_EQ(player.getProperties().hitPoints, 100);
  EXPECT_EQ(test.world.stateManager().getCurrentState(), GS_GAME_IN_PROGRESS);
  player.getProperties().hitPoints = 0;
  test.step();
  EXPECT_EQ(test.world.stateManager().getCurrentState(), GS_GAME_OVER);
}

TEST(ContactRules, AHelperTouchingAnEnemySurvivesTenContactsAndGoesBackToItsPoolOnTheEleventh) {
  BotsTestGame test;
  test.world.setUpPlayer(400.0f, 250.0f);  // within the leash
  HelperBot& helper = test.factory().createHelperBot(test.world.game, 50, 400.0f, 400.0f);
  test.world.sprites().addBot(helper);
  test.world.sprites().getFlock().addMember(helper);
  RandomFloatingBot& enemy = test.factory().createRandomFloatingBot(test.world.physics(), 2, 20, 180, 410, 400);
  test.world.sprites().addBot(enemy);
  const size_t pooled = test.factory().helperPoolSize();
  for (int contact = 1; contact <= 10; ++contact) {
    // Kept overlapping: the contacts push the two apart.
    enemy.getBody()->SetTransform(b2Vec2(helper.getProperties().x + 10.0f, helper.getProperties().y), 0.0f);
    test.step();
    EXPECT_EQ(helper.getProperties().hitPoints, 100 - 10 * contact);
  }
  enemy.getBody()->SetTransform(b2Vec2(helper.getProperties().x + 10.0f, helper.getProperties().y), 0.0f);
  test.step();
  EXPECT_FALSE(test.isListed(helper));
  EXPECT_FALSE(test.world.sprites().getFlock().isMember(helper));
  EXPECT_EQ(test.factory().helperPoolSize(), pooled + 1);
  EXPECT_EQ(enemy.getProperties().hitPoints, 100);
}

TEST(ContactRules, AHelperIsLeashedFurtherThan352PixelsFromThePlayer) {
  for (const auto& [offset, kept] : {std::pair<float, bool>{352.0f, true}, {352.1f, false}}) {
    BotsTestGame test;
    test.world.setUpPlayer(100.0f, 100.0f);
    HelperBot& helper = test.factory().createHelperBot(test.world.game, 50, 100.0f + offset, 100.0f);
    test.world.sprites().addBot(helper);
    test.world.sprites().getFlock().addMember(helper);
    test.step();
    EXPECT_EQ(test.isListed(helper), kept) << offset;
    EXPECT_EQ(test.world.sprites().getFlock().isMember(helper), kept) << offset;
    EXPECT_EQ(helper.getBody() != nullptr, kept) << offset;
  }
}

}  // namespace
