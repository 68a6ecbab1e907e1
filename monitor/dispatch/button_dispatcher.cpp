#include "monitor/dispatch/button_dispatcher.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>

#include "input/win_input_values.h"
#include "monitor/button_events.h"
#include "monitor/primitives.h"
#include "settings/function_codes.h"

namespace {

// Virtual keys the table needs beyond the primitives' own (Windows values).
constexpr uint8_t kVkSpace = 0x20;
constexpr uint8_t kVkF1 = 0x70;
constexpr uint8_t kVkBrowserBack = 0xA6;
constexpr uint8_t kVkBrowserForward = 0xA7;
constexpr uint8_t kVkBrowserRefresh = 0xA8;
constexpr uint8_t kVkBrowserStop = 0xA9;
constexpr uint8_t kVkBrowserSearch = 0xAA;
constexpr uint8_t kVkBrowserFavorites = 0xAB;
constexpr uint8_t kVkBrowserHome = 0xAC;
constexpr uint8_t kVkVolumeDown = 0xAE;
constexpr uint8_t kVkVolumeUp = 0xAF;
constexpr uint8_t kVkMediaNextTrack = 0xB0;
constexpr uint8_t kVkMediaPrevTrack = 0xB1;
constexpr uint8_t kVkMediaStop = 0xB2;
constexpr uint8_t kVkMediaPlayPause = 0xB3;
constexpr uint8_t kVkLaunchMail = 0xB4;
constexpr uint8_t kVkLaunchMediaSelect = 0xB5;
constexpr uint8_t kVkLaunchApp1 = 0xB6;
constexpr uint8_t kVkLaunchApp2 = 0xB7;

constexpr uint32_t kExtendedDown = kKeyEventExtendedKey;
constexpr uint32_t kExtendedUp = kKeyEventExtendedKey | kKeyEventKeyUp;

// Button presses and releases that are not clicks carry no extra information.
void Mouse(ActionContext& c, uint32_t flags, int32_t data) {
  c.sink.SendMouse(flags, data, MouseExtraInfo::kZero);
}

void LeftDown(ActionContext& c) {
  Mouse(c, kMouseEventLeftDown, 0);
  c.actions.Debug("click down\r\n");
}
void LeftUp(ActionContext& c) {
  Mouse(c, kMouseEventLeftUp, 0);
  c.actions.Debug("click up\r\n");
}
void RightDown(ActionContext& c) {
  Mouse(c, kMouseEventRightDown, 0);
}
void RightUp(ActionContext& c) {
  Mouse(c, kMouseEventRightUp, 0);
}
void MiddleDown(ActionContext& c) {
  Mouse(c, kMouseEventMiddleDown, 0);
}
void MiddleUp(ActionContext& c) {
  Mouse(c, kMouseEventMiddleUp, 0);
}
template <int32_t kButton>
void XDown(ActionContext& c) {
  Mouse(c, kMouseEventXDown, kButton);
}
template <int32_t kButton>
void XUp(ActionContext& c) {
  Mouse(c, kMouseEventXUp, kButton);
}

void Click(ActionContext& c) {
  ClickLeft(c.sink);
}
void RightClick(ActionContext& c) {
  ClickRight(c.sink);
}
void MiddleClick(ActionContext& c) {
  ClickMiddle(c.sink);
}
template <int32_t kButton>
void ExtraClick(ActionContext& c) {
  ClickExtra(c.sink, kButton);
}
void DoubleClick(ActionContext& c) {
  DoubleClickLeft(c.sink);
}
void TripleClick(ActionContext& c) {
  TripleClickLeft(c.sink);
}
template <int32_t kDelta>
void Notch(ActionContext& c) {
  WheelNotch(c.sink, kDelta);
}

// The key combination sits in bytes 0 and 1 of the first event entry.
KeyCombination CombinationOf(const ButtonAssignment& assignment) {
  const MacroEvent& entry = assignment.events[0];
  return KeyCombination{entry.code, entry.action};
}

template <ComboMode kMode>
void Combination(ActionContext& c) {
  SendKeyCombination(c.sink, CombinationOf(c.assignment), static_cast<int32_t>(kMode));
}

// Modifiers alone are tapped by the press and need no release: sending the release half as well
// would tap them twice (Windows alone would open the Start menu and close it again).
void CombinationPress(ActionContext& c) {
  Combination<ComboMode::kPress>(c);
  c.held = CombinationHoldsKey(CombinationOf(c.assignment), c.sink.Layout());
}

template <uint8_t kKey>
void ExtendedKey(ActionContext& c) {
  TapExtendedKey(c.sink, kKey);
}

template <uint8_t kModifier, uint8_t kKey, uint32_t kPause1, uint32_t kPause2>
void Chord(ActionContext& c) {
  TapChord(c.sink, kModifier, kKey, kPause1, kPause2);
}

template <uint8_t kLetter, uint32_t kPause>
void AltLetter(ActionContext& c) {
  TapAltLetter(c.sink, kLetter, kPause);
}

void Macro(ActionContext& c) {
  const ButtonAssignment& a = c.assignment;
  const std::span<const MacroEvent> events(a.events, static_cast<std::size_t>(UsedEventCount(a)));
  c.actions.StartOrStopMacro(MacroRequest{c.buttonIndex, a.repeatCount, events});
}

// The stored path ends at its first zero or at the end of the array, whichever comes first.
void Launch(ActionContext& c) {
  const char16_t* path = c.assignment.programPath;
  const std::size_t capacity = std::size(c.assignment.programPath);
  const std::size_t length =
      static_cast<std::size_t>(std::find(path, path + capacity, u'\0') - path);
  c.actions.LaunchProgram(std::u16string(path, length));
}

void AutoFireOn(ActionContext& c) {
  c.held = c.dispatcher.StartAutoFire();
}
void AutoFireOff(ActionContext& c) {
  c.dispatcher.StopAutoFire();
}
void SwitchOn(ActionContext& c) {
  c.dispatcher.StartWindowSwitch();
}
void SwitchOff(ActionContext& c) {
  c.dispatcher.StopWindowSwitch();
}

void DrivesFolder(ActionContext& c) {
  c.actions.OpenDrivesFolder();
}
void ZoomIn(ActionContext& c) {
  c.actions.Zoom(ZoomDirection::kIn);
}
void ZoomOut(ActionContext& c) {
  c.actions.Zoom(ZoomDirection::kOut);
}
void Maximise(ActionContext& c) {
  c.actions.MaximiseForegroundWindow();
}
void Minimise(ActionContext& c) {
  c.actions.MinimiseForegroundWindow();
}
void Lock(ActionContext& c) {
  LockWorkstation(c.sink);
}
void FindFiles(ActionContext& c) {
  ShellFindFiles(c.sink);
}
void FileRun(ActionContext& c) {
  ShellFileRun(c.sink);
}

// Alt, Space, X: the window menu's maximise command.
void WindowMenuMaximise(ActionContext& c) {
  SendKeyInput(c.sink, kVkMenu, kExtendedDown);
  c.sink.Sleep(2);
  SendKeyInput(c.sink, kVkSpace, kExtendedDown);
  c.sink.Sleep(2);
  SendKeyInput(c.sink, 'X', kExtendedDown);
  c.sink.Sleep(2);
  SendKeyInput(c.sink, 'X', kExtendedUp);
  SendKeyInput(c.sink, kVkSpace, kExtendedUp);
  SendKeyInput(c.sink, kVkMenu, kExtendedUp);
}

// For codes 5 and 45 the press leaves the main key (and nothing else) held: the release sends
// the combination's release so that the key does not stay stuck.
constexpr ActionCell kComboPress = CombinationPress;
constexpr ActionCell kComboRelease = Combination<ComboMode::kRelease>;
constexpr ActionCell kComboTap = Combination<ComboMode::kTap>;

#define TAP_KEY(code, key) \
  { code, nullptr, ExtendedKey<key>, ExtendedKey<key> }
#define CTRL_CHORD(code, letter) \
  { code, nullptr, Chord<kVkControl, letter, 2, 2>, Chord<kVkControl, letter, 2, 2> }

constexpr std::array kRows = std::to_array<FunctionRow>({
    {kFunctionLeftClick, LeftDown, LeftUp, Click, true},
    {2, RightDown, RightUp, RightClick, true},
    {3, MiddleDown, MiddleUp, MiddleClick, true},
    {4, nullptr, DoubleClick, DoubleClick},
    {kFunctionKeyCombination, kComboPress, kComboRelease, kComboTap, true},
    {7, XDown<kXButton2>, XUp<kXButton2>, ExtraClick<kXButton2>, true},
    {8, XDown<kXButton1>, XUp<kXButton1>, ExtraClick<kXButton1>, true},
    {9, nullptr, Notch<kWheelDelta>, Notch<kWheelDelta>},
    {10, nullptr, Notch<-kWheelDelta>, Notch<-kWheelDelta>},
    {kFunctionMacro, Macro, nullptr, Macro},
    {kFunctionProgram, nullptr, Launch, nullptr},  // once per click, as an opened file
    {21, AutoFireOn, AutoFireOff, nullptr, true},
    TAP_KEY(25, kVkLaunchMediaSelect),
    TAP_KEY(26, kVkMediaPrevTrack),
    TAP_KEY(27, kVkMediaNextTrack),
    TAP_KEY(28, kVkMediaPlayPause),
    TAP_KEY(29, kVkMediaStop),
    TAP_KEY(30, kVkVolumeMute),
    TAP_KEY(31, kVkVolumeUp),
    TAP_KEY(32, kVkVolumeDown),
    TAP_KEY(33, kVkLaunchApp2),
    TAP_KEY(34, kVkLaunchMail),
    TAP_KEY(35, kVkBrowserFavorites),
    TAP_KEY(36, kVkBrowserForward),
    TAP_KEY(37, kVkBrowserBack),
    TAP_KEY(38, kVkBrowserStop),
    TAP_KEY(39, kVkLaunchApp1),
    TAP_KEY(40, kVkBrowserRefresh),
    TAP_KEY(41, kVkBrowserHome),
    TAP_KEY(42, kVkBrowserSearch),
    {kFunctionSingleKey, kComboPress, kComboRelease, kComboTap, true},
    {48, SwitchOn, SwitchOff, Chord<kVkLMenu, kVkTab, 2, 2>, true},
    {49, nullptr, Chord<kVkLMenu, kVkF4, 10, 10>, Chord<kVkLMenu, kVkF4, 2, 2>},
    {51, nullptr, Chord<kVkLWin, 'D', 20, 50>, Chord<kVkLWin, 'D', 2, 2>},
    {52, nullptr, DrivesFolder, DrivesFolder},
    CTRL_CHORD(53, 'X'),
    CTRL_CHORD(54, 'C'),
    CTRL_CHORD(55, 'V'),
    {58, nullptr, Chord<kVkControl, 'F', 2, 2>, FindFiles},
    CTRL_CHORD(59, 'N'),
    CTRL_CHORD(60, 'S'),
    CTRL_CHORD(61, 'A'),
    CTRL_CHORD(62, 'P'),
    CTRL_CHORD(63, 'O'),
    CTRL_CHORD(64, 'Y'),
    CTRL_CHORD(65, 'Z'),
    {66, nullptr, nullptr, ZoomIn},
    {67, nullptr, nullptr, ZoomOut},
    {72, nullptr, AltLetter<'E', 2>, AltLetter<'E', 2>},
    {73, nullptr, AltLetter<'F', 10>, AltLetter<'F', 10>},
    {74, TripleClick, nullptr, TripleClick},
    {77, nullptr, WindowMenuMaximise, Maximise},
    {78, nullptr, Minimise, Minimise},
    {80, nullptr, Lock, Lock},
    {81, nullptr, Chord<kVkLWin, 'R', 20, 50>, FileRun},
    TAP_KEY(82, kVkDelete),
    TAP_KEY(83, kVkReturn),
    TAP_KEY(84, kVkShift),
    TAP_KEY(85, kVkF1),
    {kFunctionOpenFile, nullptr, Launch, Launch},
});

#undef TAP_KEY
#undef CTRL_CHORD

}  // namespace

std::span<const FunctionRow> FunctionTable() {
  return kRows;
}

const FunctionRow* FindFunctionRow(uint8_t code) {
  const auto it = std::find_if(kRows.begin(), kRows.end(),
                               [code](const FunctionRow& r) { return r.code == code; });
  return it == kRows.end() ? nullptr : &*it;
}

void ButtonDispatcher::DispatchButtonEvent(const SharedSettingsBlock& settings, int64_t index,
                                           int64_t kind) {
  DispatchButtonEvent(CurrentProfileOrNull(settings), index, kind);
}

void ButtonDispatcher::DispatchButtonEvent(const ProfileSettings* profile, int64_t index,
                                           int64_t kind) {
  const std::optional<ButtonEventKind> eventKind = ButtonEventKindFrom(kind);
  if (!eventKind || index < 0 || index >= kButtonCount) return;
  const auto button = static_cast<int32_t>(index);
  const ButtonAssignment* assignment = AssignmentForButton(profile, index);
  if (index == 13 || index == 14) {
    const FunctionRow* row = assignment ? FindFunctionRow(assignment->functionCode) : nullptr;
    if (row != nullptr && row->wheel != nullptr) {
      ActionContext context{sink_, actions_, *assignment, button, *this};
      row->wheel(context);
    }
  } else if (*eventKind == ButtonEventKind::Press) {
    if (assignment != nullptr) Press(*assignment, button);
  } else {
    Release(assignment, button);
  }
}

void ButtonDispatcher::Press(const ButtonAssignment& assignment, int32_t index) {
  // A second press with no release between (one the hook never saw) ends the first one's hold.
  if (hold_[index] == Hold::kHeld) EndHold(index);
  hold_[index] = Hold::kNone;
  const FunctionRow* row = FindFunctionRow(assignment.functionCode);
  if (row == nullptr || row->press == nullptr) return;
  ActionContext context{sink_, actions_, assignment, index, *this};
  row->press(context);
  if (row->pressHolds && context.held) {
    held_[index] = HeldPress{row->release, assignment};
    hold_[index] = Hold::kHeld;
    pressOrder_.push_back(index);
  }
}

void ButtonDispatcher::Release(const ButtonAssignment* assignment, int32_t index) {
  const Hold hold = hold_[index];
  if (hold == Hold::kHeld) {
    EndHold(index);
    return;
  }
  hold_[index] = Hold::kNone;
  if (hold == Hold::kEndedEarly || assignment == nullptr) return;
  const FunctionRow* row = FindFunctionRow(assignment->functionCode);
  // A holding row's release ends a hold; without one it would only send a stray key or button up.
  if (row == nullptr || row->pressHolds || row->release == nullptr) return;
  ActionContext context{sink_, actions_, *assignment, index, *this};
  row->release(context);
}

void ButtonDispatcher::EndHold(int32_t index) {
  const HeldPress held = held_[index];
  hold_[index] = Hold::kNone;
  pressOrder_.erase(std::remove(pressOrder_.begin(), pressOrder_.end(), index), pressOrder_.end());
  if (held.end == nullptr) return;
  ActionContext context{sink_, actions_, held.assignment, index, *this};
  held.end(context);
}

void ButtonDispatcher::ReleaseAll() {
  while (!pressOrder_.empty()) {
    const int32_t index = pressOrder_.back();
    EndHold(index);
    // The button is still down: its release, when it comes, has nothing left to end.
    hold_[index] = Hold::kEndedEarly;
  }
}

void ButtonDispatcher::ReleaseHoldsChangedBy(const ProfileSettings* next) {
  // Newest first, as ReleaseAll; the order is taken before any hold ends.
  const std::vector<int32_t> holding(pressOrder_.rbegin(), pressOrder_.rend());
  for (const int32_t index : holding) {
    const ButtonAssignment* nextAssignment = AssignmentForButton(next, index);
    if (nextAssignment != nullptr &&
        std::memcmp(nextAssignment, &held_[index].assignment, sizeof(ButtonAssignment)) == 0) {
      continue;
    }
    EndHold(index);
    hold_[index] = Hold::kEndedEarly;
  }
}

void ButtonDispatcher::OnTimer(uint32_t id) {
  if (id == kWindowSwitchTimerId) {
    // Steps the switcher that the held Alt keeps open.
    SendKeyInput(sink_, kVkTab, kExtendedDown);
    SendKeyInput(sink_, kVkTab, kExtendedUp);
  } else if (id == kAutoFireTimerId) {
    ClickLeft(sink_);
  }
}

bool ButtonDispatcher::StartAutoFire() {
  // One firing at a time: a second auto-fire button pressed meanwhile is ignored.
  if (autoFiring_) return false;
  actions_.Debug("Start....\n");
  ClickLeft(sink_);
  actions_.StartTimer(kAutoFireTimerId, kAutoFirePeriodMs);
  autoFiring_ = true;
  return true;
}

void ButtonDispatcher::StopAutoFire() {
  actions_.StopTimer(kAutoFireTimerId);
  actions_.Debug("Stop....\n");
  autoFiring_ = false;
}

void ButtonDispatcher::StartWindowSwitch() {
  // Alt stays down so that the switcher stays open until the release.
  SendKeyInput(sink_, kVkLMenu, kExtendedDown);
  SendKeyInput(sink_, kVkTab, kExtendedDown);
  sink_.Sleep(2);
  SendKeyInput(sink_, kVkTab, kExtendedUp);
  actions_.StartTimer(kWindowSwitchTimerId, kWindowSwitchPeriodMs);
}

void ButtonDispatcher::StopWindowSwitch() {
  // Releasing Alt selects the highlighted window.
  SendKeyInput(sink_, kVkLMenu, kExtendedUp);
  actions_.StopTimer(kWindowSwitchTimerId);
}
