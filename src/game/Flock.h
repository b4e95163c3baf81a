#pragma once

#include <cstddef>
#include <functional>
#include <set>

class AnimatedSprite;

// The helpers that follow the player: each frame, after every bot has thought, four steering
// passes (seek the point ahead of the player, keep off it, keep apart, make way for a moving
// player) set each member's velocity in its properties and on its body. Members are not owned
// and must have a body while they are members.
class Flock {
 public:
  static constexpr float CRUISING_SPEED = 50.0f;         // pixels per second
  static constexpr float ARRIVAL_RADIUS = 40.0f;         // pixels
  static constexpr float REPULSION_STRENGTH = 1200.0f;   // divided by the distance in pixels
  static constexpr float SEPARATION_STRENGTH = 600.0f;   // divided by the distance in pixels
  static constexpr float SEPARATION_RADIUS = 192.0f;     // pixels
  static constexpr float MINIMUM_PLAYER_SPEED = 10.0f;   // pixels per second
  static constexpr float LOOK_AHEAD = 96.0f;             // pixels
  static constexpr float SIDE_BAND = 128.0f;             // pixels
  static constexpr float SIDE_STEP_SPEED = 60.0f;        // pixels per second

  // No effect when it is already a member.
  void addMember(AnimatedSprite& sprite) { members.insert(&sprite); }
  // No effect when it is not a member.
  void removeMember(AnimatedSprite& sprite) { members.erase(&sprite); }
  bool isMember(const AnimatedSprite& sprite) const { return members.count(&sprite) != 0; }
  size_t size() const { return members.size(); }
  // Leaving a level: the members' bodies go with the old physics world.
  void clear() { members.clear(); }

  void updateFlock(const AnimatedSprite& player);

 private:
  void seek(const AnimatedSprite& player);
  void repel(const AnimatedSprite& player);
  void separate();
  void makeWay(const AnimatedSprite& player);

  std::set<AnimatedSprite*, std::less<>> members;  // ordered by identity; the order carries no meaning
};
