#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "graphics/GameGraphics.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Surface;
struct SDL_Texture;
struct _TTF_Font;
class Viewport;

// The renderer on SDL_Renderer: accelerated where there is one, software otherwise. Text goes
// through SDL_ttf with a bold monospaced font; each text entry keeps one texture of its string
// until the string changes, so an unchanged frame allocates nothing.
class SdlGraphics : public GameGraphics {
 public:
  // One display mode's size in pixels.
  struct DisplayMode {
    int32_t width = 0;
    int32_t height = 0;
  };
  struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const;
  };
  using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

  static constexpr int32_t LARGE_FONT_HEIGHT = 30;
  static constexpr uint32_t CLEAR_COLOR = 0xFF606060;  // ARGB

  explicit SdlGraphics(Game& game);
  ~SdlGraphics() override;

  std::unique_ptr<TextureManager> createTextureManager() override;
  // Creates the renderer on the window. Full screen: when no display mode has the configured
  // size, the game takes the size of the largest mode. False when there is no renderer.
  bool initGraphics(SDL_Window* window, bool fullscreen);
  void initTextFont(int32_t height) override;
  void reloadGraphics() override;
  void renderGame(Game& game) override;
  void renderTextToDraw(TextEntry& entry) override;
  void setColorKey(int32_t red, int32_t green, int32_t blue) override;
  void setFontColor(int32_t red, int32_t green, int32_t blue) override;
  void shutdown() override;
  void onDeviceReset() override;

  SDL_Renderer* getRenderer() const { return renderer; }
  // Makes opaque pixels of exactly the colour key fully transparent. The surface is ARGB8888.
  void applyColorKey(SDL_Surface& surface) const;
  // The back buffer as an ARGB8888 surface (empty without a renderer).
  SurfacePtr captureFrame() const;
  // Writes the back buffer to a PNG file; false when there is nothing to write or it fails.
  bool saveScreenshot(const std::string& path) const;
  // The size the game takes when none of the modes has the configured size: the largest mode
  // (the first of equal areas). The configured size when one mode matches or there are none.
  static DisplayMode chooseDisplayMode(const std::vector<DisplayMode>& modes, DisplayMode configured);

 private:
  struct TextureDeleter {
    void operator()(SDL_Texture* texture) const;
  };
  struct FontDeleter {
    void operator()(_TTF_Font* font) const;
  };
  using TexturePtr = std::unique_ptr<SDL_Texture, TextureDeleter>;
  using FontPtr = std::unique_ptr<_TTF_Font, FontDeleter>;
  // The texture made from an entry's string, white, tinted by modulation when drawn.
  struct CachedText {
    std::wstring text;
    bool largeFont = false;
    TexturePtr texture;
    int width = 0;
    int height = 0;
  };

  bool createRenderer();
  void destroyRenderer();
  void applyFullscreenMode();
  void renderWorldRenderList(const Viewport& viewport);
  void renderGUIRenderList();
  void renderAimLine(Game& game);
  void drawItem(SDL_Texture* texture, const RenderItem& item, int32_t offsetX, int32_t offsetY, bool clip);
  CachedText& cachedTextFor(const TextEntry& entry);
  _TTF_Font* fontFor(bool largeFont) const;
  void writeDebugOutput(const char* message);

  SDL_Window* window = nullptr;      // the OS service's window, not owned
  SDL_Renderer* renderer = nullptr;  // owned; absent after a failed creation
  bool fullscreen = false;
  bool deviceReset = false;  // the platform lost the device; recover at the next frame
  uint32_t colorKey = 0;            // ARGB; 0 (transparent) matches no opaque pixel: no key yet
  uint32_t fontColor = 0xFF000000;  // ARGB
  int32_t textFontHeight = 20;      // pixels, kept so a device reset keeps the configured size
  std::string fontFile;  // found through fontconfig once
  bool fontMissingReported = false;
  FontPtr textFont;
  FontPtr largeTextFont;
  std::unordered_map<const TextEntry*, CachedText> textTextures;  // entries outlive the renderer's use
};
