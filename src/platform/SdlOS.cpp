#include "platform/SdlOS.h"

#include <SDL.h>

#include <iostream>

#include "app/Game.h"
#include "data/WideText.h"
#include "graphics/GameGraphics.h"

namespace {
// Input is polled every frame; a burst of these must never delay a close request.
constexpr Uint32 polledEventTypes[] = {
    SDL_KEYDOWN,         SDL_KEYUP,         SDL_TEXTEDITING,  SDL_TEXTINPUT, SDL_KEYMAPCHANGED,
    SDL_MOUSEMOTION,     SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP, SDL_MOUSEWHEEL,
};
}  // namespace

SdlOS::SdlOS(const WindowArguments& arguments, bool fullscreen, const std::wstring& windowTitle,
             int32_t width, int32_t height, Game& owner)
    : game(owner), title(windowTitle) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::cerr << "window: SDL video could not start: " << SDL_GetError() << "\n";
    return;
  }
  for (Uint32 type : polledEventTypes) SDL_EventState(type, SDL_IGNORE);
  Uint32 flags = arguments.hidden ? SDL_WINDOW_HIDDEN : SDL_WINDOW_SHOWN;
  if (fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  window = SDL_CreateWindow(WideText::toUtf8(title).c_str(), 0, 0, width, height, flags);
  if (!window) std::cerr << "window: could not be created: " << SDL_GetError() << "\n";
  // The game draws its own cursor.
  SDL_ShowCursor(SDL_DISABLE);
}

SdlOS::~SdlOS() {
  if (window) SDL_DestroyWindow(window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

void SdlOS::processOSMessages() {
  SDL_Event event;
  if (!SDL_PollEvent(&event)) return;
  switch (event.type) {
    case SDL_QUIT:
      game.shutdown();
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) game.shutdown();
      break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
      if (game.getGraphics()) game.getGraphics()->onDeviceReset();
      break;
    default:
      break;
  }
}

void SdlOS::shutdown() {
  // The loop has already stopped; hiding the window makes the close visible at once.
  if (window) SDL_HideWindow(window);
}
