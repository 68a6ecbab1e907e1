#pragma once
// dwExtraInfo of input that stands in for the physical mouse or keyboard (test programs, device
// simulation). Input that Windows flags as injected is otherwise never taken for the user's own:
// the mouse hook library reports such mouse input, and the configurator's keyboard captures take
// such keys. The four bytes read "KBMS".

#include <cstdint>

inline constexpr uint64_t kDeviceSimulationMarker = 0x4B424D53;
