#pragma once
// What the main window paints itself: its background picture and, over it, the headings and slider
// names: language strings at fixed places of the skin, drawn with GDI+.

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

// The whole window picture: the background with the texts over it, composed off-screen and copied
// to target in one step, so that the texts never flicker.
void PaintMainWindow(HDC target, const RECT& client, HBITMAP background);
