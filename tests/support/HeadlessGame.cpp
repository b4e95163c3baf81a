#include "support/HeadlessGame.h"

#include "platform/SdlTimer.h"
#include "support/HeadlessServices.h"

HeadlessGame::HeadlessGame(int32_t width, int32_t height) {
  game.setDataLoader(&loader);
  auto source = std::make_unique<FakeInputSource>();
  input = source.get();
  auto timer = std::make_unique<SdlTimer>([this] { return clockMs; },
                                          [this](uint32_t ms) {
                                            clockMs += ms;
                                            ++sleeps;
                                          });
  HeadlessServices::install(game, width, height, std::move(source), std::move(timer));
  HeadlessServices::installTextGenerator(game);
}

HeadlessGame::~HeadlessGame() { game.releaseServices(); }
