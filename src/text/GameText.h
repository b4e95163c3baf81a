#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "text/Dialog.h"
#include "text/TextEntry.h"
#include "text/TextGenerator.h"

// Every on-screen string as a list of entries, drawn in list order; the text generator that
// produces them; the debug output file; the dialog.
class GameText {
 public:
  size_t addText(const std::wstring* text, int32_t x, int32_t y, int32_t width, int32_t height);
  size_t addColoredText(const std::wstring* text, int32_t x, int32_t y, int32_t width, int32_t height,
                        int32_t red, int32_t green, int32_t blue);
  TextEntry& getTextEntry(size_t index) { return *textToDraw.at(index); }
  size_t getNumberOfTextEntries() const { return textToDraw.size(); }
  void setTextColor(int64_t index, int32_t red, int32_t green, int32_t blue);
  void setTextColorAndAlpha(int64_t index, int32_t red, int32_t green, int32_t blue, int32_t alpha);
  void setTextGenerator(std::unique_ptr<TextGenerator> generator) { textGenerator = std::move(generator); }
  TextGenerator* getTextGenerator() { return textGenerator.get(); }
  Dialog& getDialog() { return dialog; }
  // Opens the file anew (replacing an earlier one of that name).
  void initDebugFile(const std::string& fileName);
  // Writes the text unchanged; nothing is added.
  void writeDebugOutput(const std::string& text);

 private:
  std::vector<std::unique_ptr<TextEntry>> textToDraw;
  std::unique_ptr<TextGenerator> textGenerator;
  std::string debugFileName;
  std::ofstream debugOutput;
  Dialog dialog;
};
