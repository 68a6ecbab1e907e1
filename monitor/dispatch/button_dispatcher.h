#pragma once
// Performs a button's assigned function for a button event: one table from function code to its
// press, release and wheel behaviour, and the state of the two functions that run on timers.

#include <cstdint>
#include <span>

#include "monitor/dispatch/monitor_actions.h"
#include "monitor/input/input_sink.h"
#include "settings/settings_block.h"

enum class ButtonColumn : uint8_t { kPress, kRelease, kWheel };

class ButtonDispatcher;

// What a cell works on: the assignment of the button that fired, and the dispatcher's parts.
struct ActionContext {
  InputSink& sink;
  MonitorActions& actions;
  const ButtonAssignment& assignment;
  int32_t buttonIndex;
  ButtonDispatcher& dispatcher;
};

using ActionCell = void (*)(ActionContext& context);

struct FunctionRow {
  uint8_t code;
  ActionCell press;    // null: nothing on a press
  ActionCell release;  // null: nothing on a release
  ActionCell wheel;    // null: nothing on a wheel notch
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
  void DispatchButtonEvent(const SharedSettingsBlock& settings, int64_t index, int64_t kind);

  // One column for one button, looked up afresh in the current profile.
  void Perform(const SharedSettingsBlock& settings, int64_t index, ButtonColumn column);

  // WM_TIMER: the window-switching and auto-fire ticks; other ids do nothing.
  void OnTimer(uint32_t id);

  bool AutoFiring() const { return autoFiring_; }

  // The timer functions, as their cells call them.
  void StartAutoFire();
  void StopAutoFire();
  void StartWindowSwitch();
  void StopWindowSwitch();

 private:
  InputSink& sink_;
  MonitorActions& actions_;
  bool autoFiring_ = false;
};
