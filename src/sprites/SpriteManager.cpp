#include "sprites/SpriteManager.h"

void SpriteManager::update(Game&) {}

void SpriteManager::unloadSprites() {}

void SpriteManager::addSpriteItemsToRenderList(Game&) {}
