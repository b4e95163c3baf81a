#pragma once

#include "sprites/SpriteProperties.h"

class b2Body;

// Something with a physical record and, while it is in a level, a physics body.
class CollidableObject {
 public:
  SpriteProperties& getProperties() { return properties; }
  const SpriteProperties& getProperties() const { return properties; }
  b2Body* getBody() const { return body; }
  // The body belongs to the physics world; the sprite only refers to it.
  void setBody(b2Body* newBody) { body = newBody; }

 protected:
  SpriteProperties properties;
  b2Body* body = nullptr;
};
