#include "audio/GameAudio.h"

GameAudio::GameAudio(const std::wstring&, const std::wstring&, const std::wstring&, const std::wstring&) {}

void GameAudio::playCue(const std::string&) {}

void GameAudio::stopCue(const std::string&) {}

void GameAudio::update() {}
