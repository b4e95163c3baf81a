#include "game/BotRecycler.h"

void BotRecycler::registerBotType(const std::wstring& name, std::unique_ptr<Bot> prototype) {
  if (prototype) registeredBotTypes.try_emplace(name, std::move(prototype));
}

void BotRecycler::appendClones(std::list<std::unique_ptr<Bot>>& bots, const Bot& prototype, size_t count) {
  for (size_t i = 0; i < count; ++i) bots.push_back(prototype.clone());
}

void BotRecycler::initRecyclableBots(const std::wstring& name, size_t count) {
  const auto prototype = registeredBotTypes.find(name);
  if (prototype == registeredBotTypes.end() || recyclableBots.count(name) != 0) return;
  appendClones(recyclableBots[name], *prototype->second, count);
}

std::unique_ptr<Bot> BotRecycler::retrieveBot(const std::wstring& name) {
  const auto prototype = registeredBotTypes.find(name);
  if (prototype == registeredBotTypes.end()) return nullptr;
  // A registered name without a list gets one here.
  std::list<std::unique_ptr<Bot>>& bots = recyclableBots[name];
  if (bots.empty()) appendClones(bots, *prototype->second, REFILL_COUNT);
  std::unique_ptr<Bot> bot = std::move(bots.front());
  bots.pop_front();
  return bot;
}

void BotRecycler::recycleBot(const std::wstring& name, std::unique_ptr<Bot> bot) {
  if (bot && isRegistered(name)) recyclableBots[name].push_back(std::move(bot));
}

size_t BotRecycler::idleCount(const std::wstring& name) const {
  const auto bots = recyclableBots.find(name);
  return bots == recyclableBots.end() ? 0 : bots->second.size();
}
