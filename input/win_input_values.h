#pragma once
// The Windows input constants the primitives use, with their Windows values, so that the logic
// builds without the Windows headers. Names follow the Windows ones (VK_SHIFT is kVkShift).

#include <cstdint>

// Virtual keys.
inline constexpr uint8_t kVkTab = 0x09;
inline constexpr uint8_t kVkReturn = 0x0D;
inline constexpr uint8_t kVkShift = 0x10;
inline constexpr uint8_t kVkControl = 0x11;
inline constexpr uint8_t kVkMenu = 0x12;
inline constexpr uint8_t kVkDelete = 0x2E;
inline constexpr uint8_t kVkLWin = 0x5B;
inline constexpr uint8_t kVkRWin = 0x5C;
inline constexpr uint8_t kVkSeparator = 0x6C;
inline constexpr uint8_t kVkF4 = 0x73;
inline constexpr uint8_t kVkLShift = 0xA0;
inline constexpr uint8_t kVkRShift = 0xA1;
inline constexpr uint8_t kVkLControl = 0xA2;
inline constexpr uint8_t kVkRControl = 0xA3;
inline constexpr uint8_t kVkLMenu = 0xA4;
inline constexpr uint8_t kVkRMenu = 0xA5;
inline constexpr uint8_t kVkVolumeMute = 0xAD;

// keybd_event / KEYBDINPUT flags.
inline constexpr uint32_t kKeyEventExtendedKey = 0x0001;  // KEYEVENTF_EXTENDEDKEY
inline constexpr uint32_t kKeyEventKeyUp = 0x0002;        // KEYEVENTF_KEYUP

// mouse_event / MOUSEINPUT flags.
inline constexpr uint32_t kMouseEventLeftDown = 0x0002;    // MOUSEEVENTF_LEFTDOWN
inline constexpr uint32_t kMouseEventLeftUp = 0x0004;      // MOUSEEVENTF_LEFTUP
inline constexpr uint32_t kMouseEventRightDown = 0x0008;   // MOUSEEVENTF_RIGHTDOWN
inline constexpr uint32_t kMouseEventRightUp = 0x0010;     // MOUSEEVENTF_RIGHTUP
inline constexpr uint32_t kMouseEventMiddleDown = 0x0020;  // MOUSEEVENTF_MIDDLEDOWN
inline constexpr uint32_t kMouseEventMiddleUp = 0x0040;    // MOUSEEVENTF_MIDDLEUP
inline constexpr uint32_t kMouseEventXDown = 0x0080;       // MOUSEEVENTF_XDOWN
inline constexpr uint32_t kMouseEventXUp = 0x0100;         // MOUSEEVENTF_XUP
inline constexpr uint32_t kMouseEventWheel = 0x0800;       // MOUSEEVENTF_WHEEL

inline constexpr int32_t kXButton1 = 1;      // XBUTTON1
inline constexpr int32_t kXButton2 = 2;      // XBUTTON2
inline constexpr int32_t kWheelDelta = 120;  // WHEEL_DELTA
