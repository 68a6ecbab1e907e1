#include "option/main_window_texts.h"

#include "settings/language_strings.h"
#include "skin/skin_button_caption.h"
#include "ui/offscreen_canvas.h"

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
  OffscreenCanvas canvas(target, client.right, client.bottom);
  if (!canvas.ok()) return;
  canvas.DrawPicture(background);
  PaintMainWindowTexts(canvas.dc());
  canvas.CopyTo(target);
}
