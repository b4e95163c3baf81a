#include "data/WideText.h"

namespace WideText {

std::wstring widen(const std::string& bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (char byte : bytes) text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
  return text;
}

std::string narrow(const std::wstring& text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (wchar_t c : text) bytes.push_back(static_cast<char>(static_cast<unsigned char>(c & 0xFF)));
  return bytes;
}

std::string toUtf8(const std::wstring& text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (wchar_t c : text) {
    const auto code = static_cast<unsigned>(c) & 0xFF;
    if (code < 0x80) {
      utf8.push_back(static_cast<char>(code));
    } else {
      utf8.push_back(static_cast<char>(0xC0 | (code >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return utf8;
}

void appendNumber(std::wstring& text, int64_t number) {
  // Digits are worked out from the unsigned magnitude so the most negative value is safe too.
  uint64_t magnitude = number < 0 ? 0 - static_cast<uint64_t>(number) : static_cast<uint64_t>(number);
  if (number < 0) text.push_back(L'-');
  wchar_t digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (count > 0) text.push_back(digits[--count]);
}

}  // namespace WideText
