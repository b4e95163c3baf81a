#include "sprites/Vector2D.h"

#include <algorithm>
#include <cmath>

namespace {
float sign(float value) { return value > 0.0f ? 1.0f : (value < 0.0f ? -1.0f : 0.0f); }
}  // namespace

float Vector2D::length() const { return std::sqrt(x * x + y * y); }

Vector2D Vector2D::normalised() const {
  const float size = length();
  if (size == 0.0f) return *this;
  return {x / size, y / size};
}

float Vector2D::angle() const {
  const Vector2D unit = normalised();
  const float size = unit.length();
  if (size == 0.0f) return 0.0f;
  // Rounding can push the cosine a hair past 1, where arccos has no value.
  const float cosine = std::clamp(unit.dot(Vector2D{1.0f, 0.0f}) / size, -1.0f, 1.0f);
  const float result = std::acos(cosine);
  return unit.y < 0.0f ? -result : result;
}

Vector2D Vector2D::componentSign() const { return {sign(x), sign(y)}; }
