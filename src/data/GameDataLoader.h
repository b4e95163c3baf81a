#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/PropertyMap.h"

class Game;

// Builds the game from its data files. The reading of property and grid files is shared here;
// the game's own loader builds the window, the GUI and the levels from them.
class GameDataLoader {
 public:
  virtual ~GameDataLoader() = default;
  virtual void loadGame(Game& game, std::wstring initFileName) = 0;
  virtual void loadGUI(Game& game, std::wstring initFileName) = 0;
  virtual void loadWorld(Game& game, std::wstring levelInitFileName) = 0;

  // Reads a property file: one "key:value" per line, the key before the first colon; a line
  // without a colon is both key and value; a repeated key keeps its last value.
  static void loadProperties(PropertyMap& properties, const std::wstring& fileName);
  static void parsePropertyLine(const std::wstring& line, PropertyMap& properties);
  // Appends the cells of a comma-separated file of one- and two-digit numbers to values.
  static void loadIntegerGrid(std::vector<uint32_t>& values, const std::wstring& fileName);
  static void scanGridLine(const std::wstring& line, std::vector<uint32_t>& values);
};
