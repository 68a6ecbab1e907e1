#include "skin/picture_loader.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <vector>

#include "base/wide.h"
#include "skin/bmp_layout.h"
#include "ui/com_owner.h"

namespace {

// Skin pictures are full-window images; anything larger than this is not one of them.
constexpr DWORD kMaxPictureBytes = 64u << 20;

// The whole file, or nothing when it is missing, empty, too large or cannot be read whole.
std::vector<uint8_t> ReadPictureFile(const Text& path) {
  std::vector<uint8_t> bytes;
  HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  LARGE_INTEGER fileSize{};
  if (GetFileSizeEx(file, &fileSize) && fileSize.QuadPart > 0 &&
      fileSize.QuadPart <= kMaxPictureBytes) {
    const auto size = static_cast<DWORD>(fileSize.QuadPart);
    bytes.resize(size);
    DWORD read = 0;
    if (!ReadFile(file, bytes.data(), size, &read, nullptr) || read != size) bytes.clear();
  }
  CloseHandle(file);
  return bytes;
}

// A section holding the pixels of a BMP of the plain kind, or nullptr for any other file.
HBITMAP SectionFromBmp(const std::vector<uint8_t>& bytes) {
  const std::optional<BmpLayout> layout = ReadBmpLayout(bytes.data(), bytes.size());
  if (!layout) return nullptr;
  // Copied out: the header sits at an odd place in the file.
  BITMAPINFO info{};
  static_assert(sizeof info.bmiHeader == 40, "the layout's header is the Windows 3 one");
  std::memcpy(&info.bmiHeader, bytes.data() + layout->info_offset, sizeof info.bmiHeader);
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (section == nullptr || bits == nullptr) {
    if (section != nullptr) DeleteObject(section);
    return nullptr;
  }
  std::memcpy(bits, bytes.data() + layout->bits_offset, layout->bits_size);
  return section;
}

// A copy of the picture's bitmap that belongs to the caller, or nullptr.
HBITMAP DecodeWithSystem(const std::vector<uint8_t>& bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  void* copy = block != nullptr ? GlobalLock(block) : nullptr;
  if (copy == nullptr) {
    if (block != nullptr) GlobalFree(block);
    return nullptr;
  }
  std::memcpy(copy, bytes.data(), bytes.size());
  GlobalUnlock(block);
  ComOwner<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, stream.receive()))) {
    GlobalFree(block);
    return nullptr;
  }
  ComOwner<IPicture> picture;
  const HRESULT loaded = OleLoadPicture(stream.get(), static_cast<LONG>(bytes.size()), FALSE,
                                        IID_IPicture, reinterpret_cast<void**>(picture.receive()));
  stream.reset();  // frees the block
  if (FAILED(loaded) || !picture) return nullptr;
  HBITMAP owned = nullptr;
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  // Icons and metafiles decode too, but their handles are no bitmaps.
  if (SUCCEEDED(picture.get()->get_Type(&type)) && type == PICTYPE_BITMAP &&
      SUCCEEDED(picture.get()->get_Handle(&handle)) && handle != 0) {
    // OLE_HANDLE is 32 bits wide; GDI handles are sign-extended to pointer width.
    owned = static_cast<HBITMAP>(CopyImage(LongToHandle(static_cast<LONG>(handle)), IMAGE_BITMAP, 0,
                                           0, LR_CREATEDIBSECTION));
  }
  return owned;
}

}  // namespace

SIZE PictureLoader(const Text& path, HBITMAP& target) {
  const std::vector<uint8_t> bytes = ReadPictureFile(path);
  HBITMAP loaded = nullptr;
  if (!bytes.empty()) {
    loaded = SectionFromBmp(bytes);
    if (loaded == nullptr) loaded = DecodeWithSystem(bytes);
  }
  if (target != nullptr) DeleteObject(target);
  target = loaded;
  BITMAP info{};
  if (loaded == nullptr || GetObjectW(loaded, sizeof info, &info) == 0) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}
