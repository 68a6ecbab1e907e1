#include "monitor/zoom/zoom.h"

#include "input/win_input_values.h"

namespace {

constexpr std::u16string_view kCtrlWheelClasses[] = {
    u"_WwG",  u"paneClassDC", u"VISIOG", u"PSViewC", u"EditControl", u"FrontPageEditorDocumentView",
    u"EXCEL7"};
constexpr std::u16string_view kWebViewClass = u"Internet Explorer_Server";
constexpr std::u16string_view kTabWindowClass = u"TabWindowClass";
constexpr std::u16string_view kImageViewerClass = u"ImageViewWndClass";
constexpr std::u16string_view kCtrlKeyViewerClasses[] = {u"AfxWnd42s", u"AVL_AVView"};

constexpr uint8_t kVkAdd = 0x6B;
constexpr uint8_t kVkSubtract = 0x6D;
constexpr uint32_t kMouseEventAbsolute = 0x8000;
constexpr uint32_t kPauseMs = 100;

template <size_t N>
bool IsOneOf(std::u16string_view name, const std::u16string_view (&names)[N]) {
  for (std::u16string_view candidate : names) {
    if (name == candidate) return true;  // exact and case-sensitive, as the classes are named
  }
  return false;
}

void Wheel(InputSink& sink, int32_t delta) {
  sink.SendMouse(kMouseEventWheel | kMouseEventAbsolute, delta, MouseExtraInfo::kZero);
}

void Key(InputSink& sink, uint8_t virtualKey, bool up) {
  sink.SendKey(virtualKey, 0, up ? kKeyEventKeyUp : 0);
}

void CtrlWheel(InputSink& sink, int32_t delta) {
  Key(sink, kVkLControl, false);
  sink.Sleep(kPauseMs);
  Wheel(sink, delta);
  sink.Sleep(kPauseMs);
  Key(sink, kVkLControl, true);
}

}  // namespace

bool IsWebViewClass(std::u16string_view className) {
  return className == kWebViewClass;
}

ZoomTarget ClassifyZoomTarget(std::u16string_view className,
                              std::u16string_view grandparentClassName) {
  if (IsOneOf(className, kCtrlWheelClasses)) return ZoomTarget::kCtrlWheel;
  if (IsWebViewClass(className)) {
    return grandparentClassName == kTabWindowClass ? ZoomTarget::kTabbedWebView
                                                   : ZoomTarget::kUntabbedWebView;
  }
  if (className == kImageViewerClass) return ZoomTarget::kImageViewer;
  if (IsOneOf(className, kCtrlKeyViewerClasses)) return ZoomTarget::kCtrlKeyViewer;
  return ZoomTarget::kOther;
}

ZoomTarget ReachableZoomTarget(ZoomTarget target, bool targetIsForeground) {
  const bool byKeys = target == ZoomTarget::kImageViewer || target == ZoomTarget::kCtrlKeyViewer;
  return byKeys && !targetIsForeground ? ZoomTarget::kOther : target;
}

void SendZoomGesture(InputSink& sink, ZoomTarget target, ZoomDirection direction) {
  const bool in = direction == ZoomDirection::kIn;
  const int32_t delta = in ? kWheelDelta : -kWheelDelta;
  const uint8_t key = in ? kVkAdd : kVkSubtract;
  switch (target) {
    case ZoomTarget::kCtrlWheel:
    case ZoomTarget::kTabbedWebView:
      CtrlWheel(sink, delta);
      break;
    case ZoomTarget::kUntabbedWebView:
      // Such a view zooms the other way round on Ctrl with the wheel.
      CtrlWheel(sink, -delta);
      break;
    case ZoomTarget::kImageViewer:
      Key(sink, key, false);
      sink.Sleep(kPauseMs);
      Key(sink, key, true);
      break;
    case ZoomTarget::kCtrlKeyViewer:
      Key(sink, kVkLControl, false);
      sink.Sleep(kPauseMs);
      Key(sink, key, false);
      sink.Sleep(kPauseMs);
      Key(sink, key, true);
      sink.Sleep(kPauseMs);
      Key(sink, kVkLControl, true);
      break;
    case ZoomTarget::kOther:
      Wheel(sink, delta);
      break;
  }
}
