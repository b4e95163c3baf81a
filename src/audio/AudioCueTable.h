#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A sound bank: the cue table (a property file of "cue name:audio file" lines) over its wave bank,
// a folder of audio files. A cue is addressed by its index in the table, looked up once by name.
class AudioCueTable {
 public:
  static constexpr uint16_t NO_CUE = 0xFFFF;

  // A missing table or wave bank folder prints one line on stderr; its cues then stay silent.
  AudioCueTable(const std::wstring& waveBankFolder, const std::wstring& cueTableFile);
  // The cue's index; NO_CUE, with one line on stderr, when a readable table lacks the name.
  uint16_t findCue(const std::string& name) const;
  size_t size() const { return filePaths.size(); }
  // The path of the cue's audio file; empty when the wave bank folder is missing.
  const std::string& getFilePath(uint16_t cue) const { return filePaths.at(cue); }
  const std::string& getCueName(uint16_t cue) const { return cueNames.at(cue); }

 private:
  std::string tableName;
  bool tableReadable = false;
  std::vector<std::string> cueNames;
  std::vector<std::string> filePaths;
};
