#pragma once

#include <array>
#include <string>

#include "text/TextGenerator.h"

// The heads-up display: helper bots left and ammunition.
class VexmoorTextGenerator : public TextGenerator {
 public:
  VexmoorTextGenerator();
  void initText(Game& game) override;
  void updateText(Game& game) override;
  void advanceTextLines(Game& game, const std::wstring& text, float value) override;

  const std::wstring& getBotsText() const { return botsText; }
  const std::wstring& getAmmoText() const { return ammoText; }

 private:
  std::array<std::wstring, 7> dialogLines;
  std::wstring botsText;
  std::wstring ammoText;
};
