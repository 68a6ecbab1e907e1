// RegionFromMask on a full-screen mask with about 100,000 runs, beside the per-pixel way of
// building the same region (one GetPixel per pixel and one region combine per kept pixel). Prints
// times and the ratio; never fails.
//
// The per-pixel way takes minutes on the whole mask, so it runs on a band of rows of the same
// mask within a time budget; the fast builder runs on the same band for the measured ratio, and
// on the whole mask for its own time.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "skin/region_from_mask.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr double kBaselineBudgetMs = 8000;

// White every 20 pixels or so, shifted from row to row: about 96 runs per row.
bool IsWhite(int x, int y) {
  return (x * 7 + y * 13) % 20 == 0;
}

HBITMAP MakeMask(int width, int height, int firstRow) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP mask = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (mask == nullptr) return nullptr;
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      pixels[y * width + x] = IsWhite(x, firstRow + y) ? 0xFFFFFF : 0x203040;
  }
  return mask;
}

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

long CountRuns(int height) {
  long runs = 0;
  for (int y = 0; y < height; ++y) {
    bool inRun = false;
    for (int x = 0; x < kWidth; ++x) {
      const bool kept = !IsWhite(x, y);
      if (kept && !inRun) ++runs;
      inRun = kept;
    }
  }
  return runs;
}

// The per-pixel way: read every pixel and add each kept one to the region. Stops after the
// budget; returns the rows done.
int PerPixelRows(HBITMAP mask, int height, double budgetMs, double& elapsedMs, HRGN& region) {
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, mask);
  region = CreateRectRgn(0, 0, 0, 0);
  const double start = NowMs();
  int rows = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (GetPixel(memory, x, y) != RGB(255, 255, 255)) {
        HRGN pixel = CreateRectRgn(x, y, x + 1, y + 1);
        CombineRgn(region, region, pixel, RGN_OR);
        DeleteObject(pixel);
      }
    }
    rows = y + 1;
    if (NowMs() - start > budgetMs) break;
  }
  elapsedMs = NowMs() - start;
  SelectObject(memory, old);
  DeleteDC(memory);
  return rows;
}

}  // namespace

int main() {
  HBITMAP full = MakeMask(kWidth, kHeight, 0);
  if (full == nullptr) {
    std::printf("region_from_mask_bench: could not make the mask\n");
    return 0;
  }
  std::printf("mask %d x %d, %ld runs\n", kWidth, kHeight, CountRuns(kHeight));

  double best = 1e300;
  for (int i = 0; i < 5; ++i) {
    const double start = NowMs();
    HRGN region = RegionFromMask(full, RGB(255, 255, 255), 0);
    best = std::min(best, NowMs() - start);
    DeleteObject(region);
  }
  std::printf("RegionFromMask, whole mask           %10.2f ms (best of 5)\n", best);

  double baselineMs = 0;
  HRGN baselineRegion = nullptr;
  const int rows = PerPixelRows(full, kHeight, kBaselineBudgetMs, baselineMs, baselineRegion);

  // The fast builder on the same band, for a like-for-like ratio and a check of equal results.
  HBITMAP band = MakeMask(kWidth, rows, 0);
  double bandBest = 1e300;
  HRGN bandRegion = nullptr;
  for (int i = 0; i < 5; ++i) {
    if (bandRegion != nullptr) DeleteObject(bandRegion);
    const double start = NowMs();
    bandRegion = RegionFromMask(band, RGB(255, 255, 255), 0);
    bandBest = std::min(bandBest, NowMs() - start);
  }
  const bool same = EqualRgn(baselineRegion, bandRegion) != 0;

  std::printf("per-pixel, first %4d rows (%ld runs)  %10.2f ms\n", rows, CountRuns(rows),
              baselineMs);
  std::printf("RegionFromMask, same %4d rows        %10.2f ms (best of 5)\n", rows, bandBest);
  std::printf("ratio per-pixel / RegionFromMask     %10.1f x on the same rows (%s regions)\n",
              bandBest > 0 ? baselineMs / bandBest : 0.0, same ? "equal" : "DIFFERENT");
  // Linear in rows, so a lower bound: each combine costs more as the region grows.
  std::printf("per-pixel, whole mask, at least      %10.0f ms (%.1f x the whole-mask time)\n",
              baselineMs * kHeight / rows, best > 0 ? baselineMs * kHeight / rows / best : 0.0);

  DeleteObject(bandRegion);
  DeleteObject(baselineRegion);
  DeleteObject(band);
  DeleteObject(full);
  return 0;
}
