#pragma once

#include <cstdint>

#include "game/Bot.h"

// An enemy that wanders in legs of random length and direction and chases the player in one of
// eight directions when the player comes near. Random numbers come from std::rand.
class RoamingBot : public Bot {
 public:
  // The wander leg: cyclesRemaining = a random count in minCycles..maxCycles.
  void pickRandomCycles();
  // A new wander direction on the body at velocityMagnitude; the properties keep theirs.
  void pickRandomVelocity();
  // Towards the player along the signs of the offset, at 0.03 x velocityMagnitude^2 pixels per
  // second; standing still when on the player's position.
  void chasePlayer(Game& game);

  uint32_t getCyclesRemaining() const { return cyclesRemaining; }
  void setCyclesRemaining(uint32_t cycles) { cyclesRemaining = cycles; }
  uint32_t getMinCycles() const { return minCycles; }
  uint32_t getMaxCycles() const { return maxCycles; }
  uint32_t getVelocityMagnitude() const { return velocityMagnitude; }

 protected:
  RoamingBot(uint32_t minimum, uint32_t maximum, uint32_t magnitude)
      : minCycles(minimum), maxCycles(maximum), velocityMagnitude(magnitude) {}
  // The positioned form: also places the bot, re-seeds the random numbers with the time in
  // seconds and starts the first leg.
  void placeAndSeed(float x, float y);

  // Not directly above or below the player, and closer than the radius on both axes (pixels).
  bool isPlayerWithin(Game& game, float radius) const;
  // The unit signs (-1, 0, 1 per axis) of the offset to the player, scaled: the body's velocity
  // becomes factor x velocityMagnitude x normalised(signs) x velocityMagnitude.
  void headForPlayer(Game& game, float factor);
  // The chase with facing the player, or else one frame of the wander countdown.
  void chaseOrWander(Game& game, bool playerNear);

  uint32_t cyclesRemaining = 0;  // game frames before the next wander direction
  uint32_t minCycles;            // shortest wander leg, game frames
  uint32_t maxCycles;            // longest wander leg, game frames
  uint32_t velocityMagnitude;    // wander speed, pixels per second
};
