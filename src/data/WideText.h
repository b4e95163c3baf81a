#pragma once

#include <cstdint>
#include <string>

// Conversions between the game's wide strings (one character per byte of the data files) and
// the narrow strings of the platform.
namespace WideText {
// Each byte becomes one wide character of the same value.
std::wstring widen(const std::string& bytes);
// Each wide character keeps its low byte (the inverse of widen for data-file text).
std::string narrow(const std::wstring& text);
// Characters 0..255 read as Latin-1 and written as UTF-8, for window titles and fonts.
std::string toUtf8(const std::wstring& text);
// Appends the number in decimal; once the text has the capacity, nothing is allocated.
void appendNumber(std::wstring& text, int64_t number);
}  // namespace WideText
