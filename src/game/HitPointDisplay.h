#pragma once

class Game;

// The player's hit points, shown as the named text "playerHP".
namespace HitPointDisplay {
// Before the loop: places the text at (23, 23).
void init(Game& game);
// Every frame: while the level runs, "HP: " and the hit points; otherwise the text fades out.
void update(Game& game);
}  // namespace HitPointDisplay
