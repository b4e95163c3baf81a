#include "data/GameDataLoader.h"

#include <cwctype>

#include "data/TextFileReader.h"

void GameDataLoader::loadProperties(PropertyMap& properties, const std::wstring& fileName) {
  TextFileReader reader;
  reader.openFile(fileName);
  while (reader.hasMoreLines()) parsePropertyLine(reader.getNextLine(), properties);
}

void GameDataLoader::parsePropertyLine(const std::wstring& line, PropertyMap& properties) {
  const size_t colon = line.find(L':');
  if (colon == std::wstring::npos) {
    properties[line] = line;
    return;
  }
  properties[line.substr(0, colon)] = line.substr(colon + 1);
}

void GameDataLoader::loadIntegerGrid(std::vector<uint32_t>& values, const std::wstring& fileName) {
  TextFileReader reader;
  reader.openFile(fileName);
  while (reader.hasMoreLines()) scanGridLine(reader.getNextLine(), values);
}

namespace {
// One cell as an unsigned decimal: leading white space skipped; no digits reads as 0.
uint32_t cellValue(const std::wstring& line, size_t start, size_t length) {
  size_t i = start;
  const size_t end = start + length;
  while (i < end && std::iswspace(static_cast<wint_t>(line[i]))) ++i;
  uint32_t value = 0;
  for (; i < end && line[i] >= L'0' && line[i] <= L'9'; ++i) value = value * 10 + (line[i] - L'0');
  return value;
}
}  // namespace

void GameDataLoader::scanGridLine(const std::wstring& line, std::vector<uint32_t>& values) {
  size_t i = 0;
  while (i < line.size()) {
    if (i + 1 < line.size() && line[i] != L',' && line[i + 1] != L',') {
      values.push_back(cellValue(line, i, 2));
      i += 2;
    } else if (line[i] == L',') {
      ++i;
    } else {
      values.push_back(cellValue(line, i, 1));
      ++i;
    }
  }
}
