#include "world/ContactListener.h"

void ContactListener::PreSolve(b2Contact* contact, const b2Manifold* oldManifold) {
  const b2Manifold* manifold = contact->GetManifold();
  if (manifold->pointCount == 0) return;
  b2PointState oldStates[b2_maxManifoldPoints];
  b2PointState newStates[b2_maxManifoldPoints];
  b2GetPointStates(oldStates, newStates, oldManifold, manifold);
  b2WorldManifold worldManifold;
  contact->GetWorldManifold(&worldManifold);
  for (int32_t i = 0; i < manifold->pointCount && contactPointCount < MAX_CONTACT_POINTS; ++i) {
    ContactPoint& point = contactPoints[static_cast<size_t>(contactPointCount++)];
    point.fixtureA = contact->GetFixtureA();
    point.fixtureB = contact->GetFixtureB();
    point.normal = worldManifold.normal;
    point.position = worldManifold.points[i];
    point.state = newStates[i];
  }
}
