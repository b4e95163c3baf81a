#include "game/HitPointDisplay.h"

#include <string>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "sprites/SpriteManager.h"
#include "text/GameText.h"

namespace HitPointDisplay {

void init(Game& game) { game.getText()->getTextGenerator()->placeNamedText(game, L"playerHP", 23, 23); }

void update(Game& game) {
  if (game.getStateManager()->getCurrentState() != GS_GAME_IN_PROGRESS) return;
  const int16_t hitPoints = game.getStateManager()->getSpriteManager()->getPlayer().getProperties().hitPoints;
  game.getText()->getTextGenerator()->setNamedText(game, L"playerHP", L"HP: " + std::to_wstring(hitPoints),
                                                   255, 255, 254, 255);
}

}  // namespace HitPointDisplay
