#include "text/VexmoorTextGenerator.h"

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "game/BotFactory.h"
#include "graphics/GameGraphics.h"
#include "sprites/SpriteManager.h"
#include "text/GameText.h"

VexmoorTextGenerator::VexmoorTextGenerator() { dialogLines.fill(L"Dialog?"); }

void VexmoorTextGenerator::initText(Game& game) {
  GameText* text = game.getText();
  const size_t bots = text->addColoredText(&botsText, 50, 60, 200, 20, 128, 255, 128);
  text->getTextEntry(bots).fading = false;
  const size_t ammo = text->addColoredText(&ammoText, 50, 75, game.getGraphics()->getScreenWidth(),
                                           game.getGraphics()->getScreenHeight(), 255, 255, 128);
  text->getTextEntry(ammo).fading = false;
}

void VexmoorTextGenerator::updateText(Game& game) {
  botsText.clear();
  ammoText.clear();
  if (game.getStateManager()->getCurrentState() != GS_GAME_IN_PROGRESS) return;
  botsText = L"Bots: " + std::to_wstring(getBotFactory(game).helperPoolSize());
  const SpriteProperties& player = game.getStateManager()->getSpriteManager()->getPlayer().getProperties();
  ammoText = L"Ammo: " + std::to_wstring(player.ammoInClip) + L"/" + std::to_wstring(player.ammoReserve);
}

void VexmoorTextGenerator::advanceTextLines(Game&, const std::wstring&, float) {
  for (size_t i = 0; i + 1 < dialogLines.size(); ++i) dialogLines[i] = dialogLines[i + 1];
}
