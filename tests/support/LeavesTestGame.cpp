#include "LeavesTestGame.h"

#include "graphics/SdlGraphics.h"
#include "platform/SdlInput.h"
#include "platform/SdlOS.h"
#include "platform/SdlTimer.h"
#include "text/GameText.h"
#include "text/VexmoorTextGenerator.h"

LeavesTestGame::LeavesTestGame() : game(std::make_unique<Game>()) {
  constexpr int32_t width = 800;
  constexpr int32_t height = 600;
  auto os = std::make_unique<SdlOS>(WindowArguments{true}, false, L"Vexmoor test", width, height, *game);
  auto graphics = std::make_unique<SdlGraphics>(*game);
  graphics->initGraphicsLists(width, height);
  graphics->initGraphics(os->getWindowHandle(), false);
  game->setPlatformServices(std::move(graphics), std::make_unique<SdlInput>(), std::move(os),
                            std::make_unique<SdlTimer>());
  auto generator = std::make_unique<VexmoorTextGenerator>();
  generator->initText(*game);
  game->getText()->setTextGenerator(std::move(generator));
}
