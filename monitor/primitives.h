#pragma once
// The small input primitives from which the monitor's button actions, zoom commands and macro
// playback are built. Each runs synchronously and pauses through the sink; none reports failure.

#include <cstdint>

#include "input/input_sink.h"
#include "input/key_combination.h"

enum class ComboMode : uint8_t { kPress = 0, kRelease = 1, kTap = 2 };

// Mode as stored or passed by callers; anything outside 0 to 2 sends nothing.
void SendKeyCombination(InputSink& sink, KeyCombination combination, int32_t mode);

// Whether a press (mode 0) leaves something held for the release to end: a main key or a mouse
// button. A combination of modifiers alone is only tapped by its press.
bool CombinationHoldsKey(KeyCombination combination, const KeyboardLayout& layout);

// One keyboard input with scan code 0.
void SendKeyInput(InputSink& sink, uint8_t virtualKey, uint32_t flags);

void TapExtendedKey(InputSink& sink, uint8_t virtualKey);
void TapChord(InputSink& sink, uint8_t modifier, uint8_t key, uint32_t pause1, uint32_t pause2);
void TapAltLetter(InputSink& sink, uint8_t letter, uint32_t pause);

void ClickLeft(InputSink& sink);
void ClickRight(InputSink& sink);
void ClickMiddle(InputSink& sink);
// n is kXButton1 or kXButton2; any other value sends nothing.
void ClickExtra(InputSink& sink, int32_t n);
void DoubleClickLeft(InputSink& sink);
void TripleClickLeft(InputSink& sink);
// One notch forward for a positive delta, backward for a negative one, nothing for 0.
void WheelNotch(InputSink& sink, int32_t delta);

void LockWorkstation(InputSink& sink);
void ShellFindFiles(InputSink& sink);
void ShellFileRun(InputSink& sink);
