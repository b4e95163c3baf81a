#pragma once

#include <string>

class Game;

// The chat lines shown in the chat box.
class Dialog {
 public:
  void loadDialog(Game& game, const std::wstring& fileName);
};
