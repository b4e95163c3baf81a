#include "graphics/WStringTable.h"

#include <cassert>

uint32_t WStringTable::putStringInTable(const std::wstring& text) {
  const uint32_t index = indexOf(text);
  if (index != NOT_FOUND) return index;
  strings.push_back(text);
  return static_cast<uint32_t>(strings.size() - 1);
}

const std::wstring& WStringTable::getStringFromIndex(uint32_t id) const {
  static const std::wstring none;
  assert(id < strings.size());
  return id < strings.size() ? strings[id] : none;
}

uint32_t WStringTable::indexOf(const std::wstring& text) const {
  for (size_t i = 0; i < strings.size(); ++i) {
    if (strings[i] == text) return static_cast<uint32_t>(i);
  }
  return NOT_FOUND;
}
