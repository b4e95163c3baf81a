#pragma once

#include <box2d/box2d.h>

#include <array>
#include <cstdint>

// One touching point reported during a physics step.
struct ContactPoint {
  b2Fixture* fixtureA = nullptr;
  b2Fixture* fixtureB = nullptr;
  b2Vec2 normal{0.0f, 0.0f};    // world normal of the contact
  b2Vec2 position{0.0f, 0.0f};  // world pixels
  b2PointState state = b2_nullState;  // in the new manifold
};

// Records the points of every touching pair during a step into a fixed buffer; points past its
// capacity in one step are dropped. Filling it never allocates.
class ContactListener : public b2ContactListener {
 public:
  static constexpr int32_t MAX_CONTACT_POINTS = 2048;

  void PreSolve(b2Contact* contact, const b2Manifold* oldManifold) override;
  void clearContactPoints() { contactPointCount = 0; }
  int32_t getContactPointCount() const { return contactPointCount; }
  const ContactPoint* getContactPoints() const { return contactPoints.data(); }

 private:
  std::array<ContactPoint, MAX_CONTACT_POINTS> contactPoints{};
  int32_t contactPointCount = 0;
};
