#include "game/VexmoorKeyEventHandler.h"

#include <cmath>

#include "app/Game.h"
#include "app/GameStateManager.h"
#include "audio/GameAudio.h"
#include "game/BotFactory.h"
#include "game/HelperBot.h"
#include "game/Projectile.h"
#include "graphics/GameGraphics.h"
#include "gui/GameGUI.h"
#include "platform/GameInput.h"
#include "platform/GameTimer.h"
#include "sprites/SpriteManager.h"
#include "sprites/Vector2D.h"
#include "text/GameText.h"
#include "world/Viewport.h"
#include "world/World.h"

namespace {
constexpr int32_t MESSAGE_RED = 255, MESSAGE_GREEN = 255, MESSAGE_BLUE = 255, MESSAGE_ALPHA = 255;
}  // namespace

void VexmoorKeyEventHandler::handleKeyEvents(Game& game) {
  GameStateManager& stateManager = *game.getStateManager();
  const GameInput& input = *game.getInput();
  // Decided once: a level running when the frame began plays this frame out, even if Tab pauses it.
  const bool pausedThisFrame = stateManager.isGameInProgress() && playLevel(game);
  const bool tab = input.isKeyDownForFirstTime(KeyCodes::TAB);
  // The Tab press that paused must not resume in the same frame.
  if (stateManager.isPaused() && tab && !pausedThisFrame) stateManager.setCurrentState(GS_GAME_IN_PROGRESS);
  if (stateManager.isObjectiveShown() && tab) stateManager.setCurrentState(GS_GAME_IN_PROGRESS);
  changeTargetFrameRate(game);
  jumpToLevels(game);
  // The GUI handles this frame's click after this call, in the state left now.
  clickWasInPlay = stateManager.isGameInProgress();
}

bool VexmoorKeyEventHandler::playLevel(Game& game) const {
  GameStateManager& stateManager = *game.getStateManager();
  const GameInput& input = *game.getInput();
  AnimatedSprite& player = stateManager.getSpriteManager()->getPlayer();
  const bool pause = input.isKeyDownForFirstTime(KeyCodes::TAB);
  if (pause) stateManager.setCurrentState(GS_PAUSED);
  if (input.isKeyDownForFirstTime('R')) reload(game, player);
  // Every frame both are held: holding them flips the flag back and forth.
  if (input.isKeyDown(KeyCodes::LEFT_CONTROL) && input.isKeyDown('I')) player.setInvincible(!player.isInvincible());
  if (input.isKeyDownForFirstTime(KeyCodes::SPACE)) summonHelper(game, player);
  const Vector2D velocity = walkingVelocity(input);
  player.getProperties().speed = WALK_SPEED;
  if (input.wasMouseClicked() && clickWasInPlay) shoot(game, player);
  // No movement key held: the player stops at once.
  player.getProperties().setVelocity(velocity.x, velocity.y);
  followPlayer(game, player);
  return pause;
}

void VexmoorKeyEventHandler::reload(Game& game, AnimatedSprite& player) {
  SpriteProperties& properties = player.getProperties();
  if (properties.ammoReserve == 0) {
    sayToPlayer(game, NEED_AMMO);
    return;
  }
  if (GameAudio* audio = game.getAudio()) audio->playReloadCue();
  // A fresh clip from the reserve; rounds still in the old clip are thrown away.
  if (properties.ammoReserve >= CLIP_SIZE) {
    properties.ammoReserve = static_cast<uint16_t>(properties.ammoReserve - CLIP_SIZE);
    properties.ammoInClip = CLIP_SIZE;
  } else {
    properties.ammoInClip = properties.ammoReserve;
    properties.ammoReserve = 0;
  }
}

void VexmoorKeyEventHandler::summonHelper(Game& game, const AnimatedSprite& player) {
  BotFactory& factory = getBotFactory(game);
  // The pool holds every helper not out: an empty pool means the player's helpers are all in play.
  if (factory.helperPoolSize() == 0) {
    sayToPlayer(game, NO_MORE_BOTS);
    return;
  }
  const SpriteProperties& at = player.getProperties();
  HelperBot& helper = factory.createHelperBot(game, HELPER_SPEED, at.x + SUMMON_OFFSET, at.y + SUMMON_OFFSET);
  SpriteManager& sprites = *game.getStateManager()->getSpriteManager();
  sprites.addBot(helper);
  sprites.getFlock().addMember(helper);
}

Vector2D VexmoorKeyEventHandler::walkingVelocity(const GameInput& input) {
  // Screen y grows downwards; A wins over D and S over W.
  Vector2D direction;
  if (input.isKeyDown('D')) direction.x = WALK_SPEED;
  if (input.isKeyDown('A')) direction.x = -WALK_SPEED;
  if (input.isKeyDown('W')) direction.y = -WALK_SPEED;
  if (input.isKeyDown('S')) direction.y = WALK_SPEED;
  // Diagonal walking is no faster than straight walking.
  return direction.normalised() * WALK_SPEED;
}

void VexmoorKeyEventHandler::shoot(Game& game, AnimatedSprite& player) {
  SpriteProperties& properties = player.getProperties();
  // With no rounds at all a click does nothing.
  if (properties.ammoReserve == 0 && properties.ammoInClip == 0) return;
  if (properties.ammoInClip == 0) {
    sayToPlayer(game, RELOAD_NOW);
    return;
  }
  if (GameAudio* audio = game.getAudio()) audio->playRifleShotCue();
  // The click was in the previous frame; the aim is where the mouse is now, in world pixels.
  const MousePoint mouse = game.getInput()->getMousePoint();
  const Viewport& viewport = game.getGUI()->getViewport();
  const auto targetX = static_cast<float>(mouse.x + viewport.getViewportX());
  const auto targetY = static_cast<float>(mouse.y + viewport.getViewportY());
  Projectile& shot = getBotFactory(game).createProjectile(properties.x, properties.y, targetX, targetY);
  game.getStateManager()->getSpriteManager()->addBot(shot);
  --properties.ammoInClip;
}

void VexmoorKeyEventHandler::followPlayer(Game& game, const AnimatedSprite& player) {
  const GameGraphics& graphics = *game.getGraphics();
  Viewport& viewport = game.getGUI()->getViewport();
  const World& world = game.getStateManager()->getWorld();
  const SpriteProperties& at = player.getProperties();
  const AnimatedSpriteType* type = player.getSpriteType();
  const int32_t worldWidth = world.getWorldWidth();
  const int32_t worldHeight = world.getWorldHeight();
  if (const auto stepX = followStep(at.x, type ? type->getTextureWidth() : 0, graphics.getScreenWidth(),
                                    viewport.getViewportX())) {
    viewport.moveViewport(*stepX, 0, worldWidth, worldHeight);
  }
  if (const auto stepY = followStep(at.y, type ? type->getTextureHeight() : 0, graphics.getScreenHeight(),
                                    viewport.getViewportY())) {
    viewport.moveViewport(0, *stepY, worldWidth, worldHeight);
  }
}

std::optional<int32_t> VexmoorKeyEventHandler::followStep(float playerPosition, int32_t textureSize,
                                                          int32_t screenSize, int32_t viewportPosition) {
  const auto half = static_cast<float>(textureSize / 2);
  const auto halfScreen = static_cast<float>(screenSize / 2);
  const auto position = static_cast<float>(viewportPosition);
  // The player's centre on the screen, and where the viewport would stand with it in the middle.
  const float onScreen = playerPosition - position + half;
  const float target = playerPosition - halfScreen + half;
  const float distance = onScreen - halfScreen;
  // The speed grows with the square of the distance. The ceiling of the signed step makes the view
  // follow right and down at once but left and up only once the step reaches a whole pixel (about
  // 38 pixels off centre).
  const float squared = FOLLOW_FACTOR * distance * distance;
  if (target > position) return static_cast<int32_t>(std::ceil(squared));
  if (target < position) return static_cast<int32_t>(std::ceil(-squared));
  return std::nullopt;
}

void VexmoorKeyEventHandler::changeTargetFrameRate(Game& game) {
  GameTimer& timer = *game.getTimer();
  const GameInput& input = *game.getInput();
  const int32_t rate = timer.getTargetFPS();
  if (input.isKeyDown(KeyCodes::HOME) && rate < MAX_TARGET_FPS) {
    timer.setTargetFPS(rate + 1);
  } else if (input.isKeyDown(KeyCodes::END) && rate > MIN_TARGET_FPS) {
    timer.setTargetFPS(rate - 1);
  }
}

void VexmoorKeyEventHandler::jumpToLevels(Game& game) {
  const GameInput& input = *game.getInput();
  GameStateManager& stateManager = *game.getStateManager();
  if (!input.isKeyDown(KeyCodes::LEFT_CONTROL)) return;
  for (int32_t level = 0; level < LEVEL_JUMPS; ++level) {
    if (!input.isKeyDown('1' + level)) continue;
    // A level the list does not have: the running one is not torn down for nothing.
    const auto index = static_cast<uint32_t>(level);
    if (index >= stateManager.getNumberOfLevels()) continue;
    stateManager.runLevelTeardown(game);
    stateManager.loadLevel(game, index);
  }
}

void VexmoorKeyEventHandler::sayToPlayer(Game& game, const std::wstring& text) {
  game.getText()->getDialog().showPlayerDialog(game, text, MESSAGE_RED, MESSAGE_GREEN, MESSAGE_BLUE, MESSAGE_ALPHA);
}
