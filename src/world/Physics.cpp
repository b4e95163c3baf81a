#include "world/Physics.h"

void Physics::createTileBodies(Game&) {}

void Physics::updatePhysics(Game&) {}

void Physics::resetPhysicsWorld(Game&) {}
