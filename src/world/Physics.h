#pragma once

class Game;

// Binds the level's sprites and walls to the rigid-body world.
class Physics {
 public:
  void createTileBodies(Game& game);
  void updatePhysics(Game& game);
  void resetPhysicsWorld(Game& game);
};
