#pragma once

#include <array>
#include <cstddef>

class AnimatedSprite;

// The sprites a physics step's contacts affect: at most 100, a sprite possibly several times
// until they are made distinct. A fixed array, so collecting never allocates.
class ContactCollection {
 public:
  static constexpr size_t CAPACITY = 100;

  // Ignored once the collection is full.
  void add(AnimatedSprite& sprite) {
    if (count < CAPACITY) sprites[count++] = &sprite;
  }
  bool isFull() const { return count == CAPACITY; }
  void clear() { count = 0; }
  // Leaves each sprite once, in no meaningful order.
  void makeDistinct();
  size_t size() const { return count; }
  AnimatedSprite& operator[](size_t index) const { return *sprites[index]; }

 private:
  std::array<AnimatedSprite*, CAPACITY> sprites{};
  size_t count = 0;
};
