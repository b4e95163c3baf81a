#include "graphics/SdlGraphics.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <numbers>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "data/WideText.h"
#include "graphics/SdlTextureManager.h"
#include "gui/GameGUI.h"
#include "platform/GameInput.h"
#include "sprites/SpriteManager.h"
#include "text/GameText.h"
#include "text/TextEntry.h"

namespace {
constexpr const char* FONT_PATTERN = "DejaVu Sans Mono:style=Bold";

uint32_t toArgb(int32_t red, int32_t green, int32_t blue) {
  return 0xFF000000u + (static_cast<uint32_t>(red) & 0xFF) * 0x10000u +
         (static_cast<uint32_t>(green) & 0xFF) * 0x100u + (static_cast<uint32_t>(blue) & 0xFF);
}

Uint8 channel(uint32_t argb, int shift) { return static_cast<Uint8>((argb >> shift) & 0xFF); }

// 255 is opaque; anything else is clamped into 0..255.
Uint8 itemAlpha(int32_t alpha) { return static_cast<Uint8>(std::clamp(alpha, 0, 255)); }

// The font file fontconfig picks for the game's bold monospaced face; empty when there is none.
std::string findFontFile() {
  std::string file;
  FcConfig* config = FcInitLoadConfigAndFonts();
  if (!config) return file;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(FONT_PATTERN));
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
    FcChar8* path = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) file = reinterpret_cast<char*>(path);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  FcConfigDestroy(config);
  return file;
}

// Opens the font so that one line is at most the given height in pixels (a cell height, the way
// the game's data files give font sizes).
TTF_Font* openFont(const std::string& file, int32_t height) {
  if (file.empty() || height <= 0) return nullptr;
  TTF_Font* font = TTF_OpenFont(file.c_str(), height);
  if (!font) return nullptr;
  const int lineHeight = TTF_FontHeight(font);
  if (lineHeight > height) {
    TTF_SetFontSize(font, static_cast<int>(std::max<int64_t>(1, int64_t{height} * height / lineHeight)));
  }
  return font;
}
}  // namespace

void SdlGraphics::SurfaceDeleter::operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
void SdlGraphics::TextureDeleter::operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
void SdlGraphics::FontDeleter::operator()(_TTF_Font* font) const { TTF_CloseFont(font); }

SdlGraphics::SdlGraphics(Game& owner) : GameGraphics(owner) {
  SDL_InitSubSystem(SDL_INIT_VIDEO);
  if (TTF_Init() != 0) std::cerr << "fonts: SDL_ttf could not start: " << TTF_GetError() << "\n";
}

SdlGraphics::~SdlGraphics() {
  shutdown();
  TTF_Quit();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::unique_ptr<TextureManager> SdlGraphics::createTextureManager() {
  auto manager = std::make_unique<SdlTextureManager>(*this);
  manager->setGraphics(this);
  return manager;
}

SdlGraphics::DisplayMode SdlGraphics::chooseDisplayMode(const std::vector<DisplayMode>& modes,
                                                        DisplayMode configured) {
  const bool matched = std::any_of(modes.begin(), modes.end(), [&](const DisplayMode& mode) {
    return mode.width == configured.width && mode.height == configured.height;
  });
  if (matched || modes.empty()) return configured;
  DisplayMode largest = modes.front();
  for (const DisplayMode& mode : modes) {
    if (int64_t{mode.width} * mode.height > int64_t{largest.width} * largest.height) largest = mode;
  }
  return largest;
}

void SdlGraphics::applyFullscreenMode() {
  std::vector<DisplayMode> modes;
  const int count = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode{};
    if (SDL_GetDisplayMode(0, i, &mode) == 0) modes.push_back({mode.w, mode.h});
  }
  const DisplayMode chosen = chooseDisplayMode(modes, {screenWidth, screenHeight});
  screenWidth = chosen.width;
  screenHeight = chosen.height;
}

bool SdlGraphics::initGraphics(SDL_Window* gameWindow, bool useFullscreen) {
  window = gameWindow;
  fullscreen = useFullscreen;
  if (fullscreen) applyFullscreenMode();
  return createRenderer();
}

bool SdlGraphics::createRenderer() {
  if (!window) {
    writeDebugOutput("FAILED");
    return false;
  }
  renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
  if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer) {
    std::cerr << "renderer: could not be created: " << SDL_GetError() << "\n";
    writeDebugOutput("FAILED");
    return false;
  }
  writeDebugOutput("SUCCEEDED");
  // The full-screen window has the desktop's size: the game's pixels are scaled to fit.
  if (fullscreen) SDL_RenderSetLogicalSize(renderer, screenWidth, screenHeight);
  // Every image, text and the aiming line are blended.
  const bool blending = SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND) == 0;
  writeDebugOutput("\nD3DXCreateSprite(): ");
  writeDebugOutput(blending ? "SUCCEEDED" : "FAILED");
  initTextFont(textFontHeight);
  return blending;
}

void SdlGraphics::initTextFont(int32_t height) {
  textFontHeight = height;
  if (fontFile.empty()) fontFile = findFontFile();
  textFont.reset(openFont(fontFile, height));
  largeTextFont.reset(openFont(fontFile, LARGE_FONT_HEIGHT));
  // Cached strings were made with the old fonts.
  textTextures.clear();
  if ((!textFont || !largeTextFont) && !fontMissingReported) {
    std::cerr << (fontFile.empty() ? std::string(FONT_PATTERN) : fontFile) << ": no usable font; text is not drawn\n";
    fontMissingReported = true;
  }
}

void SdlGraphics::destroyRenderer() {
  // Textures die with their renderer: let go of them first.
  textTextures.clear();
  for (TextureManager* manager : {guiTextureManager.get(), worldTextureManager.get()}) {
    if (manager) static_cast<SdlTextureManager*>(manager)->releaseTextures();
  }
  if (renderer) SDL_DestroyRenderer(renderer);
  renderer = nullptr;
}

void SdlGraphics::reloadGraphics() {
  destroyRenderer();
  createRenderer();
  if (guiTextureManager) guiTextureManager->reloadAllTextures();
  if (worldTextureManager) worldTextureManager->reloadAllTextures();
}

void SdlGraphics::onDeviceReset() { deviceReset = true; }

void SdlGraphics::renderGame(Game& owner) {
  if (deviceReset) {
    // SDL has no reset of a lost device: everything on it is made again. Nothing is drawn now.
    deviceReset = false;
    writeDebugOutput("\ngraphicsDevice->Reset: FAILED - Reloading GPU images");
    owner.reloadAllDevices();
    return;
  }
  if (!renderer) return;
  SDL_SetRenderDrawColor(renderer, channel(CLEAR_COLOR, 16), channel(CLEAR_COLOR, 8), channel(CLEAR_COLOR, 0),
                         channel(CLEAR_COLOR, 24));
  if (SDL_RenderClear(renderer) != 0) writeDebugOutput("\ngraphicsDevice->Clear(): FAILED");
  renderWorldRenderList(owner.getGUI()->getViewport());
  renderGUIRenderList();
  renderText(*owner.getText());
  renderAimLine(owner);
  SDL_RenderPresent(renderer);
}

void SdlGraphics::renderWorldRenderList(const Viewport& viewport) {
  auto& textures = static_cast<SdlTextureManager&>(*worldTextureManager);
  worldRenderList->resetIterator();
  while (worldRenderList->hasNext()) {
    const RenderItem item = worldRenderList->next();
    drawItem(textures.getTexture(item.textureId), item, viewport.getViewportOffsetX(),
             viewport.getViewportOffsetY(), true);
  }
  worldRenderList->clear();
}

void SdlGraphics::renderGUIRenderList() {
  auto& textures = static_cast<SdlTextureManager&>(*guiTextureManager);
  guiRenderList->resetIterator();
  while (guiRenderList->hasNext()) {
    RenderItem item = guiRenderList->next();
    item.rotationInRadians = 0.0f;  // GUI images are drawn untransformed
    drawItem(textures.getTexture(item.textureId), item, 0, 0, false);
  }
  guiRenderList->clear();
}

// Draws the texture at its own size with its top-left at the item's position plus the offset.
// World items are clipped at the viewport's left and top edges; the rotation turns about the
// item's centre on screen.
void SdlGraphics::drawItem(SDL_Texture* texture, const RenderItem& item, int32_t offsetX, int32_t offsetY,
                           bool clip) {
  if (!texture) return;
  int width = 0;
  int height = 0;
  SDL_QueryTexture(texture, nullptr, nullptr, &width, &height);
  SDL_Rect source{0, 0, width, height};
  const int32_t screenX = item.x + offsetX;
  const int32_t screenY = item.y + offsetY;
  SDL_FRect target{static_cast<float>(screenX), static_cast<float>(screenY), static_cast<float>(width),
                   static_cast<float>(height)};
  if (clip && item.x < 0) {
    source.x = std::min(width, -item.x);
    source.w = width - source.x;
    target.x = static_cast<float>(offsetX);
    target.w = static_cast<float>(source.w);
  }
  if (clip && item.y < 0) {
    source.y = std::min(height, -item.y);
    source.h = height - source.y;
    target.y = static_cast<float>(offsetY);
    target.h = static_cast<float>(source.h);
  }
  if (source.w <= 0 || source.h <= 0) return;
  const SDL_FPoint centre{static_cast<float>(screenX + item.width / 2) - target.x,
                          static_cast<float>(screenY + item.height / 2) - target.y};
  const double degrees = item.rotationInRadians * 180.0 / std::numbers::pi;
  SDL_SetTextureAlphaMod(texture, itemAlpha(item.alpha));
  if (SDL_RenderCopyExF(renderer, texture, &source, &target, degrees, &centre, SDL_FLIP_NONE) != 0) {
    writeDebugOutput("\nspriteHandler->Draw: FAILED");
  }
}

void SdlGraphics::renderTextToDraw(TextEntry& entry) {
  uint32_t color = fontColor;
  if (entry.red != TextEntry::FONT_COLOR || entry.green != TextEntry::FONT_COLOR ||
      entry.blue != TextEntry::FONT_COLOR) {
    color = toArgb(entry.red, entry.green, entry.blue);
    if (entry.fading) {
      entry.alpha = std::max(0, entry.alpha - 2);
      color = (color & 0x00FFFFFFu) | ((static_cast<uint32_t>(entry.alpha) & 0xFF) << 24);
    }
  }
  if (!renderer || !entry.text || entry.text->empty() || entry.width <= 0 || entry.height <= 0) return;
  if (!fontFor(entry.largeFont)) return;
  CachedText& cached = cachedTextFor(entry);
  if (!cached.texture) {
    writeDebugOutput("\ntextFont->DrawText: FAILED");
    return;
  }
  // Top-left aligned and clipped to the entry's rectangle.
  const SDL_Rect source{0, 0, std::min(cached.width, entry.width), std::min(cached.height, entry.height)};
  const SDL_Rect target{entry.x, entry.y, source.w, source.h};
  SDL_SetTextureColorMod(cached.texture.get(), channel(color, 16), channel(color, 8), channel(color, 0));
  SDL_SetTextureAlphaMod(cached.texture.get(), channel(color, 24));
  if (SDL_RenderCopy(renderer, cached.texture.get(), &source, &target) != 0) {
    writeDebugOutput("\ntextFont->DrawText: FAILED");
  }
}

// The entry's texture, made again only when its string or font has changed.
SdlGraphics::CachedText& SdlGraphics::cachedTextFor(const TextEntry& entry) {
  CachedText& cached = textTextures[&entry];
  if (cached.texture && cached.text == *entry.text && cached.largeFont == entry.largeFont) return cached;
  cached.text = *entry.text;
  cached.largeFont = entry.largeFont;
  cached.texture.reset();
  // White glyphs; colour and alpha are applied by modulation at every draw. A wrap length of 0
  // breaks lines only at line breaks.
  const std::string utf8 = WideText::toUtf8(cached.text);
  SurfacePtr surface(TTF_RenderUTF8_Blended_Wrapped(fontFor(entry.largeFont), utf8.c_str(),
                                                    SDL_Color{255, 255, 255, 255}, 0));
  if (!surface) return cached;
  cached.texture.reset(SDL_CreateTextureFromSurface(renderer, surface.get()));
  if (cached.texture) SDL_SetTextureBlendMode(cached.texture.get(), SDL_BLENDMODE_BLEND);
  cached.width = surface->w;
  cached.height = surface->h;
  return cached;
}

_TTF_Font* SdlGraphics::fontFor(bool largeFont) const {
  return largeFont ? largeTextFont.get() : textFont.get();
}

// A line from one to four and a half collision widths away from the player's centre, towards the
// cursor.
void SdlGraphics::renderAimLine(Game& owner) {
  // Only over a level on screen: the player keeps its last position after a level is left, and a
  // line from it would cross the menus.
  if (!owner.getStateManager()->isLevelLoaded()) return;
  const SpriteProperties& player = owner.getStateManager()->getSpriteManager()->getPlayer().getProperties();
  const Viewport& viewport = owner.getGUI()->getViewport();
  // The player is drawn shifted by the viewport's screen offset; so is the line's centre.
  const float centreX = player.x + player.collisionWidth / 2 - static_cast<float>(viewport.getViewportX()) +
                        static_cast<float>(viewport.getViewportOffsetX());
  const float centreY = player.y + player.collisionHeight / 2 - static_cast<float>(viewport.getViewportY()) +
                        static_cast<float>(viewport.getViewportOffsetY());
  const MousePoint mouse = owner.getInput()->getMousePoint();
  float directionX = static_cast<float>(mouse.x) - centreX;
  float directionY = static_cast<float>(mouse.y) - centreY;
  const float length = std::sqrt(directionX * directionX + directionY * directionY);
  if (length > 0.0f) {
    directionX /= length;
    directionY /= length;
  }
  const float startX = centreX + directionX * player.collisionWidth;
  const float startY = centreY + directionY * player.collisionWidth;
  const float stretch = 3.5f * player.collisionWidth;
  SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
  SDL_SetRenderDrawColor(renderer, 255, 10, 10, 128);
  SDL_RenderDrawLineF(renderer, startX, startY, startX + directionX * stretch, startY + directionY * stretch);
}

void SdlGraphics::setColorKey(int32_t red, int32_t green, int32_t blue) { colorKey = toArgb(red, green, blue); }

void SdlGraphics::setFontColor(int32_t red, int32_t green, int32_t blue) { fontColor = toArgb(red, green, blue); }

void SdlGraphics::applyColorKey(SDL_Surface& surface) const {
  if (SDL_MUSTLOCK(&surface)) SDL_LockSurface(&surface);
  for (int row = 0; row < surface.h; ++row) {
    auto* pixels = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface.pixels) + row * surface.pitch);
    for (int column = 0; column < surface.w; ++column) {
      if (pixels[column] == colorKey) pixels[column] = 0;
    }
  }
  if (SDL_MUSTLOCK(&surface)) SDL_UnlockSurface(&surface);
}

SdlGraphics::SurfacePtr SdlGraphics::captureFrame() const {
  if (!renderer) return nullptr;
  int width = 0;
  int height = 0;
  if (SDL_GetRendererOutputSize(renderer, &width, &height) != 0) return nullptr;
  SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
  if (!surface) return nullptr;
  if (SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, surface->pixels, surface->pitch) != 0) {
    return nullptr;
  }
  return surface;
}

bool SdlGraphics::saveScreenshot(const std::string& path) const {
  SurfacePtr frame = captureFrame();
  if (!frame) return false;
  if (IMG_SavePNG(frame.get(), path.c_str()) != 0) {
    std::cerr << path << ": screenshot cannot be written: " << IMG_GetError() << "\n";
    return false;
  }
  return true;
}

void SdlGraphics::writeDebugOutput(const char* message) { game.getText()->writeDebugOutput(message); }

void SdlGraphics::shutdown() {
  destroyRenderer();
  textFont.reset();
  largeTextFont.reset();
}
