#include <gtest/gtest.h>

#include "skin/button_look.h"

namespace {

TEST(ChooseButtonPicture, FirstRuleThatAppliesInEachMode) {
  using P = ButtonPicture;
  const struct {
    bool selected, disabled, checked, hover, toggle;
    ButtonPicture expected;
  } rows[] = {
      // push button
      {false, false, false, false, false, P::kNormal},
      {false, false, false, true, false, P::kOver},
      {true, false, false, true, false, P::kDown},
      {false, false, true, false, false, P::kDown},
      {false, true, true, false, false, P::kDisable},  // checked yields to disabled
      {false, true, false, false, false, P::kDisable},
      {false, true, false, true, false, P::kOver},  // hover is tested before disabled
      // toggle button: the press alone shows nothing
      {true, false, false, false, true, P::kNormal},
      {true, false, false, true, true, P::kOver},
      {false, false, true, true, true, P::kDown},
      {false, true, true, true, true, P::kDisable},
      {false, true, false, false, true, P::kDisable},
  };
  int row_number = 0;
  for (const auto& r : rows) {
    const ButtonLookState state{r.selected, r.disabled, r.checked, r.hover, r.toggle};
    EXPECT_EQ(ChooseButtonPicture(state), r.expected) << "row " << row_number;
    ++row_number;
  }
}

TEST(ChooseCaptionColour, DownWinsThenOverThenDisabled) {
  const ButtonCaptionColours colours{0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004};
  const struct {
    bool selected, disabled, checked, hover;
    uint32_t expected;
  } rows[] = {
      {false, false, false, false, 0xFF000001}, {false, false, false, true, 0xFF000002},
      {true, false, false, true, 0xFF000003},   {false, true, true, true, 0xFF000003},
      {false, true, false, true, 0xFF000002},   {false, true, false, false, 0xFF000004},
  };
  int row_number = 0;
  for (const auto& r : rows) {
    const ButtonLookState state{r.selected, r.disabled, r.checked, r.hover, false};
    EXPECT_EQ(ChooseCaptionColour(state, colours), r.expected) << "row " << row_number;
    ++row_number;
  }
}

TEST(LayoutCaption, ModesIndentLeftAlignedCaptionsAndCentreTheRest) {
  using A = CaptionAlignment;
  const PixelRect client{0, 0, 100, 30};
  const struct {
    int32_t mode;
    PixelRect client;
    A horizontal;
    PixelRect expected;
  } rows[] = {
      {1, client, A::kNear, {35, 3, 100, 30}},
      {3, client, A::kNear, {10, 3, 100, 30}},
      {4, client, A::kNear, {20, 3, 100, 30}},
      {2, client, A::kCenter, client},
      {0, client, A::kCenter, client},
      {5, client, A::kCenter, client},
      {-1, client, A::kCenter, client},
      {1, {0, 0, 20, 2}, A::kNear, {20, 2, 20, 2}},  // too small: empty, never inverted
  };
  for (const auto& r : rows) {
    const CaptionLayout layout = LayoutCaption(r.mode, r.client);
    EXPECT_EQ(layout.horizontal, r.horizontal) << "mode " << r.mode;
    EXPECT_EQ(layout.vertical, A::kCenter) << "mode " << r.mode;
    EXPECT_EQ(layout.rect, r.expected) << "mode " << r.mode;
  }
}

TEST(OnPointerMove, HoverFollowsThePointerThroughTheCapture) {
  using W = WindowUnderPointer;
  const HoverActions none{};
  const HoverActions enter{true, false, true, false, true};
  const HoverActions leave_and_release{false, true, false, true, true};
  const HoverActions leave_keep_capture{false, true, false, false, true};
  const HoverActions release_only{false, false, false, true, false};
  const struct {
    const char* name;
    PointerMoveInput input;
    HoverActions expected;
  } rows[] = {
      {"drag from elsewhere", {true, false, false, true, true, W::kSelf}, none},
      {"arrives", {false, false, false, true, true, W::kSelf}, enter},
      {"application inactive", {false, false, false, false, true, W::kSelf}, none},
      {"no owner or parent", {false, false, false, true, false, W::kSelf}, none},
      {"still over itself", {false, true, true, true, true, W::kSelf}, none},
      {"over nothing", {false, true, true, true, true, W::kNone}, none},
      {"onto a neighbour", {false, true, true, true, true, W::kOther}, leave_and_release},
      {"pressed, onto a neighbour", {true, true, true, true, true, W::kOther}, leave_keep_capture},
      {"capture without hover", {false, false, true, true, true, W::kOther}, release_only},
      {"pressed, capture without hover", {true, false, true, true, true, W::kOther}, none},
  };
  for (const auto& r : rows) EXPECT_EQ(OnPointerMove(r.input), r.expected) << r.name;
}

TEST(OnCaptureLost, EndsTheHoverWithoutTouchingTheNewCapture) {
  EXPECT_EQ(OnCaptureLost(true), (HoverActions{false, true, false, false, true}));
  EXPECT_EQ(OnCaptureLost(false), HoverActions{});
}

}  // namespace
