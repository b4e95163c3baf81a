#include "audio/GameAudio.h"

#include <SDL.h>

#include <iostream>

namespace {
constexpr int MIXER_RATE = 44100;       // Hz
constexpr int MIXER_CHUNK_SIZE = 1024;  // sample frames per mixing pass: about 23 ms of latency
}  // namespace

GameAudio::GameAudio(const std::wstring& musicWaveBank, const std::wstring& musicSoundBank,
                     const std::wstring& effectsWaveBank, const std::wstring& effectsSoundBank)
    : musicWaveBankPath(musicWaveBank),
      musicSoundBankPath(musicSoundBank),
      effectsWaveBankPath(effectsWaveBank),
      effectsSoundBankPath(effectsSoundBank) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::cerr << "audio: no audio device (" << SDL_GetError() << "); the game plays without sound\n";
    return;
  }
  if (Mix_OpenAudio(MIXER_RATE, MIX_DEFAULT_FORMAT, 2, MIXER_CHUNK_SIZE) != 0) {
    std::cerr << "audio: no audio device (" << Mix_GetError() << "); the game plays without sound\n";
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  deviceOpen = true;

  const AudioCueTable musicTable(musicWaveBank, musicSoundBank);
  music = loadSounds<Mix_Music>(musicTable, Mix_LoadMUS);
  mainMenuMusicCue = musicTable.findCue("Main_Menu_Music");
  for (const auto& sound : music) waveBankPrepared = waveBankPrepared || sound != nullptr;

  const AudioCueTable effectsTable(effectsWaveBank, effectsSoundBank);
  effects = loadSounds<Mix_Chunk>(effectsTable, Mix_LoadWAV);
  effectChannels.assign(effects.size(), -1);
  rifleShotCue = effectsTable.findCue("RifleShot");
  reloadCue = effectsTable.findCue("Reload");
}

GameAudio::~GameAudio() {
  if (!deviceOpen) return;
  // The mixer must let go of every sound before the sounds are freed and the device closes.
  Mix_HaltMusic();
  Mix_HaltChannel(-1);
  music.clear();
  effects.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

template <typename Sound, typename Loader>
std::vector<GameAudio::SoundPointer<Sound>> GameAudio::loadSounds(const AudioCueTable& table, Loader load) {
  std::vector<SoundPointer<Sound>> sounds;
  for (uint16_t cue = 0; cue < table.size(); ++cue) {
    const std::string& path = table.getFilePath(cue);
    sounds.emplace_back(path.empty() ? nullptr : load(path.c_str()));
    if (!path.empty() && !sounds.back()) {
      std::cerr << path << ": sound cannot be loaded (" << Mix_GetError() << "); cue \"" << table.getCueName(cue)
                << "\" stays silent\n";
    }
  }
  return sounds;
}

void GameAudio::update() {
  if (!waveBankPrepared) return;
  waveBankPrepared = false;
  playMusicCue(mainMenuMusicCue);
}

void GameAudio::playMusicCue(uint16_t cue) {
  if (cue >= music.size() || !music[cue]) return;
  // Music cues loop until stopped.
  if (Mix_PlayMusic(music[cue].get(), -1) == 0) playingMusicCue = cue;
}

void GameAudio::stopMusicCue(uint16_t cue) {
  if (cue == NO_CUE || cue != playingMusicCue) return;
  Mix_HaltMusic();
  playingMusicCue = NO_CUE;
}

bool GameAudio::isMusicPlaying() const { return deviceOpen && Mix_PlayingMusic() != 0; }

void GameAudio::playSoundEffect(uint16_t cue) {
  if (cue >= effects.size()) return;
  if (cue == reloadCue) reloadPlaying = true;
  if (effects[cue]) effectChannels[cue] = Mix_PlayChannel(-1, effects[cue].get(), 0);
}

void GameAudio::stopSoundEffect(uint16_t cue) {
  if (cue >= effects.size()) return;
  if (cue == reloadCue) reloadPlaying = false;
  // The channel may since have been taken by another sound: stop it only if it still plays this one.
  const int channel = effectChannels[cue];
  if (channel >= 0 && Mix_Playing(channel) && Mix_GetChunk(channel) == effects[cue].get()) Mix_HaltChannel(channel);
  effectChannels[cue] = -1;
}

void GameAudio::playAfterReload(uint16_t cue) {
  if (reloadPlaying) stopSoundEffect(reloadCue);
  playSoundEffect(cue);
}
