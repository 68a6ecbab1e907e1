#include "ui/window_text.h"

#include <string>

#include "base/wide.h"

Text WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return Text();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  return FromWide(text.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}
