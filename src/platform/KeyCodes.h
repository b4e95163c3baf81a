#pragma once

// The game's key space: the Win32 virtual-key numbering, 256 codes. Letters and digits are their
// upper-case character codes ('A', '1'); mouse buttons have codes too.
namespace KeyCodes {
constexpr int COUNT = 256;
constexpr int LEFT_BUTTON = 0x01;
constexpr int RIGHT_BUTTON = 0x02;
constexpr int MIDDLE_BUTTON = 0x04;
constexpr int BACKSPACE = 0x08;
constexpr int TAB = 0x09;
constexpr int ENTER = 0x0D;
constexpr int SHIFT = 0x10;
constexpr int CONTROL = 0x11;
constexpr int ALT = 0x12;
constexpr int PAUSE = 0x13;
constexpr int CAPS_LOCK = 0x14;
constexpr int ESCAPE = 0x1B;
constexpr int SPACE = 0x20;
constexpr int PAGE_UP = 0x21;
constexpr int PAGE_DOWN = 0x22;
constexpr int END = 0x23;
constexpr int HOME = 0x24;
constexpr int LEFT = 0x25;
constexpr int UP = 0x26;
constexpr int RIGHT = 0x27;
constexpr int DOWN = 0x28;
constexpr int INSERT = 0x2D;
constexpr int DELETE_KEY = 0x2E;
constexpr int NUMPAD_0 = 0x60;
constexpr int F1 = 0x70;
constexpr int LEFT_SHIFT = 0xA0;
constexpr int RIGHT_SHIFT = 0xA1;
constexpr int LEFT_CONTROL = 0xA2;
constexpr int RIGHT_CONTROL = 0xA3;
constexpr int LEFT_ALT = 0xA4;
constexpr int RIGHT_ALT = 0xA5;
}  // namespace KeyCodes
