#pragma once
// Window messages between the two programs, to each program's own window, and from senders
// outside the system. Other programs send these exact numbers; none carries data.

#include <cstdint>

// Configurator to monitor: the shared block holds new settings (sent, waited for).
inline constexpr uint32_t kMsgSettingsChanged = 1224;
// The same notice from outside senders.
inline constexpr uint32_t kMsgSettingsChangedExternal = 1227;
// Monitor to configurator: the monitor has started and published the block.
inline constexpr uint32_t kMsgMonitorStarted = 1254;
// Outside senders to the configurator.
inline constexpr uint32_t kMsgReloadBlock = 1255;
inline constexpr uint32_t kMsgApplyFinished = 1256;
inline constexpr uint32_t kMsgDeviceValuesChanged = 1257;
inline constexpr uint32_t kMsgIgnored = 1258;

// The monitor's messages to itself.
inline constexpr uint32_t kMsgTrayNotify = 1036;
inline constexpr uint32_t kMsgShowConfigurator = 1039;
inline constexpr uint32_t kMsgButtonEvent = 1325;  // wParam button index, lParam kind
inline constexpr uint32_t kMsgCentrePointer = 1326;
// A hook report's button event that had to wait its turn (same parameters as 1325).
inline constexpr uint32_t kMsgWaitingButtonEvent = 1327;
inline constexpr uint32_t kMsgMacroPlay = 1616;    // thread message to the macro worker
inline constexpr uint32_t kMsgMouseReport = 5121;  // from the hook library
// The foreground event hook: another window came to the front.
inline constexpr uint32_t kMsgForegroundChanged = 5122;

// WM_COMMAND ids of the monitor's tray menu; 6001 also comes from a second monitor instance.
inline constexpr uint32_t kCmdShowConfigurator = 6001;
inline constexpr uint32_t kCmdExitMonitor = 6002;

// The monitor's window timers.
inline constexpr uint32_t kTimerWindowSwitch = 100;
inline constexpr uint32_t kTimerAutoFire = 200;
// A switch notice waits for the end of the tray's quiet second.
inline constexpr uint32_t kTimerProfileNotice = 300;
