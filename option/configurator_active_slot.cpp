// The main window's mark on the slot the monitor acts on while the program in front chose it and
// it is not the checked one. The window asks the monitor when it opens and when the monitor
// starts; the monitor posts every later change.

#include "base/wide.h"
#include "bridge/identities.h"
#include "option/buttons/active_slot_mark.h"
#include "option/configurator_window.h"

namespace {

// A monitor that does not answer at once is busy or hung: the window opens without the mark.
constexpr UINT kAnswerTimeoutMs = 200;
constexpr float kMarkFontPixels = 10.0f;
constexpr uint32_t kMarkColour = 0xFFE8202C;  // opaque; the red of the checked slot

}  // namespace

void ConfiguratorWindow::AskActiveSlot() {
  monitorActiveSlot_.reset();
  HWND monitor = FindWindowW(nullptr, Wide(kMonitorTitle));
  if (monitor == nullptr || activeSlotMessage_ == 0) return;
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(monitor, activeSlotMessage_, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                          kAnswerTimeoutMs, &answer) != 0) {
    monitorActiveSlot_ = SlotFromMonitorAnswer(answer);
  }
}

LRESULT ConfiguratorWindow::OnActiveSlotNotice(WPARAM wParam, LPARAM lParam) {
  monitorActiveSlot_ = SlotFromMonitorNotice(wParam, static_cast<int64_t>(lParam));
  RefreshSlotMarks();
  return 0;
}

void ConfiguratorWindow::RefreshSlotMarks() {
  for (int32_t slot = 0; slot < kProfileCount; ++slot) {
    SkinButton& button = buttons_[main_keys::kFirstSlot + slot];
    const TextView mark = SlotButtonMark(slot, model_->currentSlot(), monitorActiveSlot_);
    if (button.caption() == mark) continue;
    // Beside the slot's number rather than over it, in the skin's red, whatever the button's state.
    button.SetCaptionMode(kCaptionModeGlyphIndent);
    button.SetFontSize(kMarkFontPixels);
    button.SetCaptionColours({kMarkColour, kMarkColour, kMarkColour, kMarkColour});
    button.SetCaption(mark);
  }
}
