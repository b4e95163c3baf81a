#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An ordered list of unique wide strings; a string's position is its id.
class WStringTable {
 public:
  static constexpr uint32_t NOT_FOUND = 0xFFFFFFFF;

  uint32_t putStringInTable(const std::wstring& text);
  // A reference, so looking a texture up by id every frame allocates nothing.
  const std::wstring& getStringFromIndex(uint32_t id) const;
  uint32_t indexOf(const std::wstring& text) const;
  bool isInTable(const std::wstring& text) const { return indexOf(text) < strings.size(); }
  void clear() { strings.clear(); }
  size_t size() const { return strings.size(); }

 private:
  std::vector<std::wstring> strings;
};
