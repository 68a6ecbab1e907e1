#include "monitor/profile_following.h"

#include "lang/string_ids.h"
#include "monitor/tray_icon.h"
#include "settings/language_strings.h"

ProfileFollowing::ProfileFollowing(HWND window, UINT foregroundMessage, UINT_PTR noticeTimer)
    : window_(window),
      foregroundMessage_(foregroundMessage),
      noticeTimer_(noticeTimer),
      follower_(system_, CurrentProcessElevated()) {}

ProfileFollowing::~ProfileFollowing() {
  hook_.Remove();
  KillTimer(window_, noticeTimer_);
}

void ProfileFollowing::Start(const SharedSettingsBlock& settings) {
  patterns_ = ProfileNoticePatterns{
      .tip = LanguageString(IDS_TRAY_TOOLTIP),
      .tipProfile = LanguageString(IDS_TRAY_TIP_PROFILE),
      .tipByProgram = LanguageString(IDS_TRAY_TIP_PROFILE_BY_PROGRAM),
      .noticeTitle = LanguageString(IDS_NOTICE_PROFILE_TITLE),
      .noticeByProgram = LanguageString(IDS_NOTICE_PROFILE_BY_PROGRAM),
      .noticeChosen = LanguageString(IDS_NOTICE_PROFILE_CHOSEN),
      .elevatedTitle = LanguageString(IDS_NOTICE_ELEVATED_TITLE),
      .elevatedMessage = LanguageString(IDS_NOTICE_ELEVATED_MESSAGE),
  };
  Tell(follower_.Follow(settings), settings, false);
  if (!hook_.Install(window_, foregroundMessage_)) {
    OutputDebugStringW(L"foreground event hook unavailable; buttons still follow the window\n");
  }
}

const ProfileSettings* ProfileFollowing::ActiveProfile(const SharedSettingsBlock& settings) const {
  const int32_t slot = follower_.ActiveSlot();
  return IsValidProfileIndex(slot) ? &settings.profiles[slot] : nullptr;
}

void ProfileFollowing::RefreshTip(const SharedSettingsBlock& settings) {
  shownTip_.reset();
  UpdateTip(settings);
}

void ProfileFollowing::UpdateTip(const SharedSettingsBlock& settings) {
  const TextView program = follower_.ByProgram() ? TextView(follower_.Program()) : TextView();
  Text tip = ActiveProfileTip(patterns_, settings, follower_.ActiveSlot(), program);
  if (tip == shownTip_) return;
  // A refused change (no task bar yet) is tried again at the next one.
  if (SetTrayTip(window_, tip)) {
    shownTip_ = std::move(tip);
  } else {
    shownTip_.reset();
  }
}

void ProfileFollowing::Tell(const FollowStep& step, const SharedSettingsBlock& settings,
                            bool automatic) {
  // A reload may have renamed the active profile even without a switch.
  if (step.switched || !automatic) UpdateTip(settings);
  if (step.switched && automatic) {
    const TextView program = step.byProgram ? TextView(step.program) : TextView();
    Pace(pacer_.Offer(SwitchNotice(patterns_, settings, step.activeSlot, program),
                      GetTickCount64()));
  }
  // After the switch notice, which it would otherwise replace: this one matters more.
  if (step.warnElevated) {
    ShowTrayNotice(window_, patterns_.elevatedTitle,
                   ElevatedProgramNotice(patterns_, step.program));
  }
}

void ProfileFollowing::OnNoticeTimer() {
  KillTimer(window_, noticeTimer_);
  Pace(pacer_.Due(GetTickCount64()));
}

void ProfileFollowing::Pace(NotificationPacer::Decision decision) {
  if (decision.showNow) ShowTrayNotice(window_, patterns_.noticeTitle, *decision.showNow);
  if (decision.callBackInMs) {
    SetTimer(window_, noticeTimer_, static_cast<UINT>(*decision.callBackInMs), nullptr);
  }
}
