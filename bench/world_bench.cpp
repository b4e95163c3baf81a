// A 100 x 100 tile level walled round its border, with fog and 256 bots wandering on their
// bodies: the sprite manager's update (with the fog) and one physics step.
#include <benchmark/benchmark.h>

#include <box2d/box2d.h>

#include <cmath>

#include "support/WorldTestGame.h"
#include "app/GameStateManager.h"
#include "graphics/RenderList.h"
#include "sprites/SpriteManager.h"
#include "world/Physics.h"
#include "world/World.h"

namespace {

using worldtest::WorldTestBot;
using worldtest::WorldTestGame;

constexpr int32_t SIZE = 100;  // tiles
constexpr int BOTS = 256;

void buildLevel(WorldTestGame& test) {
  test.addTiledLayer(SIZE, SIZE, [](int32_t column, int32_t row) {
    return column == 0 || row == 0 || column == SIZE - 1 || row == SIZE - 1 || (column % 10 == 5 && row % 7 == 3);
  });
  test.addFog(SIZE * 32 / 128, SIZE * 32 / 128);
  test.setUpPlayer(1600.0f, 1600.0f);
  for (int i = 0; i < BOTS; ++i) {
    WorldTestBot& bot = test.addBot(64.0f + static_cast<float>(i % 16) * 190.0f,
                                    64.0f + static_cast<float>(i / 16) * 190.0f);
    // Turns a little every frame, so the bodies keep moving and meeting walls and each other.
    bot.onThink = [&bot, i](Game&) {
      const float angle = static_cast<float>(bot.thinkCount) * 0.02f + static_cast<float>(i);
      bot.getBody()->SetLinearVelocity(b2Vec2(90.0f * std::cos(angle), 90.0f * std::sin(angle)));
    };
    test.physics().createBotBody(test.game, bot);
  }
  test.physics().createTileBodies(test.game);
  test.stateManager().setCurrentState(GS_GAME_IN_PROGRESS);
}

void BM_SpriteManagerUpdate(benchmark::State& state) {
  WorldTestGame test;
  buildLevel(test);
  for (auto _ : state) {
    test.sprites().update(test.game);
    test.world().updateFogOfWar(test.game);
  }
}
BENCHMARK(BM_SpriteManagerUpdate)->Unit(benchmark::kMicrosecond);

// The physics step needs the bots' steering to keep bodies moving: the step's own cost is this
// minus BM_SpriteManagerUpdate.
void BM_UpdateAndPhysicsStep(benchmark::State& state) {
  WorldTestGame test;
  buildLevel(test);
  for (auto _ : state) {
    test.sprites().update(test.game);
    test.physics().updatePhysics(test.game);
  }
}
BENCHMARK(BM_UpdateAndPhysicsStep)->Unit(benchmark::kMicrosecond);

void BM_LevelRenderItems(benchmark::State& state) {
  WorldTestGame test;
  buildLevel(test);
  for (auto _ : state) {
    test.worldList().clear();
    test.stateManager().addLevelRenderItems(test.game);
  }
}
BENCHMARK(BM_LevelRenderItems)->Unit(benchmark::kMicrosecond);

}  // namespace
