#include "monitor/apply_pointer_settings.h"

#include <windows.h>

#include <array>

#include "monitor/pointer_application.h"

namespace {

int32_t ReadNumber(RegistryKeyObject& key, const char16_t* name) {
  std::array<char16_t, 130> buffer{};  // 260 bytes
  if (!key.ReadText(name, buffer.data(), sizeof buffer)) return 0;
  return ParseLeadingInt(FieldText(buffer.data(), buffer.size()));
}

}  // namespace

void ApplyPointerSettings(const ProfileSettings* profile, RegistryKeyObject& mouseKey) {
  if (profile == nullptr) return;
  SetDoubleClickTime(static_cast<UINT>(profile->DbleClickSpeed));

  const int32_t level = ReadNumber(mouseKey, u"MouseSpeed");
  const int32_t threshold2 = ReadNumber(mouseKey, u"MouseThreshold2");
  const int32_t threshold1 = ReadNumber(mouseKey, u"MouseThreshold1");
  PointerApplication plan = PlanPointerApplication(*profile, level, threshold1, threshold2);
  if (plan.writeZeroAcceleration) {
    mouseKey.WriteText(u"MouseSpeed", u"0");
    mouseKey.WriteText(u"MouseThreshold2", u"0");
    mouseKey.WriteText(u"MouseThreshold1", u"0");
  }
  int mouse[3] = {plan.mouse[0], plan.mouse[1], plan.mouse[2]};
  SystemParametersInfoW(SPI_SETMOUSE, 0, mouse, SPIF_SENDCHANGE);
  SystemParametersInfoW(SPI_SETMOUSESPEED, 0,
                        reinterpret_cast<void*>(static_cast<intptr_t>(plan.pointerSpeed)),
                        SPIF_SENDCHANGE);
  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, plan.wheelLines, nullptr, SPIF_SENDCHANGE);

  DWORD recipients = BSM_APPLICATIONS;
  BroadcastSystemMessageW(BSF_NOHANG, &recipients, WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES,
                          reinterpret_cast<LPARAM>(L"WheelScrollLines"));
}
