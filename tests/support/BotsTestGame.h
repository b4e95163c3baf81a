#pragma once

#include <filesystem>
#include <memory>

#include "WorldTestGame.h"
#include "sprites/SpriteManager.h"
#include "world/Physics.h"
#include "game/BotFactory.h"
#include "game/VexmoorContactRules.h"

namespace botstest {

// Works in the game's assets folder (the bot images are found by relative paths) and goes back
// to the folder it came from.
class InAssetsFolder {
 public:
  InAssetsFolder() : previous(std::filesystem::current_path()) { std::filesystem::current_path(VEXMOOR_ASSETS_DIR); }
  ~InAssetsFolder() { std::filesystem::current_path(previous); }
  InAssetsFolder(const InAssetsFolder&) = delete;
  InAssetsFolder& operator=(const InAssetsFolder&) = delete;

 private:
  std::filesystem::path previous;
};

// A world test game in the assets folder that plays by the game's contact rules, with the
// program's bot factory working for it.
class BotsTestGame {
 public:
  BotsTestGame() {
    world.physics().setContactRules(std::make_unique<VexmoorContactRules>());
    world.setUpPlayer(1000.0f, 1000.0f);
  }
  BotFactory& factory() { return getBotFactory(world.game); }
  // One physics step with the contact rules.
  void step() { world.physics().updatePhysics(world.game); }
  bool isListed(const Bot& bot) {
    for (const Bot* listed : world.sprites().getBots()) {
      if (listed == &bot) return true;
    }
    return false;
  }

  InAssetsFolder folder;
  worldtest::WorldTestGame world;
};

}  // namespace botstest
