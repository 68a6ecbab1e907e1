// RegionFromMask on a full-screen mask with about 100,000 runs, beside the per-pixel way of
// building the same region (one GetPixel per pixel and one region combine per kept pixel), and
// the region built from the same runs three ways: one block per 2000 runs added to a growing
// region (the builder before the balanced unions, kept as the fallback: the baseline), small
// blocks united pairwise (the builder in use), and, on a band only, every run in one block.
// Prints medians and ratios; never fails.
//
// The per-pixel way takes minutes on the whole mask, so it runs on a band of rows of the same
// mask within a time budget; the fast builder runs on the same band for the measured ratio, and
// on the whole mask for its own time.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "skin/mask_runs.h"
#include "skin/region_batches.h"
#include "skin/region_from_mask.h"
#include "skin/region_parts.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr double kBaselineBudgetMs = 8000;
constexpr int kRepetitions = 5;
// Every run in one block grows with the square of the runs under Wine (about a minute for the
// whole mask), so it is measured on this many rows only.
constexpr int kOneBlockRows = 100;

// White every 20 pixels or so, shifted from row to row: about 96 runs per row.
bool IsWhite(int x, int y) {
  return (x * 7 + y * 13) % 20 == 0;
}

HBITMAP MakeMask(int width, int height, int firstRow, void** bitsOut = nullptr) {
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
  if (bitsOut != nullptr) *bitsOut = bits;
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

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Times build kRepetitions times; keeps the last region.
template <typename Build>
double MedianMs(Build build, HRGN& region) {
  std::vector<double> times;
  for (int i = 0; i < kRepetitions; ++i) {
    if (region != nullptr) DeleteObject(region);
    const double start = NowMs();
    region = build();
    times.push_back(NowMs() - start);
  }
  return Median(times);
}

// Every rectangle of the batches in one region data block, one ExtCreateRegion.
HRGN OneBlockRegion(const std::vector<MaskRectBatch>& batches) {
  std::vector<RECT> rects;
  for (const MaskRectBatch& batch : batches) {
    for (const MaskRect& r : batch.rects) rects.push_back({r.left, r.top, r.right, r.bottom});
  }
  std::vector<uint8_t> block(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  RGNDATAHEADER header{};
  header.dwSize = sizeof header;
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(rects.size());
  header.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  header.rcBound = {0, 0, kWidth, kOneBlockRows};
  std::memcpy(block.data(), &header, sizeof header);
  std::memcpy(block.data() + sizeof header, rects.data(), rects.size() * sizeof(RECT));
  return ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()),
                         reinterpret_cast<const RGNDATA*>(block.data()));
}

std::vector<MaskRectBatch> Runs(const void* bits, int height) {
  PixelView view;
  view.bits = static_cast<const uint8_t*>(bits);
  view.byteCount = static_cast<size_t>(kWidth) * 4 * static_cast<size_t>(height);
  view.width = kWidth;
  view.height = height;
  view.stride = kWidth * 4;
  return MaskRuns(view, RGB(255, 255, 255), 0);
}

// The three builders on the same runs: the figures asked of the balanced unions.
void CompareBuilders(const void* fullBits, const void* bandBits) {
  const std::vector<MaskRectBatch> runs = Runs(fullBits, kHeight);
  HRGN baseline = nullptr, balanced = nullptr;
  std::vector<double> baselineTimes, balancedTimes;
  for (int i = 0; i < kRepetitions; ++i) {  // alternated, so that load falls on both alike
    if (baseline != nullptr) DeleteObject(baseline);
    if (balanced != nullptr) DeleteObject(balanced);
    double start = NowMs();
    baseline = RegionFromBatches(runs);
    baselineTimes.push_back(NowMs() - start);
    start = NowMs();
    balanced = RegionFromParts(runs);
    balancedTimes.push_back(NowMs() - start);
  }
  const double baselineMs = Median(baselineTimes), balancedMs = Median(balancedTimes);
  std::printf("same runs, whole mask (median of %d):\n", kRepetitions);
  std::printf("  2000-run blocks into one region     %10.2f ms (baseline)\n", baselineMs);
  std::printf("  %d-run blocks, balanced unions       %10.2f ms\n", static_cast<int>(kRectsPerPart),
              balancedMs);
  std::printf("  ratio balanced / baseline           %10.3f (%.1f x faster), regions %s\n",
              baselineMs > 0 ? balancedMs / baselineMs : 0.0,
              balancedMs > 0 ? baselineMs / balancedMs : 0.0,
              baseline != nullptr && balanced != nullptr && EqualRgn(baseline, balanced) != 0
                  ? "equal"
                  : "DIFFERENT");

  const std::vector<MaskRectBatch> bandRuns = Runs(bandBits, kOneBlockRows);
  size_t bandCount = 0;
  for (const MaskRectBatch& batch : bandRuns) bandCount += batch.rects.size();
  HRGN bandBaseline = nullptr, oneBlock = nullptr;
  const double bandBaselineMs = MedianMs([&] { return RegionFromBatches(bandRuns); }, bandBaseline);
  double start = NowMs();
  oneBlock = OneBlockRegion(bandRuns);
  const double oneBlockMs = NowMs() - start;
  std::printf("same runs, first %d rows (%d runs):\n", kOneBlockRows, static_cast<int>(bandCount));
  std::printf("  2000-run blocks into one region     %10.2f ms (baseline, median of %d)\n",
              bandBaselineMs, kRepetitions);
  std::printf("  every run in one block              %10.2f ms (once), ratio %.1f, regions %s\n",
              oneBlockMs, bandBaselineMs > 0 ? oneBlockMs / bandBaselineMs : 0.0,
              oneBlock == nullptr                     ? "REFUSED"
              : EqualRgn(bandBaseline, oneBlock) != 0 ? "equal"
                                                      : "DIFFERENT");
  for (HRGN region : {baseline, balanced, bandBaseline, oneBlock}) {
    if (region != nullptr) DeleteObject(region);
  }
}

}  // namespace

int main() {
  void* fullBits = nullptr;
  HBITMAP full = MakeMask(kWidth, kHeight, 0, &fullBits);
  if (full == nullptr) {
    std::printf("region_from_mask_bench: could not make the mask\n");
    return 0;
  }
  std::printf("mask %d x %d, %ld runs\n", kWidth, kHeight, CountRuns(kHeight));

  void* oneBlockBits = nullptr;
  HBITMAP oneBlockBand = MakeMask(kWidth, kOneBlockRows, 0, &oneBlockBits);
  if (oneBlockBand != nullptr) CompareBuilders(fullBits, oneBlockBits);
  DeleteObject(oneBlockBand);

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
