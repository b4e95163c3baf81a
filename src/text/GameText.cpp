#include "text/GameText.h"

#include <algorithm>
#include <iostream>

namespace {
int32_t clampColor(int32_t value) { return std::clamp(value, 0, 255); }
}  // namespace

size_t GameText::addText(const std::wstring* text, int32_t x, int32_t y, int32_t width, int32_t height) {
  auto entry = std::make_unique<TextEntry>();
  entry->text = text;
  entry->x = x;
  entry->y = y;
  entry->width = width;
  entry->height = height;
  textToDraw.push_back(std::move(entry));
  return textToDraw.size() - 1;
}

size_t GameText::addColoredText(const std::wstring* text, int32_t x, int32_t y, int32_t width,
                                int32_t height, int32_t red, int32_t green, int32_t blue) {
  const size_t index = addText(text, x, y, width, height);
  TextEntry& entry = *textToDraw[index];
  entry.red = red;
  entry.green = green;
  entry.blue = blue;
  return index;
}

void GameText::setTextColor(int64_t index, int32_t red, int32_t green, int32_t blue) {
  if (index < 0 || static_cast<size_t>(index) >= textToDraw.size()) return;
  TextEntry& entry = *textToDraw[static_cast<size_t>(index)];
  entry.red = clampColor(red);
  entry.green = clampColor(green);
  entry.blue = clampColor(blue);
}

void GameText::setTextColorAndAlpha(int64_t index, int32_t red, int32_t green, int32_t blue, int32_t alpha) {
  if (index < 0 || static_cast<size_t>(index) >= textToDraw.size()) return;
  setTextColor(index, red, green, blue);
  textToDraw[static_cast<size_t>(index)]->alpha = clampColor(alpha);
}

void GameText::initDebugFile(const std::string& fileName) {
  debugFileName = fileName;
  if (debugOutput.is_open()) debugOutput.close();
  debugOutput.open(fileName, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!debugOutput.is_open()) std::cerr << fileName << ": cannot be written; debug output is lost\n";
}

void GameText::writeDebugOutput(const std::string& text) {
  if (!debugOutput.is_open()) return;
  debugOutput << text;
  debugOutput.flush();
}
