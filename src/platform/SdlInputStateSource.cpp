#include "platform/SdlInputStateSource.h"

#include <SDL.h>

#include <utility>

namespace {
struct ScancodeKey {
  SDL_Scancode scancode;
  int keyCode;
};

constexpr ScancodeKey namedKeys[] = {
    {SDL_SCANCODE_BACKSPACE, KeyCodes::BACKSPACE}, {SDL_SCANCODE_TAB, KeyCodes::TAB},
    {SDL_SCANCODE_RETURN, KeyCodes::ENTER},         {SDL_SCANCODE_PAUSE, KeyCodes::PAUSE},
    {SDL_SCANCODE_CAPSLOCK, KeyCodes::CAPS_LOCK},   {SDL_SCANCODE_ESCAPE, KeyCodes::ESCAPE},
    {SDL_SCANCODE_SPACE, KeyCodes::SPACE},          {SDL_SCANCODE_PAGEUP, KeyCodes::PAGE_UP},
    {SDL_SCANCODE_PAGEDOWN, KeyCodes::PAGE_DOWN},   {SDL_SCANCODE_END, KeyCodes::END},
    {SDL_SCANCODE_HOME, KeyCodes::HOME},            {SDL_SCANCODE_LEFT, KeyCodes::LEFT},
    {SDL_SCANCODE_UP, KeyCodes::UP},                {SDL_SCANCODE_RIGHT, KeyCodes::RIGHT},
    {SDL_SCANCODE_DOWN, KeyCodes::DOWN},            {SDL_SCANCODE_INSERT, KeyCodes::INSERT},
    {SDL_SCANCODE_DELETE, KeyCodes::DELETE_KEY},    {SDL_SCANCODE_LSHIFT, KeyCodes::LEFT_SHIFT},
    {SDL_SCANCODE_RSHIFT, KeyCodes::RIGHT_SHIFT},   {SDL_SCANCODE_LCTRL, KeyCodes::LEFT_CONTROL},
    {SDL_SCANCODE_RCTRL, KeyCodes::RIGHT_CONTROL},  {SDL_SCANCODE_LALT, KeyCodes::LEFT_ALT},
    {SDL_SCANCODE_RALT, KeyCodes::RIGHT_ALT},
};
}  // namespace

void SdlInputStateSource::readKeys(std::array<bool, KeyCodes::COUNT>& down) {
  down.fill(false);
  SDL_PumpEvents();
  const Uint8* state = SDL_GetKeyboardState(nullptr);
  for (int i = 0; i < 26; ++i) down['A' + i] = state[SDL_SCANCODE_A + i] != 0;
  for (int i = 0; i < 9; ++i) down['1' + i] = state[SDL_SCANCODE_1 + i] != 0;
  down['0'] = state[SDL_SCANCODE_0] != 0;
  for (int i = 0; i < 10; ++i) down[KeyCodes::NUMPAD_0 + i] = false;
  for (int i = 0; i < 12; ++i) down[KeyCodes::F1 + i] = state[SDL_SCANCODE_F1 + i] != 0;
  for (const ScancodeKey& key : namedKeys) down[key.keyCode] = state[key.scancode] != 0;
  // The generic modifier codes are down when either side is.
  down[KeyCodes::SHIFT] = down[KeyCodes::LEFT_SHIFT] || down[KeyCodes::RIGHT_SHIFT];
  down[KeyCodes::CONTROL] = down[KeyCodes::LEFT_CONTROL] || down[KeyCodes::RIGHT_CONTROL];
  down[KeyCodes::ALT] = down[KeyCodes::LEFT_ALT] || down[KeyCodes::RIGHT_ALT];
  const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
  down[KeyCodes::LEFT_BUTTON] = (buttons & SDL_BUTTON_LMASK) != 0;
  down[KeyCodes::RIGHT_BUTTON] = (buttons & SDL_BUTTON_RMASK) != 0;
  down[KeyCodes::MIDDLE_BUTTON] = (buttons & SDL_BUTTON_MMASK) != 0;
}

MousePoint SdlInputStateSource::readMouse() {
  int windowX = 0;
  int windowY = 0;
  SDL_GetMouseState(&windowX, &windowY);
  // In full screen the renderer scales the game's pixels; map window pixels back to game pixels.
  SDL_Window* window = SDL_GetMouseFocus();
  SDL_Renderer* renderer = window ? SDL_GetRenderer(window) : nullptr;
  if (!renderer) return {windowX, windowY};
  float logicalX = 0.0f;
  float logicalY = 0.0f;
  SDL_RenderWindowToLogical(renderer, windowX, windowY, &logicalX, &logicalY);
  return {static_cast<int32_t>(logicalX), static_cast<int32_t>(logicalY)};
}

bool SdlInputStateSource::isLeftButtonDown() {
  return (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0;
}
