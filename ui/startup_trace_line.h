#pragma once
// The start-up trace's lines, "<milliseconds since process creation>\t<stage>", written by the
// program and read back by the start-up benchmark.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct StartupStage {
  double milliseconds = 0;
  std::string name;
};

// Milliseconds since process creation from the creation-to-anchor gap (100 ns units, a wall clock)
// and the high-resolution counter's ticks since that anchor.
[[nodiscard]] double StartupMilliseconds(int64_t anchorSinceCreation100ns, int64_t ticksSinceAnchor,
                                         int64_t ticksPerSecond);

[[nodiscard]] std::string FormatStartupTraceLine(double milliseconds, std::string_view stage);

// The stages of one trace in the order written; a stage written twice counts once (its first
// time), and lines that are no trace lines are skipped.
[[nodiscard]] std::vector<StartupStage> ParseStartupTrace(std::string_view text);
