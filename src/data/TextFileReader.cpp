#include "data/TextFileReader.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "data/WideText.h"

void TextFileReader::openFile(const std::wstring& name) {
  fileName = name;
  const std::string path = WideText::narrow(name);
  std::error_code error;
  std::ifstream stream;
  if (std::filesystem::is_regular_file(path, error)) stream.open(path, std::ios::binary);
  std::string bytes;
  if (stream.is_open()) bytes.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
  if (!stream.is_open() || stream.bad()) {
    // An empty name comes from a key its file lacks; that file has had its say already.
    if (!path.empty()) std::cerr << path << ": cannot be read; using empty values\n";
    lines.clear();
    nextLine = 0;
    moreLines = false;
    return;
  }
  size_t start = 0;
  while (true) {
    const size_t end = bytes.find('\n', start);
    std::string line = bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (end != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(WideText::widen(line));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  nextLine = 0;
  moreLines = !lines.empty();
}

std::wstring TextFileReader::getNextLine() { return getNextLine(std::wstring()); }

std::wstring TextFileReader::getNextLine(const std::wstring& endMarker) {
  if (!moreLines) return endMarker;
  std::wstring line = lines[nextLine++];
  if (nextLine >= lines.size()) moreLines = false;
  return line;
}
