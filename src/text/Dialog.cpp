#include "text/Dialog.h"

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "gui/GameGUI.h"
#include "sprites/AnimatedSprite.h"
#include "sprites/SpriteManager.h"
#include "text/GameText.h"
#include "text/TextGenerator.h"

const std::wstring Dialog::END_MARKER = L"9f3c51e07a2b48d6c1e5f0a97b3d2c6e8a41f5b09c7d3e2a6b8f1c4d0e9a5b7c";

void Dialog::loadChatLines(Game& game, const std::wstring& fileName) {
  chatFile.openFile(fileName);
  createDialogBox(game);
  chatFile.getNextLine(END_MARKER);
  while (chatFile.hasMoreLines()) chatLines.push_back(chatFile.getNextLine(END_MARKER));
  chatFile.closeFile();
  linesLoaded = true;
}

std::wstring Dialog::boxLineName(int32_t line) { return L"dialog" + std::to_wstring(line); }

void Dialog::createDialogBox(Game& game) {
  TextGenerator* generator = game.getText()->getTextGenerator();
  if (!generator) return;
  for (int32_t line = 0; line < BOX_LINES; ++line) {
    boxLines[line].clear();
    generator->placeNamedText(game, boxLineName(line), boxX, boxY + BOX_LINE_HEIGHT * line);
  }
  boxCreated = true;
}

void Dialog::addDialogLine(Game& game, const std::wstring& text) {
  if (!boxCreated) createDialogBox(game);
  TextGenerator* generator = game.getText()->getTextGenerator();
  if (!generator) return;
  // A line that moved up changed, so it lights up again; one that stayed keeps fading.
  for (int32_t line = 0; line < BOX_LINES; ++line) {
    boxLines[line] = line + 1 < BOX_LINES ? boxLines[line + 1] : text;
    generator->setNamedTextLine(game, boxLineName(line), boxLines[line], CHAT_RED, CHAT_GREEN, CHAT_BLUE);
  }
}

void Dialog::sayNextChatLine(Game& game) {
  if (!linesLoaded) return;
  if (!boxCreated) createDialogBox(game);
  if (chatLines.empty()) return;
  if (nextChatLine == chatLines.size()) nextChatLine = 0;
  const std::wstring& line = chatLines[nextChatLine];
  if (line == END_MARKER) return;
  addDialogLine(game, line);
  ++nextChatLine;
}

void Dialog::showPlayerDialog(Game& game, const std::wstring& text, int32_t red, int32_t green, int32_t blue,
                              int32_t alpha) {
  const SpriteProperties& player = game.getStateManager()->getSpriteManager()->getPlayer().getProperties();
  const Viewport& viewport = game.getGUI()->getViewport();
  showMessage(game, L"playerDialog", static_cast<double>(player.x) - viewport.getViewportX() - 120,
              static_cast<double>(player.y) - viewport.getViewportY() - 50, text, red, green, blue, alpha);
}

void Dialog::showSpriteDialog(Game& game, const AnimatedSprite& sprite, const std::wstring& text, int32_t red,
                              int32_t green, int32_t blue, int32_t alpha) {
  const SpriteProperties& properties = sprite.getProperties();
  const Viewport& viewport = game.getGUI()->getViewport();
  showMessage(game, L"spriteDialog",
              static_cast<double>(properties.x) - viewport.getViewportX() - 3.0 * static_cast<double>(text.size()),
              static_cast<double>(properties.y) - viewport.getViewportY() - 30, text, red, green, blue, alpha);
}

void Dialog::showMessage(Game& game, const std::wstring& name, double x, double y, const std::wstring& text,
                         int32_t red, int32_t green, int32_t blue, int32_t alpha) {
  TextGenerator* generator = game.getText()->getTextGenerator();
  if (!generator) return;
  generator->placeNamedText(game, name, static_cast<int32_t>(x), static_cast<int32_t>(y));
  generator->setNamedTextSmall(game, name, text, red, green, blue, alpha);
}
