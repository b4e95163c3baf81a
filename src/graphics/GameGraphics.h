#pragma once

#include <cstdint>
#include <memory>

#include "graphics/RenderList.h"
#include "graphics/TextureManager.h"

class Game;
class GameText;
struct TextEntry;

// The renderer: owns the two render lists (world and GUI) and their texture managers, and draws a
// frame from them. The platform drawing lives in the subclass.
class GameGraphics {
 public:
  static constexpr int32_t GUI_LIST_CAPACITY = 100;
  static constexpr int32_t WORLD_LIST_CAPACITY = 1000;

  explicit GameGraphics(Game& game) : game(game) {}
  virtual ~GameGraphics() = default;
  GameGraphics(const GameGraphics&) = delete;
  GameGraphics& operator=(const GameGraphics&) = delete;

  virtual std::unique_ptr<TextureManager> createTextureManager() = 0;
  virtual int32_t getScreenHeight() const { return screenHeight; }
  virtual int32_t getScreenWidth() const { return screenWidth; }
  virtual void initTextFont(int32_t height) = 0;
  virtual void reloadGraphics() = 0;
  virtual void renderGame(Game& game) = 0;
  virtual void renderTextToDraw(TextEntry& entry) = 0;
  virtual void setColorKey(int32_t red, int32_t green, int32_t blue) = 0;
  virtual void setFontColor(int32_t red, int32_t green, int32_t blue) = 0;
  virtual void shutdown() = 0;
  // The platform reported that the device or its render targets were lost.
  virtual void onDeviceReset() = 0;

  void initGraphicsLists(int32_t width, int32_t height);
  void fillRenderLists(Game& game);
  void clearWorldTextures();
  void renderText(GameText& text);

  RenderList* getGUIRenderList() { return guiRenderList.get(); }
  RenderList* getWorldRenderList() { return worldRenderList.get(); }
  TextureManager* getGUITextureManager() { return guiTextureManager.get(); }
  TextureManager* getWorldTextureManager() { return worldTextureManager.get(); }

 protected:
  Game& game;
  int32_t screenWidth = 0;
  int32_t screenHeight = 0;
  std::unique_ptr<RenderList> guiRenderList;
  std::unique_ptr<RenderList> worldRenderList;
  std::unique_ptr<TextureManager> guiTextureManager;
  std::unique_ptr<TextureManager> worldTextureManager;
};
