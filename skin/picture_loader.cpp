#include "skin/picture_loader.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include "base/wide.h"
#include "ui/com_owner.h"

namespace {

// Skin pictures are full-window images; anything larger than this is not one of them.
constexpr DWORD kMaxPictureBytes = 64u << 20;

// The file's bytes in a movable global block, or nullptr.
HGLOBAL ReadFileToGlobal(const Text& path, DWORD& size) {
  HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  HGLOBAL block = nullptr;
  LARGE_INTEGER fileSize{};
  if (GetFileSizeEx(file, &fileSize) && fileSize.QuadPart > 0 &&
      fileSize.QuadPart <= kMaxPictureBytes) {
    size = static_cast<DWORD>(fileSize.QuadPart);
    block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* bytes = block != nullptr ? GlobalLock(block) : nullptr;
    DWORD read = 0;
    const bool complete =
        bytes != nullptr && ReadFile(file, bytes, size, &read, nullptr) && read == size;
    if (bytes != nullptr) GlobalUnlock(block);
    if (!complete && block != nullptr) {
      GlobalFree(block);
      block = nullptr;
    }
  }
  CloseHandle(file);
  return block;
}

// A copy of the picture's bitmap that belongs to the caller, or nullptr.
HBITMAP DecodeBitmap(HGLOBAL block, DWORD size) {
  ComOwner<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, stream.receive()))) {
    GlobalFree(block);
    return nullptr;
  }
  ComOwner<IPicture> picture;
  const HRESULT loaded = OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                                        reinterpret_cast<void**>(picture.receive()));
  stream.reset();  // frees the block
  if (FAILED(loaded) || !picture) return nullptr;
  HBITMAP copy = nullptr;
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  // Icons and metafiles decode too, but their handles are no bitmaps.
  if (SUCCEEDED(picture.get()->get_Type(&type)) && type == PICTYPE_BITMAP &&
      SUCCEEDED(picture.get()->get_Handle(&handle)) && handle != 0) {
    // OLE_HANDLE is 32 bits wide; GDI handles are sign-extended to pointer width.
    copy = static_cast<HBITMAP>(CopyImage(LongToHandle(static_cast<LONG>(handle)), IMAGE_BITMAP, 0,
                                          0, LR_CREATEDIBSECTION));
  }
  return copy;
}

}  // namespace

SIZE PictureLoader(const Text& path, HBITMAP& target) {
  DWORD size = 0;
  HGLOBAL block = ReadFileToGlobal(path, size);
  HBITMAP loaded = block != nullptr ? DecodeBitmap(block, size) : nullptr;
  if (target != nullptr) DeleteObject(target);
  target = loaded;
  BITMAP info{};
  if (loaded == nullptr || GetObjectW(loaded, sizeof info, &info) == 0) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}
