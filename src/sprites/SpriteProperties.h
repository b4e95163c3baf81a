#pragma once

#include <cstdint>

// A sprite's physical record. Positions in world pixels (top-left of the drawn sprite, the
// physics body's origin), velocities in pixels per second, rotation in radians.
struct SpriteProperties {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float velocityX = 0.0f;
  float velocityY = 0.0f;
  float accelerationX = 0.0f;
  float accelerationY = 0.0f;
  float collisionWidth = 0.0f;
  float collisionHeight = 0.0f;
  float rotation = 0.0f;
  float speed = 50.0f;  // turns a unit direction into a velocity
  int16_t hitPoints = 0;
  uint16_t ammoReserve = 0;
  uint16_t ammoInClip = 0;

  void setPosition(float newX, float newY) {
    x = newX;
    y = newY;
  }
  void setVelocity(float newX, float newY) {
    velocityX = newX;
    velocityY = newY;
  }
};
