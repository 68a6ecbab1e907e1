#pragma once
// Zooming the window under the pointer: applications zoom in different ways (Ctrl with the wheel,
// the keypad plus and minus keys, Ctrl with those keys), recognised by their window class names.

#include <cstdint>
#include <string_view>

#include "input/input_sink.h"
#include "monitor/dispatch/monitor_actions.h"

enum class ZoomTarget : uint8_t {
  kCtrlWheel,        // office documents and similar: Ctrl with the wheel
  kTabbedWebView,    // a web view inside a tab window: Ctrl with the wheel
  kUntabbedWebView,  // a web view on its own: Ctrl with the wheel turned the other way
  kImageViewer,      // the keypad key alone
  kCtrlKeyViewer,    // Ctrl with the keypad key
  kOther,            // a plain wheel notch
};

// `className` is the class of the window under the pointer; `grandparentClassName` the class of
// its parent's parent, which only matters for a web view.
ZoomTarget ClassifyZoomTarget(std::u16string_view className,
                              std::u16string_view grandparentClassName);

// Keys go to the window with the keyboard focus, not to the one under the pointer: a target
// zoomed by keys is sent them only when its top-level window is the foreground window, and a
// plain wheel notch otherwise (which reaches the window under the pointer), so that zooming over
// an unfocused viewer never types into another program.
ZoomTarget ReachableZoomTarget(ZoomTarget target, bool targetIsForeground);

// Whether the class needs its grandparent's class to be classified.
bool IsWebViewClass(std::u16string_view className);

// The gesture for the target: keys with scan code 0, wheel events absolute with no movement,
// pauses of 100 ms between the steps.
void SendZoomGesture(InputSink& sink, ZoomTarget target, ZoomDirection direction);
