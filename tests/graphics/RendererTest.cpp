#include <gtest/gtest.h>

#include <SDL_image.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <vector>

#include "support/RenderTestGame.h"
#include "app/GameStateManager.h"
#include "graphics/SdlTextureManager.h"
#include "gui/GameGUI.h"
#include "sprites/SpriteManager.h"
#include "text/GameText.h"

namespace {

constexpr uint32_t BACKGROUND = SdlGraphics::CLEAR_COLOR;
constexpr uint32_t RED = 0xFFFF0000;
constexpr uint32_t GREEN = 0xFF00FF00;
constexpr uint32_t BLUE = 0xFF0000FF;
constexpr uint32_t WHITE = 0xFFFFFFFF;

int channel(uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }

// Each colour channel within the tolerance.
::testing::AssertionResult near(uint32_t actual, uint32_t expected, int tolerance) {
  for (int shift : {16, 8, 0}) {
    if (std::abs(channel(actual, shift) - channel(expected, shift)) > tolerance) {
      return ::testing::AssertionFailure() << std::hex << "0x" << actual << " is not near 0x" << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

class RendererTest : public ::testing::Test {
 protected:
  RenderList& world() { return *scene.graphics().getWorldRenderList(); }
  RenderList& gui() { return *scene.graphics().getGUIRenderList(); }
  uint32_t loadWorld(const std::wstring& path) { return scene.graphics().getWorldTextureManager()->loadTexture(path); }
  uint32_t loadGUI(const std::wstring& path) { return scene.graphics().getGUITextureManager()->loadTexture(path); }
  Viewport& viewport() { return scene.game().getGUI()->getViewport(); }
  // Does any pixel of the rectangle have exactly this colour?
  bool anyPixelIs(int left, int top, int width, int height, uint32_t argb) {
    for (int y = top; y < top + height; ++y) {
      for (int x = left; x < left + width; ++x) {
        if (scene.pixel(x, y) == argb) return true;
      }
    }
    return false;
  }
  bool allPixelsAre(int left, int top, int width, int height, uint32_t argb) {
    for (int y = top; y < top + height; ++y) {
      for (int x = left; x < left + width; ++x) {
        if (scene.pixel(x, y) != argb) return false;
      }
    }
    return true;
  }
  std::string debugOutput() {
    std::ifstream file(scene.folder() / "DebugOutput.txt");
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
  }

  RenderTestGame scene;
};

TEST(RenderListTest, FullListDropsFurtherItemsAndIteratesInOrder) {
  RenderList list(100);
  for (int i = 0; i < 101; ++i) list.addRenderItem(static_cast<uint32_t>(i), i, 0, 0, 255, 1, 1);
  EXPECT_EQ(list.getSize(), 100);
  list.resetIterator();
  int expected = 0;
  while (list.hasNext()) EXPECT_EQ(list.next().textureId, static_cast<uint32_t>(expected++));
  EXPECT_EQ(expected, 100);
  list.clear();
  EXPECT_FALSE(list.hasNext());
}

TEST(DisplayModeTest, FallsBackToTheLargestModeOnlyWhenNoneHasTheConfiguredSize) {
  using Mode = SdlGraphics::DisplayMode;
  struct Case {
    std::vector<Mode> modes;
    Mode expected;
  };
  const Mode configured{1024, 768};
  const std::vector<Case> cases = {
      {{{800, 600}, {1024, 768}, {1920, 1080}}, {1024, 768}},
      {{{800, 600}, {1920, 1080}, {1280, 720}}, {1920, 1080}},
      {{{1600, 900}, {1200, 1200}}, {1600, 900}},  // equal areas: the first wins
      {{}, {1024, 768}},
  };
  for (const Case& c : cases) {
    const Mode chosen = SdlGraphics::chooseDisplayMode(c.modes, configured);
    EXPECT_EQ(chosen.width, c.expected.width);
    EXPECT_EQ(chosen.height, c.expected.height);
  }
}

TEST_F(RendererTest, ColourKeyMakesOnlyOpaqueKeyPixelsTransparent) {
  scene.graphics().setColorKey(255, 0, 255);
  const uint32_t pixels[] = {0xFFFF00FF, 0xFFFE00FF, RED, 0xFFFF00FF};
  const uint32_t id = loadWorld(scene.writeImage("keyed.png", 4, 1, pixels));
  world().addRenderItem(id, 10, 10, 0, 255, 4, 1);
  scene.renderFrame();
  EXPECT_EQ(scene.pixel(10, 10), BACKGROUND);
  EXPECT_EQ(scene.pixel(11, 10), 0xFFFE00FF);
  EXPECT_EQ(scene.pixel(12, 10), RED);
  EXPECT_EQ(scene.pixel(13, 10), BACKGROUND);
}

TEST_F(RendererTest, AlphaIsClampedAndBlendsHalfWayAt128) {
  const uint32_t id = loadGUI(scene.writeImage("white.png", 8, 8, WHITE));
  gui().addRenderItem(id, 0, 0, 0, 128, 8, 8);
  gui().addRenderItem(id, 20, 0, 0, 300, 8, 8);
  gui().addRenderItem(id, 40, 0, 0, -5, 8, 8);
  scene.renderFrame();
  EXPECT_TRUE(near(scene.pixel(4, 4), 0xFFAFAFAF, 2));
  EXPECT_EQ(scene.pixel(24, 4), WHITE);
  EXPECT_EQ(scene.pixel(44, 4), BACKGROUND);
}

TEST_F(RendererTest, TextureIsDrawnAtItsOwnSizeNotTheItemSize) {
  const uint32_t id = loadGUI(scene.writeImage("small.png", 8, 8, RED));
  gui().addRenderItem(id, 10, 10, 0, 255, 64, 64);
  scene.renderFrame();
  EXPECT_TRUE(allPixelsAre(10, 10, 8, 8, RED));
  EXPECT_EQ(scene.pixel(18, 14), BACKGROUND);
  EXPECT_EQ(scene.pixel(14, 18), BACKGROUND);
}

TEST_F(RendererTest, WorldItemsAreShiftedByTheOffsetAndClippedAtTheViewportEdges) {
  // Each column has its own red level, so the column drawn can be told from the colour.
  std::vector<uint32_t> columns(32 * 4);
  for (int i = 0; i < 32 * 4; ++i) columns[i] = 0xFF000000u | (static_cast<uint32_t>(i % 32) * 8u << 16);
  const uint32_t id = loadWorld(scene.writeImage("columns.png", 32, 4, columns.data()));
  struct Case {
    int32_t offsetX;
    int32_t offsetY;
  };
  for (const Case c : {Case{0, 0}, Case{20, 30}}) {
    viewport().setViewportOffsetX(c.offsetX);
    viewport().setViewportOffsetY(c.offsetY);
    world().addRenderItem(id, -10, 5, 0, 255, 32, 4);
    world().addRenderItem(id, 50, -2, 0, 255, 32, 4);
    scene.renderFrame();
    const int y = 5 + c.offsetY;
    EXPECT_EQ(scene.pixel(c.offsetX, y), 0xFF000000u | (10u * 8u << 16)) << c.offsetX;
    EXPECT_EQ(scene.pixel(c.offsetX + 21, y), 0xFF000000u | (31u * 8u << 16));
    EXPECT_EQ(scene.pixel(c.offsetX + 22, y), BACKGROUND);
    if (c.offsetX > 0) {
      EXPECT_EQ(scene.pixel(c.offsetX - 1, y), BACKGROUND);
    }
    // Clipped at the top: two rows remain, starting at the viewport's top edge.
    EXPECT_EQ(scene.pixel(50 + c.offsetX, c.offsetY), 0xFF000000u);
    EXPECT_EQ(scene.pixel(50 + c.offsetX, c.offsetY + 1), 0xFF000000u);
    EXPECT_EQ(scene.pixel(50 + c.offsetX, c.offsetY + 2), BACKGROUND);
  }
}

TEST_F(RendererTest, RotationTurnsAboutTheItemsCentreOnScreen) {
  // Left half red, right half blue: a quarter turn clockwise puts red on top.
  std::vector<uint32_t> halves(32 * 32);
  for (int i = 0; i < 32 * 32; ++i) halves[i] = (i % 32) < 16 ? RED : BLUE;
  const uint32_t id = loadWorld(scene.writeImage("halves.png", 32, 32, halves.data()));
  for (int32_t offset : {0, 10}) {
    viewport().setViewportOffsetX(offset);
    viewport().setViewportOffsetY(offset);
    world().addRenderItem(id, 50, 50, 0, 255, 32, 32, std::numbers::pi_v<float> / 2);
    scene.renderFrame();
    const int left = 50 + offset;
    EXPECT_TRUE(allPixelsAre(left + 2, left + 2, 28, 12, RED)) << offset;
    EXPECT_TRUE(allPixelsAre(left + 2, left + 18, 28, 12, BLUE)) << offset;
    EXPECT_EQ(scene.pixel(left - 2, left + 16), BACKGROUND);
    EXPECT_EQ(scene.pixel(left + 16, left + 34), BACKGROUND);
  }
}

TEST_F(RendererTest, ItemsWithoutATextureDrawNothing) {
  world().addRenderItem(TextureManager::FAILED_LOAD, 10, 10, 0, 255, 32, 32);
  gui().addRenderItem(7, 10, 10, 0, 255, 32, 32);
  scene.renderFrame();
  EXPECT_TRUE(allPixelsAre(10, 10, 32, 32, BACKGROUND));
  EXPECT_EQ(world().getSize(), 0);
  EXPECT_EQ(gui().getSize(), 0);
}

TEST_F(RendererTest, WorldUnderGUIUnderTextUnderAimLine) {
  scene.graphics().setFontColor(0, 0, 255);
  world().addRenderItem(loadWorld(scene.writeImage("red.png", 60, 60, RED)), 0, 0, 0, 255, 60, 60);
  gui().addRenderItem(loadGUI(scene.writeImage("green.png", 30, 30, GREEN)), 0, 0, 0, 255, 30, 30);
  const std::wstring text = L"MMM";
  scene.game().getText()->addText(&text, 0, 0, 30, 16);
  // The aiming line crosses the GUI image on row 20, below the text.
  scene.game().getStateManager()->setCurrentState(GS_GAME_IN_PROGRESS);
  SpriteProperties& player = scene.game().getStateManager()->getSpriteManager()->getPlayer().getProperties();
  player.y = 15.0f;
  player.collisionWidth = 10.0f;
  player.collisionHeight = 10.0f;
  scene.setMouse(190, 20);
  scene.renderFrame();
  EXPECT_EQ(scene.pixel(45, 45), RED);
  EXPECT_TRUE(anyPixelIs(0, 0, 30, 16, BLUE));
  EXPECT_TRUE(anyPixelIs(0, 0, 30, 16, GREEN));
  EXPECT_EQ(scene.pixel(10, 25), GREEN);
  EXPECT_TRUE(near(scene.pixel(20, 20), 0xFF808405, 3));
  EXPECT_FALSE(anyPixelIs(0, 0, 30, 30, RED));
}

TEST_F(RendererTest, AimLineRunsFromOneToFourAndAHalfWidthsTowardsTheCursor) {
  SpriteProperties& player = scene.game().getStateManager()->getSpriteManager()->getPlayer().getProperties();
  player.x = 40.0f;
  player.y = 45.0f;
  player.collisionWidth = 10.0f;
  player.collisionHeight = 10.0f;
  viewport().setViewportX(10);
  viewport().setViewportY(20);
  // Centre on screen (35, 30); the line covers x from 45 to 80 on row 30, over a level on screen only.
  scene.setMouse(190, 30);
  scene.renderFrame();
  EXPECT_EQ(scene.pixel(60, 30), BACKGROUND);  // the main menu
  scene.game().getStateManager()->setCurrentState(GS_PAUSED);
  scene.renderFrame();
  const uint32_t blended = 0xFF000000u | (176u << 16) | (53u << 8) | 53u;
  for (int x = 46; x <= 79; x += 3) EXPECT_TRUE(near(scene.pixel(x, 30), blended, 3)) << x;
  EXPECT_EQ(scene.pixel(43, 30), BACKGROUND);
  EXPECT_EQ(scene.pixel(82, 30), BACKGROUND);
  EXPECT_EQ(scene.pixel(60, 32), BACKGROUND);
}

TEST_F(RendererTest, FadingEntryLosesTwoAlphaPerFrameAndStopsAtZero) {
  const std::wstring text = L"MMMM";
  GameText& gameText = *scene.game().getText();
  TextEntry& entry = gameText.getTextEntry(gameText.addColoredText(&text, 10, 10, 100, 30, 255, 255, 255));
  entry.alpha = 5;
  scene.renderFrame();
  EXPECT_EQ(entry.alpha, 3);
  EXPECT_TRUE(anyPixelIs(10, 10, 100, 30, BACKGROUND));
  EXPECT_FALSE(anyPixelIs(10, 10, 100, 30, WHITE));  // faint, not opaque
  scene.renderFrame();
  EXPECT_EQ(entry.alpha, 1);
  scene.renderFrame();
  EXPECT_EQ(entry.alpha, 0);
  EXPECT_TRUE(allPixelsAre(10, 10, 100, 30, BACKGROUND));
  scene.renderFrame();
  EXPECT_EQ(entry.alpha, 0);
  // A full-opacity entry that does not fade shows its colour exactly.
  entry.alpha = 255;
  entry.fading = false;
  scene.renderFrame();
  EXPECT_EQ(entry.alpha, 255);
  EXPECT_TRUE(anyPixelIs(10, 10, 100, 30, WHITE));
}

TEST_F(RendererTest, FontColourEntryIgnoresFadingAndIsClippedToItsRectangle) {
  scene.graphics().setFontColor(20, 240, 30);
  const std::wstring text = L"MMMMMMMMMM\nMMMMMMMMMM";
  TextEntry& entry = scene.game().getText()->getTextEntry(scene.game().getText()->addText(&text, 10, 10, 40, 60));
  scene.renderFrame();
  scene.renderFrame();
  EXPECT_EQ(entry.alpha, 255);
  EXPECT_TRUE(anyPixelIs(10, 10, 40, 16, 0xFF14F01E));
  // The line break starts a second line below the first.
  EXPECT_TRUE(anyPixelIs(10, 32, 40, 16, 0xFF14F01E));
  // Nothing to the right of the rectangle.
  EXPECT_TRUE(allPixelsAre(50, 0, 100, 80, BACKGROUND));
}

TEST_F(RendererTest, DeviceResetRecoversEverythingUnderTheSameIds) {
  scene.game().getText()->initDebugFile((scene.folder() / "DebugOutput.txt").string());
  const uint32_t worldId = loadWorld(scene.writeImage("w.png", 8, 8, RED));
  const uint32_t guiFirst = loadGUI(scene.writeImage("g0.png", 8, 8, BLUE));
  const uint32_t guiId = loadGUI(scene.writeImage("g1.png", 8, 8, GREEN));
  ASSERT_EQ(guiFirst, 0u);
  ASSERT_EQ(guiId, 1u);
  scene.graphics().onDeviceReset();
  scene.renderFrame();  // recovery frame: nothing is drawn, nothing crashes
  EXPECT_NE(debugOutput().find("\ngraphicsDevice->Reset: FAILED - Reloading GPU images"), std::string::npos);
  EXPECT_NE(debugOutput().find("SUCCEEDED\nD3DXCreateSprite(): SUCCEEDED"), std::string::npos);
  ASSERT_NE(scene.graphics().getRenderer(), nullptr);
  world().addRenderItem(worldId, 10, 10, 0, 255, 8, 8);
  gui().addRenderItem(guiId, 30, 10, 0, 255, 8, 8);
  scene.renderFrame();
  EXPECT_EQ(scene.pixel(14, 14), RED);
  EXPECT_EQ(scene.pixel(34, 14), GREEN);
}

TEST_F(RendererTest, AfterShutdownFramesDrawNothingAndDoNotCrash) {
  world().addRenderItem(loadWorld(scene.writeImage("w.png", 8, 8, RED)), 0, 0, 0, 255, 8, 8);
  scene.graphics().shutdown();
  EXPECT_EQ(scene.graphics().captureFrame(), nullptr);
  scene.graphics().renderGame(scene.game());
  EXPECT_FALSE(scene.graphics().saveScreenshot((scene.folder() / "none.png").string()));
}

TEST_F(RendererTest, ScreenshotWritesTheBackBufferAsPNG) {
  gui().addRenderItem(loadGUI(scene.writeImage("red.png", 8, 8, RED)), 10, 10, 0, 255, 8, 8);
  scene.renderFrame();
  const std::string path = (scene.folder() / "shot.png").string();
  ASSERT_TRUE(scene.graphics().saveScreenshot(path));
  SdlGraphics::SurfacePtr loaded(IMG_Load(path.c_str()));
  ASSERT_NE(loaded, nullptr);
  SdlGraphics::SurfacePtr argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  EXPECT_EQ(argb->w, RenderTestGame::WIDTH);
  EXPECT_EQ(argb->h, RenderTestGame::HEIGHT);
  const auto pixelAt = [&](int x, int y) {
    return reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch)[x];
  };
  EXPECT_EQ(pixelAt(12, 12), RED);
  EXPECT_EQ(pixelAt(30, 30), BACKGROUND);
}

}  // namespace
