#include "ui/gdiplus_objects.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

GdipFamilyOwner TextFontFamily() {
  // Owned only once a call succeeded: a failed one may leave anything in the place it was given.
  GpFontFamily* family = nullptr;
  if (GdipCreateFontFamilyFromName(L"Arial", nullptr, &family) == Ok)
    return GdipFamilyOwner(family);
  family = nullptr;
  GpFontFamily* generic = nullptr;
  if (GdipGetGenericFontFamilySansSerif(&generic) == Ok &&
      GdipCloneFontFamily(generic, &family) == Ok) {
    return GdipFamilyOwner(family);
  }
  return GdipFamilyOwner();
}
