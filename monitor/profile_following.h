#pragma once
// The monitor's following of the program in front, on its window thread: the foreground event
// hook, the look-up of the process in front, and what the tray says about the active profile.
// The release of held buttons and the pointer settings stay with the window, which owns them.

#include <windows.h>

#include <optional>

#include "monitor/foreground_event_hook.h"
#include "monitor/notification_pacer.h"
#include "monitor/profile_follower.h"
#include "monitor/profile_notices.h"
#include "monitor/win32_foreground_system.h"

class ProfileFollowing {
 public:
  // The window's message for a foreground change and its timer for a waiting notice.
  ProfileFollowing(HWND window, UINT foregroundMessage, UINT_PTR noticeTimer);
  ~ProfileFollowing();
  ProfileFollowing(const ProfileFollowing&) = delete;
  ProfileFollowing& operator=(const ProfileFollowing&) = delete;

  // Reads the tray's texts, takes the first look at the window in front and installs the hook.
  void Start(const SharedSettingsBlock& settings);

  [[nodiscard]] FollowStep Follow(const SharedSettingsBlock& settings) {
    return follower_.Follow(settings);
  }
  // The profile the monitor acts on; null when neither the program in front nor the chosen index
  // names a slot.
  const ProfileSettings* ActiveProfile(const SharedSettingsBlock& settings) const;
  int32_t ActiveSlot() const { return follower_.ActiveSlot(); }
  bool ByProgram() const { return follower_.ByProgram(); }

  // After a step: the tip follows the active profile (and every reload, `automatic` false); an
  // automatic switch is announced (paced), an elevated program in front warned about once.
  void Tell(const FollowStep& step, const SharedSettingsBlock& settings, bool automatic);
  // The tip as it is now, for an icon added again (with the default tip).
  void RefreshTip(const SharedSettingsBlock& settings);
  // The notice timer fired.
  void OnNoticeTimer();

 private:
  void Pace(NotificationPacer::Decision decision);
  // Sets the tip unless the icon shows it already: every apply reloads, and each change of the
  // icon is a round trip to the task bar's process.
  void UpdateTip(const SharedSettingsBlock& settings);

  HWND window_;
  UINT foregroundMessage_;
  UINT_PTR noticeTimer_;
  Win32ForegroundSystem system_;
  ProfileFollower follower_;
  ForegroundEventHook hook_;
  NotificationPacer pacer_;
  ProfileNoticePatterns patterns_;
  std::optional<Text> shownTip_;  // what the icon shows, as far as this side knows
};
