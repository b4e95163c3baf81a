#include "sprites/SpriteManager.h"

#include <cmath>
#include <string>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "game/Bot.h"
#include "graphics/GameGraphics.h"
#include "gui/GameGUI.h"
#include "platform/GameInput.h"
#include "sprites/AnimatedSpriteType.h"
#include "text/GameText.h"

namespace {
// Made once: the mouse text is set every frame.
const std::wstring MOUSE_OVER_PLAYER = L"Mouse Over Player";
const std::wstring CLICKED_PLAYER = L"Clicked Player";
const std::wstring MOUSE_OVER_BOT = L"Mouse Over Bot";
const std::wstring NO_SELECTION = L"No Selection";
const std::wstring NO_MOUSE_OVER = L"No Mouse Over";
const std::wstring CLICKED_PLAYER_LINE = L"clicked player";
const std::wstring CLICKED_BOT_LINE = L"clicked bot";

// Halves round up: -2.5 gives -2.
int32_t nearest(float value) { return static_cast<int32_t>(std::floor(value + 0.5f)); }
}  // namespace

Bot* SpriteManager::removeBot(Bot& bot) {
  for (auto it = bots.begin(); it != bots.end(); ++it) {
    if (*it == &bot) {
      bots.erase(it);
      return &bot;
    }
  }
  return nullptr;
}

int32_t SpriteManager::addSpriteType(AnimatedSpriteType& type) {
  spriteTypes.push_back(&type);
  return static_cast<int32_t>(spriteTypes.size()) - 1;
}

AnimatedSpriteType* SpriteManager::getSpriteType(size_t index) const {
  return index < spriteTypes.size() ? spriteTypes[index] : nullptr;
}

void SpriteManager::update(Game& game) {
  calcMouse(game);
  player.updateSprite();
  // The list may grow while it is walked (a helper's shot); std::list iterators stay valid and
  // the new bots are reached before the end.
  for (Bot* bot : bots) {
    bot->updateSprite();
    bot->think(game);
  }
  flock.updateFlock(player);
}

void SpriteManager::addSpriteItemsToRenderList(Game& game) {
  if (!game.getStateManager()->isLevelLoaded()) return;
  RenderList& list = *game.getGraphics()->getWorldRenderList();
  const Viewport& viewport = game.getGUI()->getViewport();
  for (const Bot* bot : bots) addSpriteToRenderList(*bot, list, viewport);
  addSpriteToRenderList(player, list, viewport);
}

void SpriteManager::addSpriteToRenderList(const AnimatedSprite& sprite, RenderList& list, const Viewport& viewport) {
  const AnimatedSpriteType* type = sprite.getSpriteType();
  if (!type) return;
  const SpriteProperties& properties = sprite.getProperties();
  const int32_t width = type->getTextureWidth();
  const int32_t height = type->getTextureHeight();
  if (!viewport.areWorldCoordinatesInViewport(properties.x, properties.y, width, height)) return;
  list.addRenderItem(sprite.getCurrentImageId(), nearest(properties.x - static_cast<float>(viewport.getViewportX())),
                     nearest(properties.y - static_cast<float>(viewport.getViewportY())), nearest(properties.z),
                     sprite.getAlpha(), width, height, properties.rotation);
}

bool SpriteManager::isUnderMouse(const AnimatedSprite& sprite, int32_t mouseX, int32_t mouseY) {
  const SpriteProperties& box = sprite.getProperties();
  const auto mx = static_cast<float>(mouseX);
  const auto my = static_cast<float>(mouseY);
  return box.x <= mx && mx <= box.x + box.collisionWidth && box.y <= my && my <= box.y + box.collisionHeight;
}

void SpriteManager::calcMouse(Game& game) {
  TextGenerator* text = game.getText()->getTextGenerator();
  if (!text) return;
  text->addNamedText(game, MOUSE_TEXT_NAME, game.getGraphics()->getScreenWidth() - 300, 0, 300, 50);
  const auto show = [&](const std::wstring& content) { text->setNamedTextContent(game, MOUSE_TEXT_NAME, content); };
  mouseOverSprite = nullptr;
  const Viewport& viewport = game.getGUI()->getViewport();
  const MousePoint mouse = game.getInput()->getMousePoint();
  const int32_t mouseX = viewport.getViewportX() + mouse.x;
  const int32_t mouseY = viewport.getViewportY() + mouse.y;
  const bool clicked = game.getInput()->wasMouseClicked();
  if (isUnderMouse(player, mouseX, mouseY)) {
    mouseOverSprite = &player;
    show(MOUSE_OVER_PLAYER);
    if (clicked) {
      selectedSprite = &player;
      show(CLICKED_PLAYER);
      text->advanceTextLines(game, CLICKED_PLAYER_LINE, 0.0f);
    }
  } else {
    // Every bot under the cursor is visited: the last one in the list wins.
    for (const Bot* bot : bots) {
      if (!isUnderMouse(*bot, mouseX, mouseY)) continue;
      mouseOverSprite = bot;
      show(MOUSE_OVER_BOT);
      if (clicked) {
        selectedSprite = bot;
        text->advanceTextLines(game, CLICKED_BOT_LINE, 0.0f);
      }
    }
  }
  if (!selectedSprite) show(NO_SELECTION);
  if (!mouseOverSprite) show(NO_MOUSE_OVER);
}
