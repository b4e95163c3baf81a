#include "data/WideText.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

TEST(WideText, NumbersAppendInDecimal) {
  struct Case {
    int64_t number;
    std::wstring text;
  };
  const std::vector<Case> cases = {{0, L"HP: 0"},
                                   {7, L"HP: 7"},
                                   {-12, L"HP: -12"},
                                   {65535, L"HP: 65535"},
                                   {std::numeric_limits<int64_t>::min(), L"HP: -9223372036854775808"}};
  for (const Case& c : cases) {
    std::wstring text = L"HP: ";
    WideText::appendNumber(text, c.number);
    EXPECT_EQ(text, c.text);
  }
}

TEST(WideText, BytesRoundTripAndBecomeUtf8ForDisplay) {
  const std::string bytes = "caf\xE9";
  EXPECT_EQ(WideText::narrow(WideText::widen(bytes)), bytes);
  EXPECT_EQ(WideText::toUtf8(WideText::widen(bytes)), "caf\xC3\xA9");
}

}  // namespace
