#include "support/HeadlessGame.h"

#include "app/GameStateManager.h"
#include "graphics/SdlGraphics.h"
#include "platform/SdlInput.h"
#include "platform/SdlOS.h"
#include "platform/SdlTimer.h"
#include "text/GameText.h"
#include "text/VexmoorTextGenerator.h"

HeadlessGame::HeadlessGame(int32_t width, int32_t height) {
  game.setDataLoader(&loader);
  auto os = std::make_unique<SdlOS>(WindowArguments{true}, false, L"test", width, height, game);
  auto graphics = std::make_unique<SdlGraphics>(game);
  graphics->initGraphicsLists(width, height);
  graphics->initGraphics(os->getWindowHandle(), false);
  graphics->initTextFont(20);
  auto source = std::make_unique<FakeInputSource>();
  input = source.get();
  auto timer = std::make_unique<SdlTimer>([this] { return clockMs; },
                                          [this](uint32_t ms) {
                                            clockMs += ms;
                                            ++sleeps;
                                          });
  game.setPlatformServices(std::move(graphics), std::make_unique<SdlInput>(std::move(source)), std::move(os),
                           std::move(timer));
  auto generator = std::make_unique<VexmoorTextGenerator>();
  generator->initText(game);
  game.getText()->setTextGenerator(std::move(generator));
}

HeadlessGame::~HeadlessGame() { game.releaseServices(); }
