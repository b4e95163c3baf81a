#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "gui/OverlayImage.h"

struct lua_State;

// Runs a level's objective script and holds the current event marker and objective image.
// A level script is Lua 5.1 defining the global tables "xCoors", "yCoors" (tile column and row of
// events 1 to 3) and "paths" (objective image of each event). All runs of one level share one Lua
// state. Scripts are content, so they run sandboxed: no library that reaches files, the OS or
// native code, no loading of precompiled chunks, an instruction budget per run and a memory cap.
class TileEventScript {
 public:
  // Lua instructions one run may execute; a run that goes past it (a runaway loop) fails.
  static constexpr int32_t INSTRUCTION_BUDGET = 10'000'000;
  // Bytes a level's Lua state may hold; an allocation past it fails as "not enough memory".
  static constexpr size_t MEMORY_LIMIT = 64 * 1024 * 1024;
  // The marker's tile size in world pixels, whatever the level's own tile size.
  static constexpr int32_t MARKER_TILE_SIZE = 32;

  TileEventScript();
  TileEventScript(const TileEventScript&) = delete;
  TileEventScript& operator=(const TileEventScript&) = delete;

  // Runs the script at the path and, for events 1 to 3, moves the marker and takes the next
  // objective path. A failed run, or tables without a usable entry, prints one line on stderr and
  // leaves marker and path as they were; the counter advances either way so the level goes on.
  int32_t runScript(const std::string& path);
  // Starts the next level: a fresh Lua state, a new marker, counter 0, no objective path.
  void reset();
  OverlayImage* getEventMarker() { return eventMarker.get(); }
  OverlayImage* getObjectiveOverlay() { return objectiveOverlay.get(); }
  std::wstring getObjectivePath() const { return objectivePath; }
  int32_t getEventCounter() const { return eventCounter; }

 private:
  struct LuaStateCloser {
    void operator()(lua_State* state) const;
  };
  using LuaStatePointer = std::unique_ptr<lua_State, LuaStateCloser>;
  struct Event {
    int32_t x = 0;
    int32_t y = 0;
    std::wstring objectivePath;
  };

  LuaStatePointer newLuaState();
  static std::unique_ptr<OverlayImage> newMarker();
  // Loads and calls the file as a chunk under the instruction budget; the error text on failure.
  std::optional<std::string> runChunk(const std::string& path);
  // The event's entries of the three tables; the error text when one is missing or unusable.
  std::optional<std::string> readEvent(int32_t index, Event& event);

  // Bytes held by the Lua states of this object; declared first, so it outlives them.
  size_t luaMemoryInUse = 0;
  LuaStatePointer luaState;
  int32_t eventCounter = 0;
  std::unique_ptr<OverlayImage> eventMarker;
  std::unique_ptr<OverlayImage> objectiveOverlay;
  std::wstring objectivePath;
};
