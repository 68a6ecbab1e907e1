// The GDI owners under Wine: a selection lasts exactly its scope, and an object is deleted once,
// by the owner that holds it last.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <utility>

#include "ui/gdi_handles.h"

namespace {

template <typename Handle>
void ExpectScopedSelectionAndOneDeletion(Handle made, DWORD type) {
  ASSERT_NE(made, nullptr);
  const MemoryDc dc = CompatibleMemoryDc(nullptr);
  ASSERT_TRUE(dc);
  const HGDIOBJ before = GetCurrentObject(dc.get(), type);
  GdiObject<Handle> last;
  {
    GdiObject<Handle> first(made);
    {
      const SelectionScope scope(dc.get(), first.get());
      EXPECT_TRUE(scope.selected());
      EXPECT_EQ(GetCurrentObject(dc.get(), type), made);
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), type), before);
    last = std::move(first);
  }
  EXPECT_EQ(GetObjectType(made), type) << "deleted by the owner it was moved from";
  last.reset();
  EXPECT_EQ(GetObjectType(made), 0u) << "kept after its last owner let go";
}

TEST(GdiHandlesTest, SelectionEndsWithItsScopeAndTheLastOwnerDeletes) {
  const struct {
    const char* kind;
    std::function<void()> check;
  } kCases[] = {
      {"bitmap",
       [] { ExpectScopedSelectionAndOneDeletion(CreateBitmap(2, 2, 1, 32, nullptr), OBJ_BITMAP); }},
      {"font",
       [] {
         ExpectScopedSelectionAndOneDeletion(
             CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS,
                         L"Arial"),
             OBJ_FONT);
       }},
      {"brush",
       [] { ExpectScopedSelectionAndOneDeletion(CreateSolidBrush(RGB(1, 2, 3)), OBJ_BRUSH); }},
      {"pen",
       [] { ExpectScopedSelectionAndOneDeletion(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)), OBJ_PEN); }},
  };
  for (const auto& testCase : kCases) {
    SCOPED_TRACE(testCase.kind);
    testCase.check();
  }
}

}  // namespace
