#pragma once
// dwExtraInfo of input that stands in for the physical mouse or keyboard (test programs, device
// simulation). Input that Windows flags as injected is otherwise never taken for the user's own:
// the mouse hook library reports such mouse input, and the configurator's keyboard captures take
// such keys. The four bytes read "KBMS".
//
// The marker never vouches for input injected from a lower integrity level: a sandboxed program
// could otherwise make the monitor perform the user's button functions, which the system's
// integrity rules exist to prevent.

#include <cstdint>

inline constexpr uint64_t kDeviceSimulationMarker = 0x4B424D53;

// Whether input counts as the user's own device: neither injected flag set, or injected from the
// same level or above with the marker. The flags are the hook structure's LLMHF_INJECTED /
// LLKHF_INJECTED and LLMHF_LOWER_IL_INJECTED / LLKHF_LOWER_IL_INJECTED, read by the caller.
inline bool ComesFromTheDevice(bool injected, bool fromLowerIntegrity, uint64_t extraInfo) {
  if (fromLowerIntegrity) return false;
  return !injected || extraInfo == kDeviceSimulationMarker;
}
