#include "world/ContactCollection.h"

#include <algorithm>
#include <functional>

void ContactCollection::makeDistinct() {
  auto* first = sprites.data();
  std::sort(first, first + count, std::less<AnimatedSprite*>());
  count = static_cast<size_t>(std::unique(first, first + count) - first);
}
