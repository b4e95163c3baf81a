#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/TextFileReader.h"

class Game;
class AnimatedSprite;
class TextGenerator;

// Speech on the screen through named texts: a four-line chat box near the top of the screen fed
// in turn from a file of chat lines, a message above the player and a message above any other
// sprite. Every line fades out on its own, so nothing ever removes them.
class Dialog {
 public:
  // Returned by the reader once its lines are used up; no chat line is expected to contain it.
  static const std::wstring END_MARKER;
  static constexpr int32_t BOX_LINES = 4;
  static constexpr int32_t BOX_LINE_HEIGHT = 20;  // pixels between the box's lines
  static constexpr int32_t CHAT_RED = 255, CHAT_GREEN = 76, CHAT_BLUE = 80;

  // Reads the chat file: its first line is skipped, every further line is one chat line. A
  // missing file leaves no chat lines, so nothing is ever said.
  void loadChatLines(Game& game, const std::wstring& fileName);
  // Creates the box's named texts "dialog0" (top) to "dialog3" (bottom), empty.
  void createDialogBox(Game& game);
  // Scrolls the box up by one line and puts the text in the bottom line.
  void addDialogLine(Game& game, const std::wstring& text);
  // Adds the next chat line to the box, starting again from the first after the last.
  void sayNextChatLine(Game& game);
  // A message 120 pixels left of and 50 above the player's position on the screen.
  void showPlayerDialog(Game& game, const std::wstring& text, int32_t red, int32_t green, int32_t blue,
                        int32_t alpha);
  // A message above the sprite, centred roughly on it by the text's length.
  void showSpriteDialog(Game& game, const AnimatedSprite& sprite, const std::wstring& text, int32_t red,
                        int32_t green, int32_t blue, int32_t alpha);

  const std::vector<std::wstring>& getChatLines() const { return chatLines; }
  const std::wstring& getBoxLine(size_t line) const { return boxLines.at(line); }

 private:
  static std::wstring boxLineName(int32_t line);
  // Places the named text at the screen point (computed in double, truncated toward zero) and
  // shows the text in the normal font there.
  static void showMessage(Game& game, const std::wstring& name, double x, double y, const std::wstring& text,
                          int32_t red, int32_t green, int32_t blue, int32_t alpha);

  bool linesLoaded = false;
  bool boxCreated = false;
  std::vector<std::wstring> chatLines;
  uint32_t nextChatLine = 0;
  int32_t boxX = 300;  // screen pixels
  int32_t boxY = 33;
  std::array<std::wstring, BOX_LINES> boxLines;
  TextFileReader chatFile;
};
