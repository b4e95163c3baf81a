#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/RenderItem.h"

class Game;
class GameTimer;
class InputStateSource;
class RenderList;
class SdlGraphics;

// The real platform services for tests: a hidden window, the renderer (software under the test
// environment), the input service reading the test's state source, and the test's timer.
namespace HeadlessServices {
SdlGraphics& install(Game& game, int32_t width, int32_t height, std::unique_ptr<InputStateSource> input,
                     std::unique_ptr<GameTimer> timer);
// The game's own HUD text generator, initialised and installed.
void installTextGenerator(Game& game);
// The items of a render list in drawing order; the list is left as it was.
std::vector<RenderItem> itemsOf(RenderList& list);
}  // namespace HeadlessServices
