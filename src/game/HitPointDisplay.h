#pragma once

#include <string>

class Game;

// The player's hit points, shown as the named text "playerHP". The entry point hands its two
// operations to the game as the init and frame callbacks.
class HitPointDisplay {
 public:
  // Before the loop: places the text at (23, 23).
  void init(Game& game);
  // Every frame: while the level runs, "HP: " and the hit points; otherwise the text fades out.
  void update(Game& game);

 private:
  const std::wstring name = L"playerHP";
  std::wstring text;  // rebuilt in place each frame, so it allocates nothing once it has grown
};
