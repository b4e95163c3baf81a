#include <SDL.h>
#include <gtest/gtest.h>

#include "app/GameStateManager.h"
#include "platform/SdlOS.h"
#include "support/HeadlessGame.h"

namespace {

int pendingUserEvents() { return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_USEREVENT, SDL_USEREVENT); }

struct SdlOSTest : testing::Test {
  HeadlessGame headless;
  void SetUp() override {
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }
  void push(Uint32 type) {
    SDL_Event event{};
    event.type = type;
    SDL_PushEvent(&event);
  }
};

TEST_F(SdlOSTest, OneEventIsHandledPerFrame) {
  for (int i = 0; i < 3; ++i) push(SDL_USEREVENT);
  headless.game.getOS()->processOSMessages();
  EXPECT_EQ(pendingUserEvents(), 2);
  headless.game.getOS()->processOSMessages();
  EXPECT_EQ(pendingUserEvents(), 1);
}

TEST_F(SdlOSTest, ClosingTheWindowStopsTheGame) {
  push(SDL_QUIT);
  headless.game.getOS()->processOSMessages();
  EXPECT_EQ(headless.game.getStateManager()->getCurrentState(), GS_EXIT_GAME);
}

TEST_F(SdlOSTest, MouseAndKeyEventsNeverQueueAheadOfAClose) {
  // Real mouse motion, as the platform reports it, ahead of the close request.
  SDL_Window* window = dynamic_cast<SdlOS&>(*headless.game.getOS()).getWindowHandle();
  for (int i = 0; i < 50; ++i) SDL_WarpMouseInWindow(window, i, i);
  push(SDL_QUIT);
  headless.game.getOS()->processOSMessages();
  EXPECT_EQ(headless.game.getStateManager()->getCurrentState(), GS_EXIT_GAME);
}

TEST_F(SdlOSTest, TheWindowHasTheConfiguredClientSize) {
  int width = 0;
  int height = 0;
  SDL_Window* window = dynamic_cast<SdlOS&>(*headless.game.getOS()).getWindowHandle();
  ASSERT_NE(window, nullptr);
  SDL_GetWindowSize(window, &width, &height);
  EXPECT_EQ(width, 320);
  EXPECT_EQ(height, 240);
}

}  // namespace
