#include "world/TileEventScript.h"

#include <lua5.1/lua.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "data/WideText.h"

namespace {

// Called every INSTRUCTION_BUDGET instructions of a run. From then on it fires at every
// instruction, so a script that catches the error with pcall is stopped again at once.
void stopRunawayScript(lua_State* state, lua_Debug*) {
  lua_sethook(state, stopRunawayScript, LUA_MASKCOUNT, 1);
  luaL_error(state, "instruction budget of %d exceeded (endless loop?)", TileEventScript::INSTRUCTION_BUDGET);
}

// Base, table, string and math only. Removed: whatever reads files (dofile, loadfile) and
// whatever loads chunks from strings (load, loadstring), because Lua 5.1 runs precompiled
// chunks unchecked; string.dump goes with them. Coroutines go too: the budget counts the main
// thread's instructions.
void openSafeLibraries(lua_State* state) {
  const lua_CFunction libraries[] = {luaopen_base, luaopen_table, luaopen_string, luaopen_math};
  for (lua_CFunction library : libraries) {
    lua_pushcfunction(state, library);
    lua_call(state, 0, 0);
  }
  for (const char* name : {"dofile", "loadfile", "load", "loadstring", "coroutine"}) {
    lua_pushnil(state);
    lua_setglobal(state, name);
  }
  lua_getglobal(state, "string");
  lua_pushnil(state);
  lua_setfield(state, -2, "dump");
  lua_pop(state, 1);
}

// The Lua allocator, held to MEMORY_LIMIT; `used` counts the bytes of the object's states.
void* allocateWithinLimit(void* used, void* block, size_t oldSize, size_t newSize) {
  size_t& inUse = *static_cast<size_t*>(used);
  if (newSize == 0) {
    inUse -= oldSize;
    std::free(block);
    return nullptr;
  }
  if (newSize > oldSize && inUse - oldSize + newSize > TileEventScript::MEMORY_LIMIT) return nullptr;
  void* resized = std::realloc(block, newSize);
  if (resized) inUse = inUse - oldSize + newSize;
  return resized;
}

// Errors outside a protected call cannot be recovered from; say so before Lua aborts.
int reportPanic(lua_State* state) {
  std::cerr << "Lua: unrecoverable error: " << (lua_tostring(state, -1) ? lua_tostring(state, -1) : "?") << "\n";
  return 0;
}

std::string errorText(lua_State* state) {
  const char* message = lua_tostring(state, -1);
  std::string text = message ? message : "(the error is not a text)";
  // One diagnostic line per failure, whatever the script put in its message.
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

// Pushes table[index] of the global table `name` without running metamethods, or reports why not.
std::optional<std::string> pushEntry(lua_State* state, const char* name, int32_t index) {
  lua_pushstring(state, name);
  lua_rawget(state, LUA_GLOBALSINDEX);
  if (!lua_istable(state, -1)) return std::string("global table \"") + name + "\" is missing";
  lua_rawgeti(state, -1, index);
  lua_remove(state, -2);
  return std::nullopt;
}

std::string entryName(const char* table, int32_t index) {
  return std::string("\"") + table + "\"[" + std::to_string(index) + "]";
}

// A tile number of the table as a marker coordinate in world pixels; it must fit the marker.
std::optional<std::string> readCoordinate(lua_State* state, const char* table, int32_t index, int32_t& pixels) {
  std::optional<std::string> failure = pushEntry(state, table, index);
  if (!failure) {
    const double tiles = lua_isnumber(state, -1) ? std::trunc(lua_tonumber(state, -1)) : NAN;
    const double limit = static_cast<double>(INT32_MAX / TileEventScript::MARKER_TILE_SIZE);
    if (std::isfinite(tiles) && std::fabs(tiles) <= limit) {
      pixels = static_cast<int32_t>(tiles) * TileEventScript::MARKER_TILE_SIZE;
    } else {
      failure = entryName(table, index) + " is not a tile number";
    }
  }
  lua_settop(state, 0);
  return failure;
}

// The objective image path, each byte widened to one character (no code-page conversion).
std::optional<std::string> readPath(lua_State* state, int32_t index, std::wstring& path) {
  std::optional<std::string> failure = pushEntry(state, "paths", index);
  if (!failure) {
    if (lua_type(state, -1) == LUA_TSTRING) {
      size_t length = 0;
      const char* bytes = lua_tolstring(state, -1, &length);
      path = WideText::widen(std::string(bytes, length));
    } else {
      failure = entryName("paths", index) + " is not a text";
    }
  }
  lua_settop(state, 0);
  return failure;
}

}  // namespace

void TileEventScript::LuaStateCloser::operator()(lua_State* state) const { lua_close(state); }

TileEventScript::TileEventScript()
    : luaState(newLuaState()), eventMarker(newMarker()), objectiveOverlay(std::make_unique<OverlayImage>()) {}

TileEventScript::LuaStatePointer TileEventScript::newLuaState() {
  LuaStatePointer state(lua_newstate(allocateWithinLimit, &luaMemoryInUse));
  if (!state) return state;
  lua_atpanic(state.get(), reportPanic);
  openSafeLibraries(state.get());
  return state;
}

std::unique_ptr<OverlayImage> TileEventScript::newMarker() {
  auto marker = std::make_unique<OverlayImage>();
  marker->width = MARKER_TILE_SIZE;
  marker->height = MARKER_TILE_SIZE;
  marker->alpha = 255;
  return marker;
}

int32_t TileEventScript::runScript(const std::string& path) {
  std::optional<std::string> failure = runChunk(path);
  ++eventCounter;
  if (!failure && eventCounter != 4) {
    Event event;
    failure = readEvent(eventCounter, event);
    if (!failure) {
      eventMarker->x = event.x;
      eventMarker->y = event.y;
      objectivePath = std::move(event.objectivePath);
    }
  }
  if (failure) std::cerr << path << ": tile-event script failed, the event marker stays: " << *failure << "\n";
  return eventCounter;
}

std::optional<std::string> TileEventScript::runChunk(const std::string& path) {
  if (!luaState) return "no Lua state (out of memory)";
  std::error_code error;
  std::ifstream file;
  if (std::filesystem::is_regular_file(path, error)) file.open(path, std::ios::binary);
  if (!file.is_open()) return "cannot be read";
  const std::string source{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (!source.empty() && source[0] == LUA_SIGNATURE[0]) return "precompiled chunks are not run";

  lua_State* state = luaState.get();
  lua_settop(state, 0);
  const std::string chunkName = "@" + path;
  int status = luaL_loadbuffer(state, source.data(), source.size(), chunkName.c_str());
  if (status == 0) {
    lua_sethook(state, stopRunawayScript, LUA_MASKCOUNT, INSTRUCTION_BUDGET);
    status = lua_pcall(state, 0, 0, 0);
    lua_sethook(state, nullptr, 0, 0);
  }
  std::optional<std::string> failure;
  if (status != 0) failure = errorText(state);
  lua_settop(state, 0);
  return failure;
}

std::optional<std::string> TileEventScript::readEvent(int32_t index, Event& event) {
  lua_State* state = luaState.get();
  std::optional<std::string> failure = readCoordinate(state, "xCoors", index, event.x);
  if (!failure) failure = readCoordinate(state, "yCoors", index, event.y);
  if (!failure) failure = readPath(state, index, event.objectivePath);
  return failure;
}

void TileEventScript::reset() {
  luaState = newLuaState();
  eventMarker = newMarker();
  eventCounter = 0;
  objectivePath.clear();
}
