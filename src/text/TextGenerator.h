#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

class Game;

// Produces the game's texts, and keeps up to 256 named strings that any part of the game can
// create once by name and then move, recolour and change by name.
class TextGenerator {
 public:
  static constexpr int32_t MAX_NAMED_TEXTS = 256;

  virtual ~TextGenerator() = default;
  virtual void initText(Game& game) = 0;
  virtual void updateText(Game& game) = 0;
  virtual void advanceTextLines(Game& game, const std::wstring& text, float value) = 0;

  void addNamedText(Game& game, const std::wstring& name, int32_t x, int32_t y, int32_t width, int32_t height);
  void placeNamedText(Game& game, const std::wstring& name, int32_t x, int32_t y);
  void setNamedTextContent(Game& game, const std::wstring& name, const std::wstring& text);
  void setNamedTextLine(Game& game, const std::wstring& name, const std::wstring& text, int32_t red,
                        int32_t green, int32_t blue);
  void setNamedTextSmall(Game& game, const std::wstring& name, const std::wstring& text, int32_t red,
                         int32_t green, int32_t blue, int32_t alpha);
  void setNamedText(Game& game, const std::wstring& name, const std::wstring& text, int32_t red,
                    int32_t green, int32_t blue, int32_t alpha);
  // The current string of a name; empty for a name never created.
  std::wstring getNamedText(const std::wstring& name) const;
  bool hasNamedText(const std::wstring& name) const { return textByName.count(name) != 0; }
  // The game text entry that shows a name, or -1.
  int64_t getNamedTextEntry(const std::wstring& name) const;

 private:
  // Sets the entry's font and a rectangle of the given size per character on one line.
  void shapeEntry(Game& game, size_t entry, const std::wstring& text, int32_t pixelsPerCharacter,
                  int32_t height, bool largeFont);

  std::map<std::wstring, int32_t> textByName;
  std::array<std::wstring, MAX_NAMED_TEXTS> namedTexts;
  int32_t namedTextCount = 0;
  std::map<std::wstring, size_t> entryByName;
};
