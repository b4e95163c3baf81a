#include "support/HeadlessServices.h"

#include "app/Game.h"
#include "graphics/SdlGraphics.h"
#include "platform/SdlInput.h"
#include "platform/SdlOS.h"
#include "platform/SdlTimer.h"
#include "text/GameText.h"
#include "text/VexmoorTextGenerator.h"

namespace HeadlessServices {

SdlGraphics& install(Game& game, int32_t width, int32_t height, std::unique_ptr<InputStateSource> input,
                     std::unique_ptr<GameTimer> timer) {
  auto os = std::make_unique<SdlOS>(WindowArguments{true}, false, L"Vexmoor test", width, height, game);
  auto graphics = std::make_unique<SdlGraphics>(game);
  graphics->initGraphicsLists(width, height);
  graphics->initGraphics(os->getWindowHandle(), false);
  graphics->initTextFont(20);
  SdlGraphics& installed = *graphics;
  game.setPlatformServices(std::move(graphics), std::make_unique<SdlInput>(std::move(input)), std::move(os),
                           std::move(timer));
  return installed;
}

void installTextGenerator(Game& game) {
  auto generator = std::make_unique<VexmoorTextGenerator>();
  generator->initText(game);
  game.getText()->setTextGenerator(std::move(generator));
}

std::vector<RenderItem> itemsOf(RenderList& list) {
  std::vector<RenderItem> items;
  for (list.resetIterator(); list.hasNext();) items.push_back(list.next());
  list.resetIterator();
  return items;
}

}  // namespace HeadlessServices
