// One frame of the renderer on the software renderer: 1000 world items, 100 GUI items and the HUD
// text, drawn the way the main loop draws them.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "support/RenderTestGame.h"
#include "app/GameStateManager.h"
#include "game/HitPointDisplay.h"
#include "sprites/SpriteManager.h"
#include "text/GameText.h"
#include "text/VexmoorTextGenerator.h"

namespace {

void renderFrame(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("SDL_RENDER_DRIVER", "software", 0);
  RenderTestGame scene(1024, 768);
  HitPointDisplay hitPoints;
  Game& game = scene.game();
  SdlGraphics& graphics = scene.graphics();
  const uint32_t tile = graphics.getWorldTextureManager()->loadTexture(scene.writeImage("tile.png", 32, 32, 0xFF337744));
  const uint32_t button = graphics.getGUITextureManager()->loadTexture(scene.writeImage("button.png", 64, 24, 0xC0AA2222));
  auto generator = std::make_unique<VexmoorTextGenerator>();
  VexmoorTextGenerator& hud = *generator;
  hud.initText(game);
  game.getText()->setTextGenerator(std::move(generator));
  hitPoints.init(game);
  game.getStateManager()->setCurrentState(GS_GAME_IN_PROGRESS);
  SpriteProperties& player = game.getStateManager()->getSpriteManager()->getPlayer().getProperties();
  player.collisionWidth = 32.0f;
  player.collisionHeight = 32.0f;
  player.hitPoints = 100;
  player.ammoInClip = 30;
  player.ammoReserve = 90;
  scene.setMouse(700, 500);

  RenderList& world = *graphics.getWorldRenderList();
  RenderList& gui = *graphics.getGUIRenderList();
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) world.addRenderItem(tile, (i % 32) * 32 - 8, (i / 32) * 24 - 8, 0, 255, 32, 32);
    for (int i = 0; i < 100; ++i) gui.addRenderItem(button, (i % 10) * 100, (i / 10) * 70, 0, 200, 64, 24);
    hud.updateText(game);
    hitPoints.update(game);
    graphics.renderGame(game);
  }
}

}  // namespace

BENCHMARK(renderFrame)->Unit(benchmark::kMicrosecond);
