#include "monitor/zoom/zoom.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/input_sequence.h"

namespace {

constexpr uint32_t kUp = 0x0002;                 // KEYEVENTF_KEYUP
constexpr uint32_t kAbsWheel = 0x0800 | 0x8000;  // MOUSEEVENTF_WHEEL | MOUSEEVENTF_ABSOLUTE
constexpr uint8_t kLCtrl = 0xA2, kAdd = 0x6B, kSubtract = 0x6D;

TEST(ClassifyZoomTarget, ByClassAndGrandparent) {
  const struct {
    const char16_t* cls;
    const char16_t* grandparent;
    ZoomTarget target;
  } rows[] = {
      {u"_WwG", u"", ZoomTarget::kCtrlWheel},
      {u"EXCEL7", u"", ZoomTarget::kCtrlWheel},
      {u"FrontPageEditorDocumentView", u"", ZoomTarget::kCtrlWheel},
      {u"excel7", u"", ZoomTarget::kOther},  // names are exact and case-sensitive
      {u"Internet Explorer_Server", u"TabWindowClass", ZoomTarget::kTabbedWebView},
      {u"Internet Explorer_Server", u"Shell DocObject View", ZoomTarget::kUntabbedWebView},
      {u"Internet Explorer_Server", u"ImageViewWndClass", ZoomTarget::kUntabbedWebView},
      {u"ImageViewWndClass", u"TabWindowClass", ZoomTarget::kImageViewer},
      {u"AfxWnd42s", u"", ZoomTarget::kCtrlKeyViewer},
      {u"AVL_AVView", u"", ZoomTarget::kCtrlKeyViewer},
      {u"Notepad", u"", ZoomTarget::kOther},
      {u"", u"", ZoomTarget::kOther},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ClassifyZoomTarget(row.cls, row.grandparent), row.target)
        << TextToAscii(row.cls) << " / " << TextToAscii(row.grandparent);
  }
  EXPECT_TRUE(IsWebViewClass(u"Internet Explorer_Server"));
  EXPECT_FALSE(IsWebViewClass(u"TabWindowClass"));
}

// Only a target zoomed by keys needs the foreground; the others take the wheel where they are.
TEST(ReachableZoomTarget, KeysOnlyToTheForeground) {
  const struct {
    ZoomTarget target;
    bool foreground;
    ZoomTarget reached;
  } rows[] = {
      {ZoomTarget::kImageViewer, true, ZoomTarget::kImageViewer},
      {ZoomTarget::kImageViewer, false, ZoomTarget::kOther},
      {ZoomTarget::kCtrlKeyViewer, true, ZoomTarget::kCtrlKeyViewer},
      {ZoomTarget::kCtrlKeyViewer, false, ZoomTarget::kOther},
      {ZoomTarget::kCtrlWheel, false, ZoomTarget::kCtrlWheel},
      {ZoomTarget::kUntabbedWebView, false, ZoomTarget::kUntabbedWebView},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ReachableZoomTarget(row.target, row.foreground), row.reached)
        << static_cast<int>(row.target) << " foreground " << row.foreground;
  }
}

std::vector<InputRecord> CtrlWheel(int32_t delta) {
  return {KeyRecord(kLCtrl, 0, 0), SleepRecord(100),
          MouseRecord(kAbsWheel, delta, MouseExtraInfo::kZero), SleepRecord(100),
          KeyRecord(kLCtrl, 0, kUp)};
}

TEST(SendZoomGesture, EachTargetAndDirection) {
  const struct {
    const char* name;
    ZoomTarget target;
    ZoomDirection direction;
    std::vector<InputRecord> expected;
  } rows[] = {
      {"spreadsheet in", ZoomTarget::kCtrlWheel, ZoomDirection::kIn, CtrlWheel(120)},
      {"spreadsheet out", ZoomTarget::kCtrlWheel, ZoomDirection::kOut, CtrlWheel(-120)},
      {"tabbed web in", ZoomTarget::kTabbedWebView, ZoomDirection::kIn, CtrlWheel(120)},
      {"untabbed web in", ZoomTarget::kUntabbedWebView, ZoomDirection::kIn, CtrlWheel(-120)},
      {"untabbed web out", ZoomTarget::kUntabbedWebView, ZoomDirection::kOut, CtrlWheel(120)},
      {"image viewer out",
       ZoomTarget::kImageViewer,
       ZoomDirection::kOut,
       {KeyRecord(kSubtract, 0, 0), SleepRecord(100), KeyRecord(kSubtract, 0, kUp)}},
      {"document viewer in",
       ZoomTarget::kCtrlKeyViewer,
       ZoomDirection::kIn,
       {KeyRecord(kLCtrl, 0, 0), SleepRecord(100), KeyRecord(kAdd, 0, 0), SleepRecord(100),
        KeyRecord(kAdd, 0, kUp), SleepRecord(100), KeyRecord(kLCtrl, 0, kUp)}},
      {"other in",
       ZoomTarget::kOther,
       ZoomDirection::kIn,
       {MouseRecord(kAbsWheel, 120, MouseExtraInfo::kZero)}},
      {"other out",
       ZoomTarget::kOther,
       ZoomDirection::kOut,
       {MouseRecord(kAbsWheel, -120, MouseExtraInfo::kZero)}},
  };
  for (const auto& row : rows) {
    RecordingInput sink(input_test::UsLayout());
    SendZoomGesture(sink, row.target, row.direction);
    EXPECT_TRUE(ExpectSequence(row.expected, sink.Records())) << row.name;
  }
}

}  // namespace
