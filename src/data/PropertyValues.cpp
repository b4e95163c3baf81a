#include "data/PropertyValues.h"

#include <cmath>
#include <cwctype>
#include <limits>

namespace PropertyValues {

std::wstring text(PropertyMap& properties, const std::wstring& key) { return properties[key]; }

int32_t integer(PropertyMap& properties, const std::wstring& key) { return parseInteger(properties[key]); }

float real(PropertyMap& properties, const std::wstring& key) { return parseReal(properties[key]); }

bool flag(PropertyMap& properties, const std::wstring& key, const std::wstring& word) {
  return properties[key] == word;
}

int32_t parseInteger(const std::wstring& value) {
  size_t i = 0;
  while (i < value.size() && std::iswspace(static_cast<wint_t>(value[i]))) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == L'+' || value[i] == L'-')) negative = value[i++] == L'-';
  int64_t magnitude = 0;
  for (; i < value.size() && value[i] >= L'0' && value[i] <= L'9'; ++i) {
    magnitude = magnitude * 10 + (value[i] - L'0');
    if (magnitude > int64_t{1} << 32) break;  // already out of range either way
  }
  const int64_t result = negative ? -magnitude : magnitude;
  if (result > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (result < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(result);
}

float parseReal(const std::wstring& value) {
  try {
    size_t used = 0;
    const float result = std::stof(value, &used);
    return std::isfinite(result) ? result : 0.0f;
  } catch (const std::exception&) {
    return 0.0f;  // no digits, or out of range
  }
}

}  // namespace PropertyValues
