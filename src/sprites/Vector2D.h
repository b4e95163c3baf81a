#pragma once

// A direction or displacement in world pixels, single precision.
struct Vector2D {
  float x = 0.0f;
  float y = 0.0f;

  Vector2D operator+(Vector2D other) const { return {x + other.x, y + other.y}; }
  Vector2D operator-(Vector2D other) const { return {x - other.x, y - other.y}; }
  Vector2D operator*(float factor) const { return {x * factor, y * factor}; }
  float dot(Vector2D other) const { return x * other.x + y * other.y; }
  float length() const;
  // Each component divided by the length; a zero vector comes back unchanged.
  Vector2D normalised() const;
  // Radians in -pi..pi from the +x axis; with y growing downwards a positive angle turns
  // clockwise on screen. The angle of a zero vector is 0.
  float angle() const;
  // -1, 0 or +1 per component; 0 only for an exact zero.
  Vector2D componentSign() const;
};
