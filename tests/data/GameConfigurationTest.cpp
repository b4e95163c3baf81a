#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "data/VexmoorDataLoader.h"
#include "graphics/GameGraphics.h"
#include "gui/GameGUI.h"
#include "platform/SdlOS.h"

namespace {

namespace fs = std::filesystem;

// Loads a game configuration from a scratch folder that is the working directory meanwhile.
struct GameConfigurationTest : testing::Test {
  fs::path folder = fs::temp_directory_path() /
                    (std::string("vexmoor_config_") + testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::path previous = fs::current_path();
  VexmoorDataLoader loader;
  Game game;

  void SetUp() override {
    fs::remove_all(folder);
    fs::create_directories(folder / "data/levels");
    fs::current_path(folder);
    loader.setWindowArguments(WindowArguments{true});
    game.setDataLoader(&loader);
  }
  void TearDown() override {
    game.releaseServices();
    fs::current_path(previous);
    fs::remove_all(folder);
  }
  static void write(const fs::path& path, const std::string& content) { std::ofstream(path) << content; }
  void loadGame(const std::string& configuration) {
    write("data/VexmoorGameInit.txt", configuration);
    testing::internal::CaptureStderr();
    loader.loadGame(game, L"data/VexmoorGameInit.txt");
    errors = testing::internal::GetCapturedStderr();
  }
  std::string errors;
  SDL_Window* window() { return dynamic_cast<SdlOS&>(*game.getOS()).getWindowHandle(); }
};

TEST_F(GameConfigurationTest, BuildsTheWindowViewportAndDebugOutputFromTheFile) {
  write("DebugOutput.txt", "left from an earlier run");
  loadGame("TITLE:Moor Test\nSCREEN_WIDTH:800\nSCREEN_HEIGHT:600\nVIEWPORT_OFFSET_X:0\nVIEWPORT_OFFSET_Y:64\n"
           "USE_FULLSCREEN_MODE:TRUE\nTEXT_FONT_SIZE:18\n");
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window(), &width, &height);
  EXPECT_EQ(width, 800);
  EXPECT_EQ(height, 600);
  EXPECT_STREQ(SDL_GetWindowTitle(window()), "Moor Test");
  EXPECT_EQ(SDL_GetWindowFlags(window()) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0u);  // only "true" is full screen
  EXPECT_EQ(game.getGraphics()->getScreenWidth(), 800);

  const Viewport& viewport = game.getGUI()->getViewport();
  EXPECT_EQ(viewport.getViewportWidth(), 800);
  EXPECT_EQ(viewport.getViewportHeight(), 536);
  EXPECT_EQ(viewport.getViewportOffsetX(), 0);
  EXPECT_EQ(viewport.getViewportOffsetY(), 64);

  // Recreated at start, and opened early enough to keep the renderer's start-up messages.
  std::stringstream debug;
  debug << std::ifstream("DebugOutput.txt").rdbuf();
  EXPECT_EQ(debug.str().find("left from an earlier run"), std::string::npos);
  EXPECT_NE(debug.str().find("SUCCEEDED"), std::string::npos);
}

TEST_F(GameConfigurationTest, AnUnusableFontSizeFallsBackToTheDefaultWithOneLine) {
  for (const char* size : {"", "TEXT_FONT_SIZE:0\n", "TEXT_FONT_SIZE:100000\n"}) {
    game.releaseServices();
    loadGame(std::string("SCREEN_WIDTH:320\nSCREEN_HEIGHT:240\n") + size);
    // The only other line is the chat file this scratch folder lacks.
    EXPECT_EQ(errors, "data/VexmoorGameInit.txt: TEXT_FONT_SIZE must be 1 to 200; using 20\n"
                      "data/levels/ZombieChat.txt: cannot be read; using empty values\n")
        << size;
  }
}

TEST_F(GameConfigurationTest, LevelsRegisterInTheOrderOneThreeTwo) {
  write("data/levels/list.txt", "LEVEL_NAMES_FILE:data/levels/names.txt\nLEVEL_PATHS_FILE:data/levels/paths.txt\n");
  write("data/levels/names.txt", "LEVEL_TWO:Third\nLEVEL_ONE:First\nLEVEL_THREE:Second\n");
  write("data/levels/paths.txt", "LEVEL_ONE:one.txt\nLEVEL_TWO:three.txt\nLEVEL_THREE:two.txt\n");
  loader.loadLevelList(game, L"data/levels/list.txt");
  GameStateManager& states = *game.getStateManager();
  ASSERT_EQ(states.getNumberOfLevels(), 3u);
  const std::vector<std::wstring> names = {L"First", L"Second", L"Third"};
  const std::vector<std::wstring> files = {L"one.txt", L"two.txt", L"three.txt"};
  for (uint32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(states.findLevel(names[i]), i);
    EXPECT_EQ(states.getLevelFile(i), files[i]);
  }
}

TEST_F(GameConfigurationTest, AMissingLevelListStillRegistersThreeEmptyLevels) {
  testing::internal::CaptureStderr();
  loader.loadLevelList(game, L"data/levels/none.txt");
  const std::string error = testing::internal::GetCapturedStderr();
  EXPECT_NE(error.find("none.txt"), std::string::npos);
  EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1);  // the names and paths keys are simply empty
  EXPECT_EQ(game.getStateManager()->getNumberOfLevels(), 3u);
}

}  // namespace
