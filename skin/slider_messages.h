#pragma once
// The message a slider thumb (and a slider track relaying its thumb) posts to its owner with
// every new value: wParam the value (32-bit signed), lParam the sender's control id.

#include <cstdint>

constexpr uint32_t WM_SLIDER_CHANGED = 1094;  // WM_USER + 70
