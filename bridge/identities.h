#pragma once
// How the two programs find each other: window titles and single-instance mutex names. Other
// programs look for these exact texts, spelling included.

inline constexpr char16_t kConfiguratorTitle[] = u"MOSUE DRIVER R305T";
inline constexpr char16_t kConfiguratorMutex[] = u"VR-604_Gaming_Mouse_Normal_configure";
inline constexpr char16_t kMonitorTitle[] = u"Amber Crane_Gaming_Mouse_Normal_Monitor";
inline constexpr char16_t kMonitorMutex[] = u"VR-604_HidHost_Mutex";
// The monitor's window class: the installer finds the running monitor by class and title.
inline constexpr char16_t kMonitorWindowClass[] = u"GamingMouseMonitorWindow";

// The shared settings block and its mutex.
inline constexpr char16_t kSharedBlockName[] = u"VR-604-ShareData";
inline constexpr char16_t kSharedBlockMutex[] = u"VR-604-ShareData-Mutex-Object";

// A registered message (RegisterWindowMessageW) about the profile the monitor acts on because the
// program in front names it. Sent to the monitor, it answers that slot + 1, or 0 while the monitor
// acts on the chosen profile. Posted by the monitor to the configurator at every change: wParam the
// slot it acts on, lParam 1 when the program in front chose it, else 0.
inline constexpr char16_t kActiveProfileMessageName[] = u"GamingMouse.ActiveProfile";
