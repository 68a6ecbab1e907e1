// The generated default skin as Windows reads it: the build draws it into skins\ beside this test
// program. Every image a description names must load with the system's loaders at the size the
// window expects, the double-click clip must open in an animation control, and the configurator
// must carry its menu arrow and event-row pictures.

#include <gtest/gtest.h>
#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "option/resource_ids.h"

namespace {

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring SkinFolder() {
  return OwnFolder() + L"skins\\";
}

std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

std::wstring ReadKey(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
  wchar_t value[4096] = {};
  GetPrivateProfileStringW(section, key, L"", value, 4096, file.c_str());
  return value;
}

struct Size {
  LONG width = 0;
  LONG height = 0;
};

// LoadImageW as the configurator loads its fixed pictures; 0 x 0 when the file does not load.
Size LoadedSize(const std::wstring& path) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (!bitmap) return {};
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  DeleteObject(bitmap);
  return {info.bmWidth, info.bmHeight};
}

// The system picture decoder, as skin descriptions are decoded; 0 x 0 when it fails.
Size DecodedSize(const std::wstring& path) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  const DWORD bytes = GetFileSize(file, nullptr);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  DWORD read = 0;
  if (memory) ReadFile(file, GlobalLock(memory), bytes, &read, nullptr);
  if (memory) GlobalUnlock(memory);
  CloseHandle(file);
  if (!memory || read != bytes) {
    if (memory) GlobalFree(memory);
    return {};
  }
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return {};
  }
  IPicture* picture = nullptr;
  Size size;
  if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(bytes), FALSE, IID_IPicture,
                               reinterpret_cast<void**>(&picture)))) {
    OLE_HANDLE handle = 0;
    BITMAP info{};
    if (SUCCEEDED(picture->get_Handle(&handle)) &&
        GetObjectW(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), sizeof info, &info)) {
      size = {info.bmWidth, info.bmHeight};
    }
    picture->Release();
  }
  stream->Release();
  return size;
}

struct WindowSkin {
  const wchar_t* description;
  Size size;
};

// Sizes the windows are designed for; the dialogs' painted texts and the main window's static
// texts sit at fixed places inside them.
const WindowSkin kWindows[] = {
    {L"skin_main.ini", {680, 450}},           {L"skin_shortcut.ini", {460, 150}},
    {L"skin_single_key.ini", {460, 150}},     {L"skin_macro_manager.ini", {520, 362}},
    {L"skin_profile.ini", {400, 150}},        {L"skin_delete_macro_warn.ini", {450, 160}},
    {L"skin_click_warn.ini", {450, 160}},     {L"skin_reset_warn.ini", {450, 160}},
    {L"skin_macro_set_warn.ini", {450, 160}},
};

TEST(SkinFilesTest, EveryDescribedImageLoadsAtTheWindowSize) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  for (const WindowSkin& window : kWindows) {
    const std::wstring file = SkinFolder() + window.description;
    for (const wchar_t* key : {L"Mask", L"Normal", L"Over", L"Down", L"Disable"}) {
      const std::wstring image = ReadKey(file, L"SCREEN", key);
      SCOPED_TRACE(Narrow(window.description) + " " + Narrow(key) + " = " + Narrow(image));
      ASSERT_FALSE(image.empty());
      const Size loaded = LoadedSize(SkinFolder() + image);
      EXPECT_EQ(loaded.width, window.size.width);
      EXPECT_EQ(loaded.height, window.size.height);
      const Size decoded = DecodedSize(SkinFolder() + image);
      EXPECT_EQ(decoded.width, window.size.width);
      EXPECT_EQ(decoded.height, window.size.height);
    }
  }
  CoUninitialize();
}

TEST(SkinFilesTest, FixedPicturesLoad) {
  const Size thumb = LoadedSize(SkinFolder() + L"scroll.bmp");
  EXPECT_GT(thumb.width, 0);
  // The three slider tracks must hold the thumb: it sits at their top and travels their width.
  for (const wchar_t* key : {L"57", L"58", L"59"}) {
    int x = 0, y = 0, w = 0, h = 0;
    const std::wstring entry = ReadKey(SkinFolder() + L"skin_main.ini", L"BUTTONPOS", key);
    const size_t comma = entry.find(L',');
    ASSERT_NE(comma, std::wstring::npos) << Narrow(key);
    ASSERT_EQ(swscanf(entry.c_str() + comma + 1, L"%d,%d,%d,%d", &x, &y, &w, &h), 4);
    EXPECT_GT(w, thumb.width) << Narrow(key);
    EXPECT_GE(h, thumb.height) << Narrow(key);
  }
  // The double-click picture fills the test area (key 61) without stretching.
  const std::wstring entry = ReadKey(SkinFolder() + L"skin_main.ini", L"BUTTONPOS", L"61");
  int x = 0, y = 0, w = 0, h = 0;
  ASSERT_EQ(swscanf(entry.c_str() + entry.find(L',') + 1, L"%d,%d,%d,%d", &x, &y, &w, &h), 4);
  const Size still = LoadedSize(OwnFolder() + L"skins\\double_click.bmp");
  EXPECT_EQ(still.width, w);
  EXPECT_EQ(still.height, h);
}

TEST(SkinFilesTest, DoubleClickClipOpensAndPlaysInAnAnimationControl) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_ANIMATE_CLASS};
  ASSERT_TRUE(InitCommonControlsEx(&controls));
  HWND animation = CreateWindowExW(0, ANIMATE_CLASSW, L"", WS_POPUP, 0, 0, 140, 56, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(animation, nullptr);
  const std::wstring clip = OwnFolder() + L"skins\\double_click.avi";
  EXPECT_TRUE(SendMessageW(animation, ACM_OPENW, 0, reinterpret_cast<LPARAM>(clip.c_str())));
  EXPECT_TRUE(SendMessageW(animation, ACM_PLAY, 1, MAKELPARAM(0, 0xFFFF)));
  EXPECT_TRUE(SendMessageW(animation, ACM_STOP, 0, 0));
  // A damaged clip is refused: the control does not take any file for an AVI.
  const std::wstring not_a_clip = OwnFolder() + L"skins\\scroll.bmp";
  EXPECT_FALSE(SendMessageW(animation, ACM_OPENW, 0, reinterpret_cast<LPARAM>(not_a_clip.c_str())));
  DestroyWindow(animation);
}

TEST(SkinFilesTest, ConfiguratorCarriesItsPictures) {
  const std::wstring program = OwnFolder() + L"Option.exe";
  HMODULE option = LoadLibraryExW(program.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(option, nullptr) << Narrow(program);
  struct Picture {
    int id;
    UINT type;
    int size;
  };
  const Picture pictures[] = {
      {IDI_PROGRAM, IMAGE_ICON, 32},
      {IDI_SUBMENU_ARROW, IMAGE_ICON, 32},
      {IDB_EVENT_DELAY, IMAGE_BITMAP, 16},
      {IDB_EVENT_KEY_RELEASED, IMAGE_BITMAP, 16},
      {IDB_EVENT_KEY_PRESSED, IMAGE_BITMAP, 16},
      {IDB_EVENT_MOUSE_BUTTON, IMAGE_BITMAP, 16},
  };
  for (const Picture& p : pictures) {
    // Bitmaps at their own size, icons at the system icon size (32), as the configurator draws
    // them.
    HANDLE image = LoadImageW(option, MAKEINTRESOURCEW(p.id), p.type, 0, 0,
                              p.type == IMAGE_ICON ? LR_DEFAULTSIZE : 0);
    ASSERT_NE(image, nullptr) << "resource " << p.id;
    if (p.type == IMAGE_BITMAP) {
      BITMAP info{};
      GetObjectW(image, sizeof info, &info);
      EXPECT_EQ(info.bmWidth, p.size) << "resource " << p.id;
      EXPECT_EQ(info.bmHeight, p.size) << "resource " << p.id;
      DeleteObject(image);
    } else {
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(static_cast<HICON>(image), &info)) << "resource " << p.id;
      BITMAP colour{};
      GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof colour, &colour);
      EXPECT_EQ(colour.bmWidth, p.size) << "resource " << p.id;
      if (info.hbmColor) DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
      DestroyIcon(static_cast<HICON>(image));
    }
  }
  FreeLibrary(option);
}

}  // namespace
