#include "text/VexmoorTextGenerator.h"

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "data/WideText.h"
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
  GameStateManager& states = *game.getStateManager();
  // The sprite readout belongs to the level on screen; it must not linger over the menus.
  if (!states.isLevelLoaded()) setNamedTextContent(game, SpriteManager::MOUSE_TEXT_NAME, botsText);
  if (states.getCurrentState() != GS_GAME_IN_PROGRESS) return;
  // Built in place: the strings keep their capacity, so a frame allocates nothing.
  botsText += L"Bots: ";
  WideText::appendNumber(botsText, static_cast<int64_t>(getBotFactory(game).helperPoolSize()));
  const SpriteProperties& player = states.getSpriteManager()->getPlayer().getProperties();
  ammoText += L"Ammo: ";
  WideText::appendNumber(ammoText, player.ammoInClip);
  ammoText += L'/';
  WideText::appendNumber(ammoText, player.ammoReserve);
}

void VexmoorTextGenerator::advanceTextLines(Game&, const std::wstring&, float) {
  for (size_t i = 0; i + 1 < dialogLines.size(); ++i) dialogLines[i] = dialogLines[i + 1];
}
