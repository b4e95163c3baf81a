#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/KeyEventHandler.h"

class AnimatedSprite;
class Game;
class GameInput;
struct Vector2D;

// The player's keyboard and mouse, once per frame after the keys are polled and before the GUI
// sees the mouse. While a level runs: pause, reload, invincibility, summoning the helper,
// walking, shooting and the viewport following the player. In every state: leaving the pause and
// objective screens, the target frame rate and the level-jump keys. The first presses and the
// click flag live in the input service; the handler remembers only whether the level was running
// when the click was made.
class VexmoorKeyEventHandler : public KeyEventHandler {
 public:
  static constexpr float WALK_SPEED = 200.0f;        // pixels per second
  static constexpr uint16_t CLIP_SIZE = 30;          // rounds
  static constexpr float SUMMON_OFFSET = 40.0f;      // pixels right of and below the player
  static constexpr int32_t HELPER_SPEED = 50;        // pixels per second, for a helper built new
  static constexpr float FOLLOW_FACTOR = 0.0007f;    // viewport step per squared pixel off centre
  static constexpr int32_t MIN_TARGET_FPS = 5;
  static constexpr int32_t MAX_TARGET_FPS = 100;
  static constexpr int32_t LEVEL_JUMPS = 3;          // Left Ctrl with 1, 2, 3: levels 0, 1, 2
  static inline const std::wstring NEED_AMMO = L"NEED AMMO!!!!";
  static inline const std::wstring NO_MORE_BOTS = L"You've reached the maximum number of bots!";
  static inline const std::wstring RELOAD_NOW = L"RELOAD!!!";

  void handleKeyEvents(Game& game) override;

 private:
  // Steps of a running level; returns whether this frame's Tab paused the game.
  bool playLevel(Game& game) const;
  static void reload(Game& game, AnimatedSprite& player);
  static void summonHelper(Game& game, const AnimatedSprite& player);
  // The walking velocity the held keys ask for, 200 pixels per second in any direction.
  static Vector2D walkingVelocity(const GameInput& input);
  static void shoot(Game& game, AnimatedSprite& player);
  static void followPlayer(Game& game, const AnimatedSprite& player);
  // The signed step (pixels) of the viewport along one axis towards centring the player; none when
  // it is centred already. A step of 0 still moves (and so clamps) the viewport.
  static std::optional<int32_t> followStep(float playerPosition, int32_t textureSize, int32_t screenSize, int32_t viewportPosition);
  static void changeTargetFrameRate(Game& game);
  static void jumpToLevels(Game& game);
  static void sayToPlayer(Game& game, const std::wstring& text);

  // A click is a shot in the frame after it only when it was made in the running level: the
  // click on "Start" or "Resume" that begins play is not also a shot at the button.
  bool clickWasInPlay = false;
};
