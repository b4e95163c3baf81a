#pragma once

#include <cstddef>
#include <list>
#include <map>
#include <memory>
#include <string>

#include "game/Bot.h"

// A general pool of bots by type name, each type with a prototype that idle bots are cloned
// from. It owns the prototypes and the idle bots; a retrieved bot belongs to the caller until it
// is given back.
class BotRecycler {
 public:
  static constexpr size_t REFILL_COUNT = 10;

  // Keeps the first prototype registered under a name.
  void registerBotType(const std::wstring& name, std::unique_ptr<Bot> prototype);
  bool isRegistered(const std::wstring& name) const { return registeredBotTypes.count(name) != 0; }
  // Fills a registered name's list with count clones, once; later calls change nothing.
  void initRecyclableBots(const std::wstring& name, size_t count);
  // The oldest idle bot of the type (10 clones are made first when none is idle); null for an
  // unregistered name.
  std::unique_ptr<Bot> retrieveBot(const std::wstring& name);
  // Gives the bot back; a bot of an unregistered name is destroyed.
  void recycleBot(const std::wstring& name, std::unique_ptr<Bot> bot);
  size_t idleCount(const std::wstring& name) const;

 private:
  void appendClones(std::list<std::unique_ptr<Bot>>& bots, const Bot& prototype, size_t count);

  std::map<std::wstring, std::list<std::unique_ptr<Bot>>> recyclableBots;
  std::map<std::wstring, std::unique_ptr<Bot>> registeredBotTypes;
};
