#include "audio/AudioCueTable.h"

#include <filesystem>
#include <iostream>

#include "data/GameDataLoader.h"
#include "data/WideText.h"

AudioCueTable::AudioCueTable(const std::wstring& waveBankFolder, const std::wstring& cueTableFile)
    : tableName(WideText::narrow(cueTableFile)) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(tableName, error)) {
    std::cerr << tableName << ": cue table cannot be read; its cues stay silent\n";
    return;
  }
  PropertyMap cues;
  GameDataLoader::loadProperties(cues, cueTableFile);
  tableReadable = true;
  const std::string folder = WideText::narrow(waveBankFolder);
  const bool folderReadable = std::filesystem::is_directory(folder, error);
  if (!folderReadable) std::cerr << folder << ": wave bank folder not found; its cues stay silent\n";
  for (const auto& [name, file] : cues) {
    // A blank line (a final line break, say) names no cue.
    if (name.empty()) continue;
    if (cueNames.size() == NO_CUE) break;  // the index space is 16 bits, NO_CUE excluded
    cueNames.push_back(WideText::narrow(name));
    filePaths.push_back(folderReadable && !file.empty() ? folder + "/" + WideText::narrow(file) : std::string());
  }
}

uint16_t AudioCueTable::findCue(const std::string& name) const {
  for (size_t cue = 0; cue < cueNames.size(); ++cue) {
    if (cueNames[cue] == name) return static_cast<uint16_t>(cue);
  }
  if (tableReadable) std::cerr << tableName << ": no cue \"" << name << "\"; it stays silent\n";
  return NO_CUE;
}
