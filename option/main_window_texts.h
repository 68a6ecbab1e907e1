#pragma once
// The texts the main window paints on its background (headings and slider names): language
// strings at fixed places of the skin, drawn with GDI+ over the background picture.

#include <windows.h>

#include <cstdint>

#include "skin/button_look.h"

struct MainWindowText {
  uint16_t stringId;
  int32_t x, y, width, height;
  CaptionAlignment horizontal;
};

inline constexpr MainWindowText kMainWindowTexts[] = {
    {1, 198, 37, 180, 30, CaptionAlignment::kNear},
    {5, 198, 222, 196, 30, CaptionAlignment::kNear},
    {6, 214, 267, 96, 20, CaptionAlignment::kNear},
    {7, 264, 285, 98, 20, CaptionAlignment::kCenter},
    {8, 487, 285, 98, 20, CaptionAlignment::kCenter},
    {9, 264, 345, 98, 20, CaptionAlignment::kCenter},
    {3, 227, 130, 123, 20, CaptionAlignment::kNear},
    {4, 227, 160, 123, 20, CaptionAlignment::kNear},
};

inline constexpr float kMainWindowTextPixels = 11.0f;
inline constexpr uint32_t kMainWindowTextColour = 0xFF000000;

// Draws every text of the table into target (the composed window picture).
void PaintMainWindowTexts(HDC target);
