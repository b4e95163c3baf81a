#include "data/VexmoorDataLoader.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "data/PropertyValues.h"
#include "game/BotFactory.h"
#include "game/RandomFloatingBot.h"
#include "game/StealthBot.h"
#include "game/VexmoorContactRules.h"
#include "data/WideText.h"
#include "graphics/SdlGraphics.h"
#include "graphics/TextureManager.h"
#include "graphics/WStringTable.h"
#include "gui/GameGUI.h"
#include "platform/SdlInput.h"
#include "platform/SdlOS.h"
#include "platform/SdlTimer.h"
#include "sprites/AnimatedSpriteType.h"
#include "sprites/SpriteKind.h"
#include "sprites/SpriteManager.h"
#include "text/GameText.h"
#include "text/VexmoorTextGenerator.h"
#include "world/Physics.h"
#include "world/TileEventScript.h"
#include "world/TiledLayer.h"
#include "world/World.h"

using PropertyValues::integer;
using PropertyValues::real;
using PropertyValues::text;

namespace {
constexpr int32_t DEFAULT_FONT_SIZE = 20;  // pixels
constexpr int32_t MAX_FONT_SIZE = 200;     // pixels

// The text font's height; a missing or unusable value falls back to the default with one line.
int32_t textFontSize(PropertyMap& properties, const std::wstring& fileName) {
  const int32_t size = PropertyValues::integer(properties, L"TEXT_FONT_SIZE");
  if (size > 0 && size <= MAX_FONT_SIZE) return size;
  std::cerr << WideText::narrow(fileName) << ": TEXT_FONT_SIZE must be 1 to " << MAX_FONT_SIZE << "; using "
            << DEFAULT_FONT_SIZE << "\n";
  return DEFAULT_FONT_SIZE;
}
}  // namespace

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
  const int32_t fontSize = textFontSize(properties, initFileName);

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
    GameDataLoader::loadProperties(properties, fileName);
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


namespace {
constexpr int32_t FIXED_TILE_SIZE = 32;  // pixels: bot placements and fog counts use it
constexpr int32_t FOG_CELL_SIZE = 128;   // pixels
constexpr uint32_t PLAYER_FRAME_DURATION = 50;  // game frames
const std::wstring IDLE_STATE = L"IDLE_STATE";
const std::wstring COLLIDABLE = L"TRUE";
constexpr size_t PLACEMENT_SIZE = 4;  // kind, count, column, row

constexpr int32_t MAX_LAYER_SIZE = 1024;  // tiles across or down, and pixels a tile

// A layer's size as the file gives it, held to a size the game can build and step: a slip of the
// keyboard in a level file must not make millions of tiles and fog cells.
int32_t layerSize(PropertyMap& properties, const std::wstring& key, const std::wstring& fileName) {
  const int32_t value = PropertyValues::integer(properties, key);
  if (value <= MAX_LAYER_SIZE) return value;
  std::cerr << WideText::narrow(fileName) << ": " << WideText::narrow(key) << " " << value << " is more than "
            << MAX_LAYER_SIZE << "; using " << MAX_LAYER_SIZE << "\n";
  return MAX_LAYER_SIZE;
}

// The next entry at or after it whose key is not empty: a blank line (a final line break, say)
// reads as an entry with an empty key, which names no tile.
PropertyMap::const_iterator skipBlank(PropertyMap::const_iterator entry, const PropertyMap& properties) {
  while (entry != properties.end() && entry->first.empty()) ++entry;
  return entry;
}
}  // namespace

void VexmoorDataLoader::loadWorld(Game& game, std::wstring levelInitFileName) {
  game.getStateManager()->getPhysics().setContactRules(std::make_unique<VexmoorContactRules>());
  PropertyMap level;
  loadProperties(level, levelInitFileName);
  loadTiledLayer(game, text(level, L"TILE_LAYER_PATH"));
  loadPlayer(game, text(level, L"PLAYER_PATH"));
  loadBots(game, text(level, L"DOG_BOT_LOCATIONS"));
  loadEvents(game, text(level, L"EVENTS_PATH"));
}

void VexmoorDataLoader::loadTiledLayer(Game& game, std::wstring fileName) {
  PropertyMap properties;
  loadProperties(properties, fileName);
  const int32_t columns = layerSize(properties, L"NUM_COLUMNS", fileName);
  const int32_t rows = layerSize(properties, L"NUM_ROWS", fileName);
  const int32_t tileWidth = layerSize(properties, L"TILE_WIDTH", fileName);
  const int32_t tileHeight = layerSize(properties, L"TILE_HEIGHT", fileName);
  World& world = game.getStateManager()->getWorld();
  world.setWorldWidth(columns * tileWidth);
  world.setWorldHeight(rows * tileHeight);
  auto layer = std::make_unique<TiledLayer>(columns, rows, tileWidth, tileHeight, integer(properties, L"Z_LAYER"), true);
  std::vector<uint32_t> grid;
  loadIntegerGrid(grid, text(properties, L"TILE_GRID_FILE"));
  const std::vector<Tile> tileOfValue =
      loadTileTextures(game, text(properties, L"TILE_TEXTURES_FILE"), text(properties, L"COLLIDABLE_TILES_FILE"));
  // A short grid stops here; the layer treats the tiles it lacks as empty and passable. A value
  // that names no tile image draws nothing and is passable.
  const size_t tiles = std::min(grid.size(), static_cast<size_t>(std::max(columns, 0)) * static_cast<size_t>(std::max(rows, 0)));
  for (size_t i = 0; i < tiles; ++i) layer->addTile(grid[i] < tileOfValue.size() ? tileOfValue[grid[i]] : Tile{});
  world.addWorldLayer(std::move(layer));
  loadFogOfWar(game, columns, rows, text(properties, L"FOG_OF_WAR_IMAGE_PATH"));
}

std::vector<Tile> VexmoorDataLoader::loadTileTextures(Game& game, std::wstring textureFileName,
                                                      std::wstring collidableFileName) {
  PropertyMap textures;
  loadProperties(textures, textureFileName);
  PropertyMap collidables;
  loadProperties(collidables, collidableFileName);
  TextureManager& manager = *game.getGraphics()->getWorldTextureManager();
  // A grid value counts the distinct images in key order, as the manager's ids do when every image
  // loads; an image that fails keeps its value, so the tiles after it still show their own images.
  WStringTable values;
  std::vector<Tile> tileOfValue;
  // Side by side in key order; a collidable file that ends early leaves the rest passable.
  auto collidable = skipBlank(collidables.cbegin(), collidables);
  for (auto texture = skipBlank(textures.cbegin(), textures); texture != textures.end();
       texture = skipBlank(std::next(texture), textures)) {
    const bool marked = collidable != collidables.end() && collidable->second == COLLIDABLE;
    if (collidable != collidables.end()) collidable = skipBlank(std::next(collidable), collidables);
    if (texture->second.empty()) continue;
    const uint32_t value = values.putStringInTable(texture->second);
    if (value == tileOfValue.size()) tileOfValue.push_back(Tile{manager.loadTexture(texture->second), false});
    // A wall stays a wall even when its image is missing.
    tileOfValue[value].collidable = tileOfValue[value].collidable || marked;
  }
  return tileOfValue;
}

void VexmoorDataLoader::loadFogOfWar(Game& game, int32_t numColumns, int32_t numRows, std::wstring imagePath) {
  const int32_t fogColumns = numColumns * FIXED_TILE_SIZE / FOG_CELL_SIZE;
  const int32_t fogRows = numRows * FIXED_TILE_SIZE / FOG_CELL_SIZE;
  auto fog = std::make_unique<SparseLayer>();
  const uint32_t imageId = loadImage(*game.getGraphics()->getWorldTextureManager(), imagePath);
  for (int32_t column = 0; column < fogColumns; ++column) {
    for (int32_t row = 0; row < fogRows; ++row) {
      fog->addOverlayImage(std::make_unique<OverlayImage>(
          OverlayImage{imageId, column * FOG_CELL_SIZE, row * FOG_CELL_SIZE, 0, 255, FOG_CELL_SIZE, FOG_CELL_SIZE}));
    }
  }
  game.getStateManager()->getWorld().setFogOfWar(std::move(fog), fogRows, fogColumns);
}

void VexmoorDataLoader::loadPlayer(Game& game, std::wstring fileName) {
  PropertyMap properties;
  loadProperties(properties, fileName);
  // The player's look lives as long as the loader, which outlives every level.
  playerType = std::make_unique<AnimatedSpriteType>();
  const uint32_t imageId = loadImage(*game.getGraphics()->getWorldTextureManager(), text(properties, L"PLAYER_PATH"));
  playerType->setDimensions(integer(properties, L"PLAYER_WIDTH"), integer(properties, L"PLAYER_HEIGHT"));
  playerType->addAnimationSequence(IDLE_STATE);
  playerType->appendFrame(IDLE_STATE, imageId, PLAYER_FRAME_DURATION);
  playerType->setSpriteTypeId(-1);

  AnimatedSprite& player = game.getStateManager()->getSpriteManager()->getPlayer();
  player.setSpriteType(playerType.get());
  player.setKind(SpriteKind::PLAYER);
  player.setInvincible(false);
  SpriteProperties& record = player.getProperties();
  record.setPosition(static_cast<float>(integer(properties, L"PLAYER_X")),
                     static_cast<float>(integer(properties, L"PLAYER_Y")));
  record.setVelocity(real(properties, L"PLAYER_VELOCITY_X"), real(properties, L"PLAYER_VELOCITY_Y"));
  record.accelerationX = real(properties, L"PLAYER_ACCELERATION_X");
  record.accelerationY = real(properties, L"PLAYER_ACCELERATION_Y");
  record.collisionWidth = 32.0f;
  record.collisionHeight = 32.0f;
  record.rotation = 30.0f;
  record.hitPoints = 100;
  record.ammoReserve = 180;
  record.ammoInClip = 30;
  player.setAlpha(integer(properties, L"PLAYER_ALPHA"));
  player.setCurrentState(IDLE_STATE);
}

void VexmoorDataLoader::loadBots(Game& game, std::wstring fileName) {
  BotFactory& factory = getBotFactory(game);
  factory.buildAllTypesAndPools();
  std::vector<uint32_t> placements;
  loadIntegerGrid(placements, fileName);
  Physics& physics = game.getStateManager()->getPhysics();
  SpriteManager& sprites = *game.getStateManager()->getSpriteManager();
  // Whole groups only: a trailing partial group is ignored.
  for (size_t i = 0; i + PLACEMENT_SIZE <= placements.size(); i += PLACEMENT_SIZE) {
    const uint32_t kind = placements[i];
    const bool floating = kind == static_cast<uint32_t>(SpriteKind::RANDOM_FLOATING_BOT);
    // Other kinds place nothing.
    if (!floating && kind != static_cast<uint32_t>(SpriteKind::STEALTH_BOT)) continue;
    const auto x = static_cast<int32_t>(placements[i + 2]) * FIXED_TILE_SIZE;
    const auto y = static_cast<int32_t>(placements[i + 3]) * FIXED_TILE_SIZE;
    for (uint32_t made = 0; made < placements[i + 1]; ++made) {
      if (floating) {
        sprites.addBot(factory.createRandomFloatingBot(physics, 2, 20, 180, x, y));
      } else {
        sprites.addBot(factory.createStealthBot(physics, x, y));
      }
    }
  }
}

void VexmoorDataLoader::loadEvents(Game& game, std::wstring fileName) {
  GameStateManager& state = *game.getStateManager();
  auto layer = std::make_unique<SparseLayer>();
  SparseLayer& events = *layer;
  state.getWorld().addWorldLayer(std::move(layer));
  PropertyMap properties;
  loadProperties(properties, fileName);
  const uint32_t imageId = loadImage(*game.getGraphics()->getWorldTextureManager(), text(properties, L"BLUE_TILE_PATH"));
  TileEventScript& script = *state.getTileEvents();
  script.runScript(GameStateManager::getTileEventScriptName(state.getCurrentLevel()));
  OverlayImage& marker = *script.getEventMarker();
  marker.imageId = imageId;
  // The marker belongs to the script object, which keeps it until the level is left.
  events.addOverlayImage(marker);
}
