#pragma once

#include <string>

// Music and sound-effect cues.
class GameAudio {
 public:
  GameAudio(const std::wstring& musicWaveBank, const std::wstring& musicSoundBank,
            const std::wstring& effectsWaveBank, const std::wstring& effectsSoundBank);
  void playCue(const std::string& cueName);
  void stopCue(const std::string& cueName);
  void update();
};
