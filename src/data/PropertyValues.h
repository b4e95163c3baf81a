#pragma once

#include <cstdint>
#include <string>

#include "data/PropertyMap.h"

// How every loader reads a property value. A key the file lacks reads as empty (and is added to
// the map with an empty value), so a missing path is empty, a missing flag false, and a number
// without digits 0.
namespace PropertyValues {
std::wstring text(PropertyMap& properties, const std::wstring& key);
// Leading white space, an optional sign, then digits up to the first other character ("12px" is
// 12); out-of-range values saturate.
int32_t integer(PropertyMap& properties, const std::wstring& key);
float real(PropertyMap& properties, const std::wstring& key);
// True exactly when the value equals the flag word, case-sensitively.
bool flag(PropertyMap& properties, const std::wstring& key, const std::wstring& word);

int32_t parseInteger(const std::wstring& value);
float parseReal(const std::wstring& value);
}  // namespace PropertyValues
