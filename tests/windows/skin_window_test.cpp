// Skinned windows under Wine: pictures loaded from description files, the window's size and
// shape taken from them, controls handed their entries, and the region builders against regions
// the system builds itself.

#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/load_skinned_window.h"
#include "skin/picture_loader.h"
#include "skin/region_batches.h"
#include "skin/region_from_corner_colour.h"
#include "skin/region_from_mask.h"
#include "skin/skinned_window.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/source_tree.h"
#include "tests/windows_support/window_picture.h"

namespace {

using PixelColour = std::function<uint32_t(int x, int y)>;  // 0xRRGGBB

// A 24-bit BMP file, rows bottom-up and padded to four bytes as the format wants.
void WriteBmp(const std::filesystem::path& path, int width, int height, const PixelColour& colour) {
  const int stride = (width * 3 + 3) / 4 * 4;
  std::string bytes(54 + static_cast<size_t>(stride) * height, '\0');
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(v >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<uint32_t>(bytes.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  bytes[26] = 1;   // planes
  bytes[28] = 24;  // bits per pixel
  for (int y = 0; y < height; ++y) {
    const size_t row = 54 + static_cast<size_t>(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colour(x, y);
      bytes[row + 3 * x + 0] = static_cast<char>(c & 0xFF);          // blue
      bytes[row + 3 * x + 1] = static_cast<char>((c >> 8) & 0xFF);   // green
      bytes[row + 3 * x + 2] = static_cast<char>((c >> 16) & 0xFF);  // red
    }
  }
  WriteFileBytes(path, bytes);
}

PixelColour Solid(uint32_t rgb) {
  return [rgb](int, int) { return rgb; };
}

// A 32-bit section filled by colour, for the region builders.
HBITMAP MakeBitmap(int width, int height, const PixelColour& colour) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return nullptr;
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels[y * width + x] = colour(x, y);
  }
  return bitmap;
}

// The region the system builds from the same pixels one kept pixel at a time.
HRGN PixelByPixelRegion(int width, int height, const std::function<bool(int, int)>& kept) {
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (!kept(x, y)) continue;
      HRGN pixel = CreateRectRgn(x, y, x + 1, y + 1);
      CombineRgn(result, result, pixel, RGN_OR);
      DeleteObject(pixel);
    }
  }
  return result;
}

class SkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    SetSkinFolder(dir_.folder());
  }
  void TearDown() override { CoUninitialize(); }
  std::filesystem::path File(const std::string& name) const { return dir_.path() / name; }
  Text Path(const std::string& name) const { return dir_.file(name); }

  TempDir dir_;
};

TEST_F(SkinTest, PictureLoaderTakesBmpAndJpegAndNeverFails) {
  WriteBmp(File("small.bmp"), 7, 5, [](int x, int) { return x < 3 ? 0x102030u : 0xF0E0D0u; });
  HBITMAP bitmap = nullptr;
  SIZE size = PictureLoader(Path("small.bmp"), bitmap);
  EXPECT_EQ(size.cx, 7);
  EXPECT_EQ(size.cy, 5);
  ASSERT_NE(bitmap, nullptr);
  int32_t w = 0, h = 0;
  std::vector<uint8_t> px = ReadBitmapPixels(bitmap, w, h);
  ASSERT_EQ(px.size(), 7u * 5u * 4u);
  EXPECT_EQ(px[0] | px[1] << 8 | px[2] << 16, 0x102030);  // blue, green, red bytes
  EXPECT_EQ(px[24] | px[25] << 8 | px[26] << 16, 0xF0E0D0);

  // A JPEG replaces the BMP, which is deleted.
  HBITMAP previous = bitmap;
  size = PictureLoader(SourceTreeFile("tests/data/skin_picture.jpg"), bitmap);
  EXPECT_EQ(size.cx, 24);
  EXPECT_EQ(size.cy, 16);
  EXPECT_EQ(GetObjectType(previous), 0u);
  px = ReadBitmapPixels(bitmap, w, h);
  ASSERT_EQ(px.size(), 24u * 16u * 4u);
  // Left half red (200, 30, 40), right half blue (30, 40, 200), give or take the compression.
  const uint8_t* left = &px[(8 * 24 + 3) * 4];
  const uint8_t* right = &px[(8 * 24 + 20) * 4];
  EXPECT_NEAR(left[2], 200, 24);
  EXPECT_NEAR(left[0], 40, 24);
  EXPECT_NEAR(right[0], 200, 24);
  EXPECT_NEAR(right[2], 30, 24);

  // Missing, empty, undecodable and a folder: an empty bitmap and 0 x 0, the old one deleted.
  WriteFileBytes(File("empty.bmp"), "");
  WriteFileBytes(File("text.jpg"), "this is not a picture at all");
  for (const Text& path :
       {Path("missing.bmp"), Path("empty.bmp"), Path("text.jpg"), dir_.folder()}) {
    ASSERT_EQ(PictureLoader(Path("small.bmp"), bitmap).cx, 7);
    previous = bitmap;
    size = PictureLoader(path, bitmap);
    EXPECT_EQ(size.cx, 0) << TextToAscii(path);
    EXPECT_EQ(size.cy, 0) << TextToAscii(path);
    EXPECT_EQ(bitmap, nullptr) << TextToAscii(path);
    EXPECT_EQ(GetObjectType(previous), 0u) << TextToAscii(path);
  }
}

// A plain BMP is read straight from its bytes and a top-down one by the system decoder; either
// way the picture has the size and the pixels written, and those the system's own file loader
// finds in the same file.
TEST_F(SkinTest, PictureLoaderReadsPlainBmpsAsTheSystemLoaderDoes) {
  struct Case {
    const char* name;
    int width;
    int height;
    bool topDown;
  };
  const Case cases[] = {
      {"padded.bmp", 7, 5, false},   // 21 bytes a row, padded to 24
      {"even.bmp", 4, 3, false},     // 12 bytes a row, no padding
      {"one.bmp", 1, 1, false},      // 3 bytes padded to 4
      {"top_down.bmp", 5, 4, true},  // rows stored from the top: the system decoder's
      {"tall.bmp", 3, 40, true},
  };
  const PixelColour colour = [](int x, int y) {
    return static_cast<uint32_t>((x * 37) << 16 | (y * 11) << 8 | (x + y * 7));
  };
  for (const Case& c : cases) {
    WriteBmp(File(c.name), c.width, c.height, colour);
    if (c.topDown) {
      // The same pixels with the rows in the other order and a negative height.
      std::string bytes = ReadFileBytes(File(c.name));
      const size_t stride = (static_cast<size_t>(c.width) * 3 + 3) / 4 * 4;
      std::string flipped = bytes.substr(0, 54);
      for (int row = c.height - 1; row >= 0; --row)
        flipped += bytes.substr(54 + row * stride, stride);
      const uint32_t negative = static_cast<uint32_t>(-c.height);
      for (int i = 0; i < 4; ++i) flipped[22 + i] = static_cast<char>(negative >> (8 * i));
      WriteFileBytes(File(c.name), flipped);
    }
    HBITMAP loaded = nullptr;
    const SIZE size = PictureLoader(Path(c.name), loaded);
    EXPECT_EQ(size.cx, c.width) << c.name;
    EXPECT_EQ(size.cy, c.height) << c.name;
    ASSERT_NE(loaded, nullptr) << c.name;
    int32_t w = 0, h = 0;
    const std::vector<uint8_t> ours = ReadBitmapPixels(loaded, w, h);
    if (!c.topDown) {
      // Wine's file loader leaves top-down files black, so it is a reference for the others only.
      auto* system = static_cast<HBITMAP>(LoadImageW(nullptr, File(c.name).c_str(), IMAGE_BITMAP, 0,
                                                     0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
      ASSERT_NE(system, nullptr) << c.name;
      int32_t sw = 0, sh = 0;
      EXPECT_EQ(ours, ReadBitmapPixels(system, sw, sh)) << c.name;
      DeleteObject(system);
    }
    // The colours written, top row first.
    ASSERT_EQ(ours.size(), static_cast<size_t>(c.width) * c.height * 4) << c.name;
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const uint8_t* p = &ours[(static_cast<size_t>(y) * c.width + x) * 4];
        EXPECT_EQ(static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16), colour(x, y) & 0xFFFFFF)
            << c.name << " at " << x << "," << y;
      }
    }
    DeleteObject(loaded);
  }
}

TEST_F(SkinTest, RegionFromMaskEqualsTheUnionOfItsPixelsAcrossBatches) {
  // Three kinds of pixel: white (outside), near white 254,255,255 and dark (inside). Every third
  // pixel is white, so 300 x 40 pixels give 4000 runs: two full batches of 2000.
  const int width = 300, height = 40;
  auto colour = [](int x, int y) -> uint32_t {
    if ((x + y) % 3 == 0) return 0xFFFFFF;
    return (x % 7 == 0) ? 0xFEFFFF : 0x204060;  // 0xRRGGBB: red 254 is near white
  };
  // MakeBitmap's pixels are 32-bit B, G, R: the same 0xRRGGBB value as a little-endian word.
  HBITMAP mask = MakeBitmap(width, height, colour);
  ASSERT_NE(mask, nullptr);
  HRGN built = RegionFromMask(mask, kMaskKeyColour, kMaskTolerance);
  ASSERT_NE(built, nullptr);
  HRGN expected =
      PixelByPixelRegion(width, height, [&](int x, int y) { return colour(x, y) != 0xFFFFFF; });
  EXPECT_TRUE(EqualRgn(built, expected));
  EXPECT_TRUE(PtInRegion(built, 1, 0));     // near white (x % 7 != 0 here: dark) kept
  EXPECT_TRUE(PtInRegion(built, 7, 0));     // near white kept
  EXPECT_FALSE(PtInRegion(built, 0, 0));    // white
  EXPECT_FALSE(PtInRegion(built, 299, 1));  // (299 + 1) % 3 == 0: white at the right edge
  EXPECT_TRUE(PtInRegion(built, 299, 0));   // a run that ends at the right edge
  DeleteObject(built);
  DeleteObject(expected);
  DeleteObject(mask);

  // A key of 254 with a tolerance of 1 in red removes the near-white pixels too.
  mask = MakeBitmap(width, height, colour);
  built = RegionFromMask(mask, RGB(254, 255, 255), RGB(1, 0, 0));
  expected =
      PixelByPixelRegion(width, height, [&](int x, int y) { return colour(x, y) == 0x204060; });
  EXPECT_TRUE(EqualRgn(built, expected));
  DeleteObject(built);
  DeleteObject(expected);
  DeleteObject(mask);
}

TEST_F(SkinTest, RegionFromMaskOfWholeAndEmptyMasks) {
  RECT box{};
  HBITMAP white = MakeBitmap(20, 10, Solid(0xFFFFFF));
  HRGN none = RegionFromMask(white, kMaskKeyColour, kMaskTolerance);
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(GetRgnBox(none, &box), NULLREGION);
  HBITMAP dark = MakeBitmap(20, 10, Solid(0x000000));
  HRGN full = RegionFromMask(dark, kMaskKeyColour, kMaskTolerance);
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(GetRgnBox(full, &box), SIMPLEREGION);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, 20);
  EXPECT_EQ(box.bottom, 10);
  EXPECT_EQ(RegionFromMask(nullptr, kMaskKeyColour, kMaskTolerance), nullptr);
  DeleteObject(none);
  DeleteObject(full);
  DeleteObject(white);
  DeleteObject(dark);
}

TEST_F(SkinTest, RegionFromCornerColourCutsTheCornerColourOutOfAControl) {
  WindowCreateArgs args;
  args.style = WS_POPUP;
  args.width = 40;
  args.height = 40;
  Window owner;
  ASSERT_TRUE(owner.Create(args));
  HWND thumb = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 6, 4, owner.handle(), nullptr,
                               nullptr, nullptr);
  ASSERT_NE(thumb, nullptr);
  // Magenta corner colour around a grey plus; one magenta-like pixel differs in blue only.
  const std::vector<std::string> rows = {"m..mmm", "...mmm", "m.mmmM", "mmmmmm"};
  HBITMAP bitmap = MakeBitmap(6, 4, [&](int x, int y) -> uint32_t {
    switch (rows[y][x]) {
      case 'm':
        return 0xFF00FF;
      case 'M':
        return 0xFF00FE;
      default:
        return 0x808080;
    }
  });
  ASSERT_TRUE(RegionFromCornerColour(thumb, bitmap));
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(thumb, shape), ERROR);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) {
      EXPECT_EQ(PtInRegion(shape, x, y) != 0, rows[y][x] != 'm') << x << "," << y;
    }
  }
  DeleteObject(shape);
  DeleteObject(bitmap);
  EXPECT_FALSE(RegionFromCornerColour(thumb, nullptr));
  DestroyWindow(owner.handle());
}

constexpr UINT kMsgInspect = WM_APP + 20;
constexpr UINT kMsgFinish = WM_APP + 21;
constexpr INT_PTR kFinished = 77;  // what DoModal returns when nothing else ended the window

DialogTemplateSpec PopupTemplate() {
  DialogTemplateSpec spec;
  // Not shown: under Wine without a window manager every shown window costs two seconds when it
  // goes, and PrintWindow takes the picture all the same.
  spec.style = WS_POPUP | DS_SETFONT;
  spec.exStyle = WS_EX_APPWINDOW;
  spec.width = 339;  // dialog units: far larger than the pictures
  spec.height = 225;
  spec.title = u"skin test";
  spec.fontName = u"Arial";
  return spec;
}

// A skinned window that records what its controls were given and inspects itself once shown.
class InspectedWindow : public SkinnedWindow {
 public:
  InspectedWindow(const Text& file, std::vector<int> keys, std::string screenshot,
                  bool swallowEnterAndEscape = true)
      : SkinnedWindow(PopupTemplate(),
                      {file, SkinErase::kErasedWithoutDrawing, swallowEnterAndEscape}),
        keys_(std::move(keys)),
        screenshot_(std::move(screenshot)) {}

  struct Given {
    ButtonPosEntry entry;
    SkinStateImages images;
    SIZE normalSize;
  };
  std::vector<Given> given;
  RECT windowRect{};
  HRGN shape = nullptr;  // a copy of the window's region, owned by the test
  HBITMAP maskSeen = nullptr, backgroundSeen = nullptr;
  std::wstring screenshotPath;
  std::function<void(InspectedWindow&)> inspect;
  std::vector<MSG> captionDrags;  // WM_NCLBUTTONDOWN posted to the window, swallowed here

  bool PreTranslateMessage(MSG& msg) override {
    if (msg.message == WM_NCLBUTTONDOWN && msg.hwnd == handle()) {
      captionDrags.push_back(msg);
      return true;  // no move loop in a test
    }
    return SkinnedWindow::PreTranslateMessage(msg);
  }

 protected:
  std::vector<SkinControl> SkinControls() override {
    std::vector<SkinControl> controls;
    for (int key : keys_) {
      controls.push_back({key, [this](const ButtonPosEntry& entry, const SkinStateImages& images) {
                            BITMAP info{};
                            SIZE normal{0, 0};
                            if (GetObjectW(images.normal, sizeof info, &info) != 0)
                              normal = {info.bmWidth, info.bmHeight};
                            given.push_back({entry, images, normal});
                          }});
    }
    return controls;
  }
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static const MessageRoute<InspectedWindow> kRoutes[];
  LRESULT OnInitDialog(WPARAM, LPARAM) {
    PostMessageW(handle(), kMsgInspect, 0, 0);
    return TRUE;
  }
  LRESULT OnInspect(WPARAM, LPARAM) {
    GetWindowRect(handle(), &windowRect);
    shape = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(handle(), shape) == ERROR) {
      DeleteObject(shape);
      shape = nullptr;
    }
    maskSeen = skin().mask;
    backgroundSeen = skin().background;
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (!screenshot_.empty()) screenshotPath = SaveWindowPicture(handle(), screenshot_);
    if (inspect) inspect(*this);
    // A press on the body, then the two keys a dialog would close on; unless they are swallowed,
    // Escape ends the dialog with IDCANCEL before kMsgFinish arrives.
    SendMessageW(handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 25));
    SendMessageW(handle(), WM_LBUTTONUP, 0, MAKELPARAM(15, 25));
    PostMessageW(handle(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(handle(), kMsgFinish, 0, 0);
    return 0;
  }
  LRESULT OnFinish(WPARAM, LPARAM) {
    EndModal(kFinished);
    return 0;
  }
  std::vector<int> keys_;
  std::string screenshot_;
};

const MessageRoute<InspectedWindow> InspectedWindow::kRoutes[] = {
    {WM_INITDIALOG, &InspectedWindow::OnInitDialog},
    {kMsgInspect, &InspectedWindow::OnInspect},
    {kMsgFinish, &InspectedWindow::OnFinish},
};

bool InspectedWindow::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         SkinnedWindow::RouteMessage(message, wParam, lParam, result);
}

TEST_F(SkinTest, WindowTakesSizeAndShapeFromItsDescription) {
  // An 80 x 60 window: the mask keeps a frame around a white hole and cuts the top-left corner.
  auto inside = [](int x, int y) {
    if (x < 10 || y < 10 || x >= 70 || y >= 50) return false;
    if (x >= 30 && x < 40 && y >= 20 && y < 30) return false;  // the hole
    return true;
  };
  WriteBmp(File("mask.bmp"), 80, 60, [&](int x, int y) { return inside(x, y) ? 0u : 0xFFFFFFu; });
  WriteBmp(File("normal.bmp"), 80, 60,
           [](int x, int y) { return static_cast<uint32_t>((x * 3) << 16 | (y * 4) << 8 | 0x60); });
  WriteBmp(File("over.bmp"), 80, 60, Solid(0x00FF00));
  WriteBmp(File("down.bmp"), 80, 60, Solid(0x0000FF));
  WriteBmp(File("disable.bmp"), 80, 60, Solid(0x808080));
  WriteFileBytes(File("skin_test.ini"),
                 "[SCREEN]\r\nMask=mask.bmp\r\nNormal=normal.bmp\r\nOver=over.bmp\r\n"
                 "Down=down.bmp\r\nDisable=disable.bmp\r\n"
                 "[BUTTONPOS]\r\n1=first,12,14,20,10,  Hello  \r\n3=third,40,30,10,10,\r\n");

  InspectedWindow window(u"skin_test.ini", {3, 2, 1}, "skin_test_window");
  EXPECT_EQ(window.DoModal(nullptr), kFinished);

  EXPECT_EQ(window.windowRect.left, 0);
  EXPECT_EQ(window.windowRect.top, 0);
  EXPECT_EQ(window.windowRect.right, 80);
  EXPECT_EQ(window.windowRect.bottom, 60);
  ASSERT_NE(window.shape, nullptr);
  for (int y = 0; y < 60; y += 3) {
    for (int x = 0; x < 80; x += 3) {
      EXPECT_EQ(PtInRegion(window.shape, x, y) != 0, inside(x, y)) << x << "," << y;
    }
  }
  DeleteObject(window.shape);

  // Controls in the window's order; the absent key 2 gives an all-zero entry.
  ASSERT_EQ(window.given.size(), 3u);
  EXPECT_EQ(Text(window.given[0].entry.name), u"third");
  EXPECT_EQ(window.given[0].entry.right, 50);
  const ButtonPosEntry& absent = window.given[1].entry;
  EXPECT_EQ(absent.left | absent.top | absent.right | absent.bottom, 0);
  EXPECT_EQ(Text(absent.name), u"");
  EXPECT_EQ(Text(window.given[2].entry.text), u"Hello");
  EXPECT_EQ(window.given[2].entry.bottom, 24);
  EXPECT_EQ(window.given[2].normalSize.cx, 80);
  // The state pictures were deleted after the controls were made, the window's own at destroy.
  const SkinStateImages& images = window.given[0].images;
  for (HBITMAP h : {images.normal, images.over, images.down, images.disable}) {
    EXPECT_NE(h, nullptr);
    EXPECT_EQ(GetObjectType(h), 0u);
  }
  EXPECT_NE(window.maskSeen, nullptr);
  EXPECT_EQ(GetObjectType(window.maskSeen), 0u);
  EXPECT_EQ(GetObjectType(window.backgroundSeen), 0u);
  EXPECT_FALSE(window.screenshotPath.empty());
}

TEST_F(SkinTest, WindowWithoutPicturesStillOpens) {
  // No description at all: every picture is missing, the window has no size and no shape.
  InspectedWindow window(u"skin_missing.ini", {1}, "");
  EXPECT_EQ(window.DoModal(nullptr), kFinished);
  EXPECT_EQ(window.windowRect.right - window.windowRect.left, 0);
  ASSERT_EQ(window.given.size(), 1u);
  EXPECT_EQ(window.given[0].images.normal, nullptr);
  EXPECT_EQ(window.maskSeen, nullptr);
  if (window.shape != nullptr) DeleteObject(window.shape);
}

TEST_F(SkinTest, BodyPressStartsACaptionDragAndKeysCanBeKeptFromTheDialog) {
  WriteBmp(File("mask.bmp"), 40, 40, Solid(0x000000));
  WriteBmp(File("normal.bmp"), 40, 40, Solid(0x336699));
  WriteFileBytes(File("skin_keys.ini"), "[SCREEN]\r\nMask=mask.bmp\r\nNormal=normal.bmp\r\n");

  InspectedWindow keeping(u"skin_keys.ini", {}, "");
  EXPECT_EQ(keeping.DoModal(nullptr), kFinished);  // Enter and Escape never reached the dialog
  ASSERT_EQ(keeping.captionDrags.size(), 1u);
  EXPECT_EQ(keeping.captionDrags[0].wParam, static_cast<WPARAM>(HTCAPTION));
  EXPECT_EQ(keeping.captionDrags[0].lParam, MAKELPARAM(15, 25));  // as the press carried it

  InspectedWindow closing(u"skin_keys.ini", {}, "", /*swallowEnterAndEscape=*/false);
  // Enter becomes IDOK through the dialog's keyboard handling and ends it first.
  EXPECT_EQ(closing.DoModal(nullptr), IDOK);
  InspectedWindow escaping(u"skin_keys.ini", {}, "", false);
  escaping.inspect = [](InspectedWindow& w) { PostMessageW(w.handle(), WM_KEYDOWN, VK_ESCAPE, 0); };
  EXPECT_EQ(escaping.DoModal(nullptr), IDCANCEL);
  MSG msg;  // what the ended dialogs left behind
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

}  // namespace
