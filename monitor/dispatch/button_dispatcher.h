#pragma once
// Performs a button's assigned function for a button event: one table from function code to its
// press, release and wheel behaviour, and the state of the two functions that run on timers.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "input/input_sink.h"
#include "monitor/dispatch/monitor_actions.h"
#include "settings/settings_block.h"

class ButtonDispatcher;

// What a cell works on: the assignment of the button that fired, and the dispatcher's parts.
struct ActionContext {
  InputSink& sink;
  MonitorActions& actions;
  const ButtonAssignment& assignment;
  int32_t buttonIndex;
  ButtonDispatcher& dispatcher;
  // A press cell of a holding row clears it when its press left nothing held (a combination of
  // modifiers alone, auto-fire already running).
  bool held = true;
};

using ActionCell = void (*)(ActionContext& context);

struct FunctionRow {
  uint8_t code;
  ActionCell press;    // null: nothing on a press
  ActionCell release;  // null: nothing on a release
  ActionCell wheel;    // null: nothing on a wheel notch
  // The press holds something (a button, a key, Alt, a timer) that only the release cell ends.
  bool pressHolds = false;
};

// Every function code the monitor performs, in ascending order; codes not listed do nothing.
std::span<const FunctionRow> FunctionTable();

// The row of a code, or null when it has none.
const FunctionRow* FindFunctionRow(uint8_t code);

class ButtonDispatcher {
 public:
  ButtonDispatcher(InputSink& sink, MonitorActions& actions) : sink_(sink), actions_(actions) {}

  // Message 1325: the button index and the kind as posted. The wheel indices 13 and 14 run the
  // wheel column, other buttons the press column for a press and the release column otherwise.
  // An index outside 0 to 14, a kind other than 1 to 3 or a current profile outside 0 to 4 does
  // nothing.
  //
  // Every press that holds something is written in a ledger with the assignment it was made
  // with, and its button's release ends exactly that, whatever the assignment has become since.
  // A release whose press held nothing (or whose hold ReleaseAll already ended) never runs a
  // holding row's release cell, so no stray key or button goes up.
  void DispatchButtonEvent(const SharedSettingsBlock& settings, int64_t index, int64_t kind);
  // The same on a given profile: the one the monitor acts on, which the program in front may have
  // chosen. Null (no valid profile) performs nothing but the releases of held presses.
  void DispatchButtonEvent(const ProfileSettings* profile, int64_t index, int64_t kind);

  // Ends every hold of the ledger, newest first: held buttons and keys go up, auto-fire and
  // window switching stop (Alt goes up). On every reload and at exit.
  void ReleaseAll();

  // A switch to the profile `next` (null: none) while buttons may be held: ends, newest first,
  // every hold whose button does something else in `next`. A hold whose button has the very same
  // assignment there stays, and its own release ends it: a drag that brought a window to the
  // front is not cut short by the switch that window caused.
  void ReleaseHoldsChangedBy(const ProfileSettings* next);

  // Whether a press holds something now, for tests and diagnostics.
  bool Holding() const { return !pressOrder_.empty(); }

  // WM_TIMER: the window-switching and auto-fire ticks; other ids do nothing.
  void OnTimer(uint32_t id);

  bool AutoFiring() const { return autoFiring_; }

  // The timer functions, as their cells call them.
  // False when another button's auto-fire already runs (the press then holds nothing).
  bool StartAutoFire();
  void StopAutoFire();
  void StartWindowSwitch();
  void StopWindowSwitch();

 private:
  // A press that holds something: the release cell that ends it, and the assignment it was made
  // with (the combination's keys, for example).
  struct HeldPress {
    ActionCell end = nullptr;
    ButtonAssignment assignment{};
  };
  enum class Hold : uint8_t { kNone, kHeld, kEndedEarly };

  void Press(const ButtonAssignment& assignment, int32_t index);
  void Release(const ButtonAssignment* assignment, int32_t index);
  void EndHold(int32_t index);

  InputSink& sink_;
  MonitorActions& actions_;
  bool autoFiring_ = false;
  std::array<Hold, kButtonCount> hold_{};
  std::array<HeldPress, kButtonCount> held_{};
  std::vector<int32_t> pressOrder_;  // buttons holding something, oldest first
};
