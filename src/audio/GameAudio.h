#pragma once

#include <SDL_mixer.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/AudioCueTable.h"

// The game's music and sound effects on SDL2_mixer. Two banks, each a wave bank folder with its
// cue table: the music bank (streamed from its files) and the sound-effects bank (held in memory).
// The menu music starts once, in the first update after its bank is ready. Without an audio
// device, or with a missing table or sound, the affected cues stay silent and the game goes on.
// One GameAudio exists at a time: the mixer is process-wide.
class GameAudio {
 public:
  static constexpr uint16_t NO_CUE = AudioCueTable::NO_CUE;

  GameAudio(const std::wstring& musicWaveBank, const std::wstring& musicSoundBank,
            const std::wstring& effectsWaveBank, const std::wstring& effectsSoundBank);
  ~GameAudio();
  GameAudio(const GameAudio&) = delete;
  GameAudio& operator=(const GameAudio&) = delete;

  // Once per frame, after drawing: starts the menu music when its bank has become ready.
  void update();
  void playSoundEffect(uint16_t cue);
  // Stops the cue if it is still playing. Stopping "Reload" clears the reload flag.
  void stopSoundEffect(uint16_t cue);
  void stopMusicCue(uint16_t cue);
  // What the player's controls do: a reload still sounding is cut off by a new reload or a shot.
  void playReloadCue() { playAfterReload(reloadCue); }
  void playRifleShotCue() { playAfterReload(rifleShotCue); }
  // Set when "Reload" is played, cleared when it is stopped (not when it ends by itself).
  bool isReloadPlaying() const { return reloadPlaying; }
  bool isMusicPlaying() const;
  bool hasDevice() const { return deviceOpen; }
  uint16_t getRifleShotCue() const { return rifleShotCue; }
  uint16_t getReloadCue() const { return reloadCue; }
  uint16_t getMainMenuMusicCue() const { return mainMenuMusicCue; }

 private:
  struct MixerFree {
    void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
  };
  template <typename Sound>
  using SoundPointer = std::unique_ptr<Sound, MixerFree>;

  // One sound per cue of the table (empty where it would not load), each failure on stderr.
  template <typename Sound, typename Loader>
  static std::vector<SoundPointer<Sound>> loadSounds(const AudioCueTable& table, Loader load);
  void playMusicCue(uint16_t cue);
  void playAfterReload(uint16_t cue);

  std::wstring musicWaveBankPath;
  std::wstring musicSoundBankPath;
  std::wstring effectsWaveBankPath;
  std::wstring effectsSoundBankPath;
  bool deviceOpen = false;
  std::vector<SoundPointer<Mix_Music>> music;
  std::vector<SoundPointer<Mix_Chunk>> effects;
  std::vector<int> effectChannels;  // the mixer channel each effect cue last started on, or -1
  uint16_t playingMusicCue = NO_CUE;
  uint16_t mainMenuMusicCue = NO_CUE;
  uint16_t rifleShotCue = NO_CUE;
  uint16_t reloadCue = NO_CUE;
  bool waveBankPrepared = false;  // the music bank is ready and its menu music not yet started
  bool reloadPlaying = false;
};
