#include "data/VexmoorDataLoader.h"

#include <filesystem>
#include <iostream>
#include <memory>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "data/PropertyValues.h"
#include "data/WideText.h"
#include "graphics/SdlGraphics.h"
#include "gui/GameGUI.h"
#include "platform/SdlInput.h"
#include "platform/SdlOS.h"
#include "platform/SdlTimer.h"
#include "text/GameText.h"
#include "text/VexmoorTextGenerator.h"

using PropertyValues::integer;
using PropertyValues::text;

bool VexmoorDataLoader::checkGameConfiguration(const std::wstring& initFileName) {
  const std::string path = WideText::narrow(initFileName);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    std::cerr << path << ": game configuration not found\n";
    return false;
  }
  PropertyMap properties;
  loadProperties(properties, initFileName);
  if (integer(properties, L"SCREEN_WIDTH") <= 0 || integer(properties, L"SCREEN_HEIGHT") <= 0) {
    std::cerr << path << ": SCREEN_WIDTH and SCREEN_HEIGHT must be positive numbers\n";
    return false;
  }
  return true;
}

void VexmoorDataLoader::loadGame(Game& game, std::wstring initFileName) {
  PropertyMap properties;
  loadProperties(properties, initFileName);
  const std::wstring title = text(properties, L"TITLE");
  const bool fullscreen = PropertyValues::flag(properties, L"USE_FULLSCREEN_MODE", L"true");
  const int32_t width = integer(properties, L"SCREEN_WIDTH");
  const int32_t height = integer(properties, L"SCREEN_HEIGHT");
  auto os = std::make_unique<SdlOS>(windowArguments, fullscreen, title, width, height, game);
  const int32_t fontSize = integer(properties, L"TEXT_FONT_SIZE");

  auto graphics = std::make_unique<SdlGraphics>(game);
  graphics->initGraphicsLists(width, height);
  graphics->initGraphics(os->getWindowHandle(), fullscreen);
  graphics->initTextFont(fontSize);
  loadColors(*graphics, properties);

  auto input = std::make_unique<SdlInput>();
  auto timer = std::make_unique<SdlTimer>();
  game.setPlatformServices(std::move(graphics), std::move(input), std::move(os), std::move(timer));

  auto generator = std::make_unique<VexmoorTextGenerator>();
  generator->initText(game);
  game.getText()->initDebugFile("DebugOutput.txt");
  game.getText()->setTextGenerator(std::move(generator));
  loadViewport(*game.getGUI(), properties);
  game.getText()->getDialog().loadChatLines(game, L"data/levels/ZombieChat.txt");
}

void VexmoorDataLoader::loadColors(GameGraphics& graphics, PropertyMap& properties) {
  graphics.setFontColor(integer(properties, L"FONT_COLOR_RED"), integer(properties, L"FONT_COLOR_GREEN"),
                        integer(properties, L"FONT_COLOR_BLUE"));
  graphics.setColorKey(integer(properties, L"COLOR_KEY_RED"), integer(properties, L"COLOR_KEY_GREEN"),
                       integer(properties, L"COLOR_KEY_BLUE"));
}

void VexmoorDataLoader::loadViewport(GameGUI& gui, PropertyMap& properties) {
  const int32_t offsetX = integer(properties, L"VIEWPORT_OFFSET_X");
  const int32_t offsetY = integer(properties, L"VIEWPORT_OFFSET_Y");
  Viewport& viewport = gui.getViewport();
  viewport.setViewportWidth(integer(properties, L"SCREEN_WIDTH") - offsetX);
  viewport.setViewportHeight(integer(properties, L"SCREEN_HEIGHT") - offsetY);
  viewport.setViewportOffsetX(offsetX);
  viewport.setViewportOffsetY(offsetY);
}

void VexmoorDataLoader::loadLevelList(Game& game, std::wstring levelListFileName) {
  PropertyMap levelList;
  loadProperties(levelList, levelListFileName);
  PropertyMap names;
  loadProperties(names, text(levelList, L"LEVEL_NAMES_FILE"));
  PropertyMap paths;
  loadProperties(paths, text(levelList, L"LEVEL_PATHS_FILE"));
  // The registration order is the order the levels are played in.
  for (const wchar_t* key : {L"LEVEL_ONE", L"LEVEL_THREE", L"LEVEL_TWO"}) {
    game.getStateManager()->addLevel(text(names, key), text(paths, key));
  }
}

void VexmoorDataLoader::loadGUI(Game&, std::wstring) {}

void VexmoorDataLoader::loadWorld(Game&, std::wstring) {}
