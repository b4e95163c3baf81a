#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads a text file whole and hands out its lines. Each byte becomes one wide character; a line
// ends at LF with a CR before it dropped; a final line break yields one more, empty line; an empty
// file yields exactly one empty line. A missing or unreadable file yields no lines and one line on
// stderr naming it; an empty name yields no lines quietly.
class TextFileReader {
 public:
  void openFile(const std::wstring& fileName);
  bool hasMoreLines() const { return moreLines; }
  // An empty string once the lines are used up.
  std::wstring getNextLine();
  // The same, but the given marker once the lines are used up.
  std::wstring getNextLine(const std::wstring& endMarker);
  void closeFile() { moreLines = false; }
  const std::wstring& getFileName() const { return fileName; }

 private:
  bool moreLines = false;
  std::wstring fileName;
  std::vector<std::wstring> lines;
  uint32_t nextLine = 0;
};
