#pragma once

class RenderList;
class Viewport;

// One layer of a level's world, drawn in list order.
class WorldLayer {
 public:
  explicit WorldLayer(bool collidable = false) : collidable(collidable) {}
  virtual ~WorldLayer() = default;
  virtual void addRenderItemsToRenderList(RenderList& list, const Viewport& viewport) = 0;
  bool isCollidable() const { return collidable; }

 private:
  bool collidable;
};
