#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/GameAudio.h"

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the scope of a test and puts the old value back after.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* variable, const std::string& value) : name(variable) {
    if (const char* old = std::getenv(variable)) previous = old;
    setenv(variable, value.c_str(), 1);
  }
  ~ScopedEnvironment() {
    if (previous) {
      setenv(name, previous->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }

 private:
  const char* name;
  std::optional<std::string> previous;
};

const std::string assetMusic = std::string(VEXMOOR_ASSETS_DIR) + "/music/";

std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::unique_ptr<GameAudio> gameAudio(const std::string& folder) {
  return std::make_unique<GameAudio>(wide(folder + "Music.xwb"), wide(folder + "Music.xsb"),
                                     wide(folder + "SoundEffects.xwb"), wide(folder + "SoundEffects.xsb"));
}

class GameAudioTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(folder); }
  void TearDown() override { fs::remove_all(folder); }

  // Plays with SDL's disk driver for a moment and returns how many bytes of the output were not
  // silence (the mixer writes signed 16-bit samples, so silence is all zero bytes).
  template <typename Play>
  size_t soundingBytes(Play play) {
    const std::string output = (folder / "output.raw").string();
    {
      ScopedEnvironment driver("SDL_AUDIODRIVER", "disk");
      ScopedEnvironment file("SDL_DISKAUDIOFILE", output);
      auto audio = gameAudio(assetMusic);
      EXPECT_TRUE(audio->hasDevice());
      play(*audio);
      SDL_Delay(400);
    }
    std::ifstream written(output, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(written), std::istreambuf_iterator<char>()};
    EXPECT_GT(bytes.size(), 1000u) << "the disk driver wrote nothing";
    return static_cast<size_t>(std::count_if(bytes.begin(), bytes.end(), [](char byte) { return byte != 0; }));
  }

  void writeFile(const std::string& name, const std::string& content) {
    fs::create_directories((folder / name).parent_path());
    std::ofstream(folder / name, std::ios::binary) << content;
  }
  void copyAsset(const std::string& name) {
    fs::create_directories((folder / name).parent_path());
    fs::copy_file(assetMusic + name, folder / name);
  }
  std::string bankFolder() const { return folder.string() + "/"; }

  fs::path folder = fs::temp_directory_path() / ("vexmoor_audio_" + std::to_string(::getpid()));
};

TEST_F(GameAudioTest, ShotAndReloadSoundOnTheDeviceAndSilenceOtherwise) {
  EXPECT_EQ(soundingBytes([](GameAudio&) {}), 0u);
  EXPECT_GT(soundingBytes([](GameAudio& audio) { audio.playRifleShotCue(); }), 1000u);
  EXPECT_GT(soundingBytes([](GameAudio& audio) { audio.playReloadCue(); }), 1000u);
}

TEST_F(GameAudioTest, MenuMusicStartsInTheFirstUpdateAndIsNotRestartedAfterItsStop) {
  const size_t bytes = soundingBytes([](GameAudio& audio) {
    EXPECT_FALSE(audio.isMusicPlaying());
    audio.update();
    EXPECT_TRUE(audio.isMusicPlaying());
    SDL_Delay(200);
    audio.stopMusicCue(audio.getMainMenuMusicCue());
    EXPECT_FALSE(audio.isMusicPlaying());
    audio.update();
    EXPECT_FALSE(audio.isMusicPlaying());
  });
  EXPECT_GT(bytes, 1000u);
}

TEST_F(GameAudioTest, AReloadStillSoundingIsCutOffByTheNextReloadOrShot) {
  auto audio = gameAudio(assetMusic);
  ASSERT_TRUE(audio->hasDevice());
  audio->playReloadCue();
  EXPECT_TRUE(audio->isReloadPlaying());
  audio->playReloadCue();
  EXPECT_EQ(Mix_Playing(-1), 1) << "the first reload was not stopped";
  audio->playRifleShotCue();
  EXPECT_FALSE(audio->isReloadPlaying());
  EXPECT_EQ(Mix_Playing(-1), 1) << "the reload was not stopped before the shot";
  audio->playRifleShotCue();
  EXPECT_EQ(Mix_Playing(-1), 2) << "shots do not cut each other off";
}

TEST_F(GameAudioTest, WithoutADeviceTheGamePlaysOnSilently) {
  ScopedEnvironment driver("SDL_AUDIODRIVER", "no_such_driver");
  testing::internal::CaptureStderr();
  auto audio = gameAudio(assetMusic);
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(audio->hasDevice());
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
  audio->update();
  audio->playReloadCue();
  audio->playRifleShotCue();
  audio->stopMusicCue(audio->getMainMenuMusicCue());
  EXPECT_FALSE(audio->isMusicPlaying());
}

TEST_F(GameAudioTest, EachBadBankEntryIsSilentWithOneLineAndTheRestPlays) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;  // written beside the copied shot
    std::vector<std::string> expectedErrors;
  };
  const std::string shot = "SoundEffects.xwb/RifleShot.wav";
  const std::vector<Case> cases = {
      {"missing tables and folders", {{"SoundEffects.xsb", "RifleShot:RifleShot.wav\nReload:Reload.wav"}},
       {"Music.xsb", "Reload.wav"}},
      {"cue not in table",
       {{"SoundEffects.xsb", "RifleShot:RifleShot.wav"}, {"Music.xsb", "Other:x.wav"}},
       {"Music.xwb", "\"Main_Menu_Music\"", "\"Reload\""}},
      {"blank lines name no cue",
       {{"SoundEffects.xsb", "\nRifleShot:RifleShot.wav\r\n\nReload:Reload.wav\n"}},
       {"Music.xsb", "Reload.wav"}},
      {"unreadable sound",
       {{"SoundEffects.xsb", "RifleShot:RifleShot.wav\nReload:Reload.wav"},
        {"SoundEffects.xwb/Reload.wav", "not a sound"}},
       {"Music.xsb", "Reload.wav"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(folder);
    copyAsset(shot);
    for (const auto& [name, content] : c.files) writeFile(name, content);
    testing::internal::CaptureStderr();
    auto audio = gameAudio(bankFolder());
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), static_cast<long>(c.expectedErrors.size())) << errors;
    for (const std::string& expected : c.expectedErrors) EXPECT_NE(errors.find(expected), std::string::npos) << errors;
    audio->update();
    EXPECT_FALSE(audio->isMusicPlaying());
    audio->playReloadCue();
    audio->playRifleShotCue();
    EXPECT_EQ(Mix_Playing(-1), 1) << "the shot must still play";
  }
}

}  // namespace
