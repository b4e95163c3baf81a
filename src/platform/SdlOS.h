#pragma once

#include <cstdint>
#include <string>

#include "platform/GameOS.h"
#include "platform/WindowArguments.h"

struct SDL_Window;
class Game;

// The game's single window on SDL2. Its client area is exactly the configured size at the screen
// origin (full screen: the desktop mode, with the renderer scaling the game's pixels to fit).
// Key and mouse events are kept out of the event queue because input is polled.
class SdlOS : public GameOS {
 public:
  SdlOS(const WindowArguments& arguments, bool fullscreen, const std::wstring& title, int32_t width,
        int32_t height, Game& game);
  ~SdlOS() override;
  SdlOS(const SdlOS&) = delete;
  SdlOS& operator=(const SdlOS&) = delete;

  void processOSMessages() override;
  void shutdown() override;

  SDL_Window* getWindowHandle() const { return window; }
  const std::wstring& getTitle() const { return title; }

 private:
  Game& game;
  SDL_Window* window = nullptr;  // owned; destroyed with the service
  std::wstring title;
};
