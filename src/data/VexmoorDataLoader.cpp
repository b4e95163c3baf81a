#include "data/VexmoorDataLoader.h"

#include <filesystem>
#include <iostream>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "data/PropertyValues.h"
#include "data/WideText.h"
#include "graphics/SdlGraphics.h"
#include "graphics/TextureManager.h"
#include "gui/GameGUI.h"
#include "platform/SdlInput.h"
#include "platform/SdlOS.h"
#include "platform/SdlTimer.h"
#include "text/GameText.h"
#include "text/VexmoorTextGenerator.h"
#include "world/TileEventScript.h"

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

  // Opened before the renderer starts, so its start-up messages are kept too.
  game.getText()->initDebugFile("DebugOutput.txt");
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

namespace {
// A GUI property file and its name, for messages about what it lacks.
class GuiFile {
 public:
  explicit GuiFile(std::wstring name) : fileName(std::move(name)) {
    // An empty name comes from a key already reported missing.
    if (!fileName.empty()) GameDataLoader::loadProperties(properties, fileName);
    readable = !properties.empty();
  }
  // A path value; one line on stderr when a file that could be read lacks it.
  std::wstring path(const std::wstring& key) {
    std::wstring value = text(properties, key);
    if (value.empty() && readable) std::cerr << WideText::narrow(fileName) << ": " << WideText::narrow(key) << " is missing\n";
    return value;
  }
  int32_t number(const std::wstring& key) { return integer(properties, key); }

 private:
  std::wstring fileName;
  PropertyMap properties;
  bool readable = false;
};

struct Placement {
  int32_t x, y, z, alpha, width, height;  // pixels; alpha 0..255
};

// "<prefix>X", "<prefix>Y", "<prefix>Z", "<prefix>ALPHA", "<prefix>WIDTH", "<prefix>HEIGHT".
Placement readPlacement(GuiFile& file, const std::wstring& prefix) {
  return {file.number(prefix + L"X"),     file.number(prefix + L"Y"),     file.number(prefix + L"Z"),
          file.number(prefix + L"ALPHA"), file.number(prefix + L"WIDTH"), file.number(prefix + L"HEIGHT")};
}

uint32_t loadImage(TextureManager& textures, const std::wstring& path) {
  // A missing path was reported with its file; loading "" would only add a second line.
  return path.empty() ? TextureManager::FAILED_LOAD : textures.loadTexture(path);
}

void placeImage(OverlayImage& image, const Placement& placement) {
  image.x = placement.x;
  image.y = placement.y;
  image.z = placement.z;
  image.alpha = placement.alpha;
  image.width = placement.width;
  image.height = placement.height;
}

std::unique_ptr<OverlayImage> newImage(uint32_t imageId, const Placement& placement) {
  auto image = std::make_unique<OverlayImage>();
  image->imageId = imageId;
  placeImage(*image, placement);
  return image;
}

// A screen whose first image is "<prefix>PATH" placed by the "<prefix>..." numbers.
std::unique_ptr<ScreenGUI> newScreenWithImage(GuiFile& file, TextureManager& textures, const std::wstring& prefix) {
  const Placement placement = readPlacement(file, prefix);
  auto screen = std::make_unique<ScreenGUI>();
  screen->addOverlayImage(newImage(loadImage(textures, file.path(prefix + L"PATH")), placement));
  return screen;
}

struct ButtonKeys {
  const wchar_t* prefix;  // of "<prefix>IMAGE_PATH", "<prefix>IMAGE_MO_PATH" and the placement
  const wchar_t* command;
};

void addButtons(ScreenGUI& screen, GuiFile& file, TextureManager& textures, std::initializer_list<ButtonKeys> keys) {
  for (const ButtonKeys& key : keys) {
    const std::wstring prefix = key.prefix;
    const Placement at = readPlacement(file, prefix);
    auto button = std::make_unique<Button>();
    const uint32_t normalId = loadImage(textures, file.path(prefix + L"IMAGE_PATH"));
    const uint32_t mouseOverId = loadImage(textures, file.path(prefix + L"IMAGE_MO_PATH"));
    button->initButton(normalId, mouseOverId, at.x, at.y, at.z, at.alpha, at.width, at.height, false, key.command);
    screen.addButton(std::move(button));
  }
}

// The game-over and end screens: the game-over image where the pause image is, and a Quit button
// of their own equal to the pause screen's.
std::unique_ptr<ScreenGUI> newGameOverScreen(uint32_t gameOverImageId, const Placement& placement, const Button& quit) {
  auto screen = std::make_unique<ScreenGUI>();
  screen->addOverlayImage(newImage(gameOverImageId, placement));
  screen->addButton(std::make_unique<Button>(quit));
  return screen;
}
}  // namespace

void VexmoorDataLoader::loadGUI(Game& game, std::wstring initFileName) {
  TextureManager& textures = *game.getGraphics()->getGUITextureManager();
  GuiFile configuration(std::move(initFileName));
  loadCursor(game, textures, configuration.path(L"CURSOR_INIT_FILE"));
  loadMainMenu(game, textures, configuration.path(L"MAIN_MENU_INIT_FILE"));
  loadControlsScreen(game, textures, configuration.path(L"CONTROLS_INIT_FILE"));
  loadAboutScreen(game, textures, configuration.path(L"ABOUT_INIT_FILE"));
  loadInGameScreen(*game.getGUI());
  loadPauseScreens(game, textures, configuration.path(L"PAUSE_INIT_FILE"));
  loadObjectiveScreen(game, textures, configuration.path(L"COMMAND_INIT_FILE"));
}

void VexmoorDataLoader::loadCursor(Game& game, TextureManager& textures, std::wstring fileName) {
  GuiFile file(std::move(fileName));
  const Placement at{file.number(L"X_COORDINATE"), file.number(L"Y_COORDINATE"), file.number(L"Z_COORDINATE"),
                     file.number(L"ALPHA_VALUE"),  file.number(L"CURSOR_WIDTH"), file.number(L"CURSOR_HEIGHT")};
  std::vector<uint32_t> imageIds{loadImage(textures, file.path(L"CURSOR_1_PATH"))};
  const uint32_t activeId = imageIds.front();
  auto cursor = std::make_unique<Cursor>();
  cursor->initCursor(std::move(imageIds), activeId, at.x, at.y, at.z, at.alpha, at.width, at.height);
  game.getGUI()->setCursor(std::move(cursor));
}

void VexmoorDataLoader::loadMainMenu(Game& game, TextureManager& textures, std::wstring fileName) {
  GuiFile file(std::move(fileName));
  auto screen = newScreenWithImage(file, textures, L"MAIN_MENU_");
  // Where buttons overlap the first one added wins the click.
  addButtons(*screen, file, textures,
             {{L"EXIT_", L"Exit"},
              {L"ABOUT_BUTTON_", L"Go To About Menu"},
              {L"CONTROL_BUTTON_", L"Go To Controls Menu"},
              {L"START_", L"Start"}});
  game.getGUI()->addScreenGUI(GS_MAIN_MENU, std::move(screen));
}

void VexmoorDataLoader::loadControlsScreen(Game& game, TextureManager& textures, std::wstring fileName) {
  GuiFile file(std::move(fileName));
  auto screen = newScreenWithImage(file, textures, L"CONTROLS_");
  const Placement keyList{200, 125, file.number(L"CONTROLS_Z"), 255, 704, 488};
  screen->addOverlayImage(newImage(textures.loadTexture(L"textures/gui/overlays/vexmoor_controls_overlay2.png"), keyList));
  addButtons(*screen, file, textures, {{L"BACK_", L"Go To Main Menu"}});
  game.getGUI()->addScreenGUI(GS_CONTROLS_MENU, std::move(screen));
}

void VexmoorDataLoader::loadAboutScreen(Game& game, TextureManager& textures, std::wstring fileName) {
  GuiFile file(std::move(fileName));
  auto screen = newScreenWithImage(file, textures, L"ABOUT_");
  addButtons(*screen, file, textures, {{L"ABOUT_BACK_", L"Go To Main Menu"}});
  game.getGUI()->addScreenGUI(GS_ABOUT_MENU, std::move(screen));
}

void VexmoorDataLoader::loadInGameScreen(GameGUI& gui) { gui.addScreenGUI(GS_GAME_IN_PROGRESS, std::make_unique<ScreenGUI>()); }

void VexmoorDataLoader::loadPauseScreens(Game& game, TextureManager& textures, std::wstring fileName) {
  GuiFile file(std::move(fileName));
  auto pause = newScreenWithImage(file, textures, L"PAUSE_MENU_");
  addButtons(*pause, file, textures, {{L"RESUME_", L"Resume"}, {L"QUIT_", L"Quit"}});
  const Placement placement = readPlacement(file, L"PAUSE_MENU_");
  const Button& quit = *pause->getButtons().back();
  // Loaded once: a second load would give the same id, and a second line if the image is missing.
  const uint32_t gameOverId = textures.loadTexture(L"textures/gui/overlays/vexmoor_game_over_overlay.png");
  GameGUI& gui = *game.getGUI();
  gui.addScreenGUI(GS_GAME_OVER, newGameOverScreen(gameOverId, placement, quit));
  gui.addScreenGUI(GS_GAME_END, newGameOverScreen(gameOverId, placement, quit));
  gui.addScreenGUI(GS_PAUSED, std::move(pause));
}

void VexmoorDataLoader::loadObjectiveScreen(Game& game, TextureManager&, std::wstring fileName) {
  GuiFile file(std::move(fileName));
  // The screen shows the tile events' own overlay, which lives as long as the state manager: the
  // image id stored in it whenever an objective is reached shows without further work.
  OverlayImage& objective = *game.getStateManager()->getTileEvents()->getObjectiveOverlay();
  placeImage(objective, readPlacement(file, L"OBJECTIVE_"));
  auto screen = std::make_unique<ScreenGUI>();
  screen->addOverlayImage(objective);
  game.getGUI()->addScreenGUI(GS_OBJECTIVE, std::move(screen));
}

void VexmoorDataLoader::loadWorld(Game&, std::wstring) {}
