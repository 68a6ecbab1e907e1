#include "option/main_window_texts.h"

#include "settings/language_strings.h"
#include "skin/skin_button_caption.h"

void PaintMainWindowTexts(HDC target) {
  for (const MainWindowText& text : kMainWindowTexts) {
    CaptionLayout layout;
    layout.horizontal = text.horizontal;
    layout.vertical = CaptionAlignment::kCenter;
    layout.rect = PixelRect{text.x, text.y, text.x + text.width, text.y + text.height};
    DrawGdiplusCaption(target, LanguageString(text.stringId), layout, kMainWindowTextPixels,
                       kMainWindowTextColour);
  }
}

void PaintMainWindow(HDC target, const RECT& client, HBITMAP background) {
  HDC memory = CreateCompatibleDC(target);
  HBITMAP canvas = CreateCompatibleBitmap(target, client.right, client.bottom);
  if (memory == nullptr || canvas == nullptr) {
    if (canvas != nullptr) DeleteObject(canvas);
    if (memory != nullptr) DeleteDC(memory);
    return;
  }
  HGDIOBJ oldCanvas = SelectObject(memory, canvas);
  if (background != nullptr) {
    HDC picture = CreateCompatibleDC(target);
    HGDIOBJ oldPicture = SelectObject(picture, background);
    BitBlt(memory, 0, 0, client.right, client.bottom, picture, 0, 0, SRCCOPY);
    SelectObject(picture, oldPicture);
    DeleteDC(picture);
  }
  PaintMainWindowTexts(memory);
  BitBlt(target, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, oldCanvas);
  DeleteObject(canvas);
  DeleteDC(memory);
}
