#include "game/HitPointDisplay.h"

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "data/WideText.h"
#include "sprites/SpriteManager.h"
#include "text/GameText.h"

void HitPointDisplay::init(Game& game) { game.getText()->getTextGenerator()->placeNamedText(game, name, 23, 23); }

void HitPointDisplay::update(Game& game) {
  if (game.getStateManager()->getCurrentState() != GS_GAME_IN_PROGRESS) return;
  text = L"HP: ";
  WideText::appendNumber(text, game.getStateManager()->getSpriteManager()->getPlayer().getProperties().hitPoints);
  game.getText()->getTextGenerator()->setNamedText(game, name, text, 255, 255, 254, 255);
}
