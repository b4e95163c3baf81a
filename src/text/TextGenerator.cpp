#include "text/TextGenerator.h"

#include "app/Game.h"
#include "text/GameText.h"

void TextGenerator::addNamedText(Game& game, const std::wstring& name, int32_t x, int32_t y,
                                 int32_t width, int32_t height) {
  if (hasNamedText(name) || namedTextCount >= MAX_NAMED_TEXTS) return;
  const int32_t slot = namedTextCount++;
  namedTexts[slot].clear();
  textByName[name] = slot;
  entryByName[name] = game.getText()->addText(&namedTexts[slot], x, y, width, height);
}

void TextGenerator::placeNamedText(Game& game, const std::wstring& name, int32_t x, int32_t y) {
  auto found = entryByName.find(name);
  if (found == entryByName.end()) {
    addNamedText(game, name, x, y, 600, 25);
    return;
  }
  TextEntry& entry = game.getText()->getTextEntry(found->second);
  entry.x = x;
  entry.y = y;
}

void TextGenerator::setNamedTextContent(Game& game, const std::wstring& name, const std::wstring& text) {
  if (!hasNamedText(name)) return;
  game.getText()->getTextEntry(entryByName[name]).largeFont = false;
  namedTexts[textByName[name]] = text;
}

void TextGenerator::shapeEntry(Game& game, size_t entryIndex, const std::wstring& text,
                               int32_t pixelsPerCharacter, int32_t height, bool largeFont) {
  TextEntry& entry = game.getText()->getTextEntry(entryIndex);
  entry.largeFont = largeFont;
  entry.width = pixelsPerCharacter * static_cast<int32_t>(text.size());
  entry.height = height;
}

void TextGenerator::setNamedTextLine(Game& game, const std::wstring& name, const std::wstring& text,
                                     int32_t red, int32_t green, int32_t blue) {
  if (!hasNamedText(name)) return;
  const size_t entry = entryByName[name];
  shapeEntry(game, entry, text, 16, 20, false);
  std::wstring& current = namedTexts[textByName[name]];
  if (current != text) {
    current = text;
    game.getText()->setTextColorAndAlpha(static_cast<int64_t>(entry), red, green, blue, 255);
  } else {
    game.getText()->setTextColor(static_cast<int64_t>(entry), red, green, blue);
  }
}

void TextGenerator::setNamedTextSmall(Game& game, const std::wstring& name, const std::wstring& text,
                                      int32_t red, int32_t green, int32_t blue, int32_t alpha) {
  if (!hasNamedText(name)) return;
  const size_t entry = entryByName[name];
  shapeEntry(game, entry, text, 16, 20, false);
  namedTexts[textByName[name]] = text;
  game.getText()->setTextColorAndAlpha(static_cast<int64_t>(entry), red, green, blue, alpha);
}

void TextGenerator::setNamedText(Game& game, const std::wstring& name, const std::wstring& text,
                                 int32_t red, int32_t green, int32_t blue, int32_t alpha) {
  if (!hasNamedText(name)) return;
  const size_t entry = entryByName[name];
  shapeEntry(game, entry, text, 20, 30, true);
  namedTexts[textByName[name]] = text;
  game.getText()->setTextColorAndAlpha(static_cast<int64_t>(entry), red, green, blue, alpha);
}

std::wstring TextGenerator::getNamedText(const std::wstring& name) const {
  auto found = textByName.find(name);
  return found == textByName.end() ? std::wstring() : namedTexts[found->second];
}

int64_t TextGenerator::getNamedTextEntry(const std::wstring& name) const {
  auto found = entryByName.find(name);
  return found == entryByName.end() ? -1 : static_cast<int64_t>(found->second);
}
