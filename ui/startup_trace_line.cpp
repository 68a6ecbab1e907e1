#include "ui/startup_trace_line.h"

#include <cstdio>
#include <cstdlib>

double StartupMilliseconds(int64_t anchorSinceCreation100ns, int64_t ticksSinceAnchor,
                           int64_t ticksPerSecond) {
  const double anchor = static_cast<double>(anchorSinceCreation100ns) / 10000.0;
  if (ticksPerSecond <= 0) return anchor;
  return anchor +
         static_cast<double>(ticksSinceAnchor) * 1000.0 / static_cast<double>(ticksPerSecond);
}

std::string FormatStartupTraceLine(double milliseconds, std::string_view stage) {
  char number[32];
  std::snprintf(number, sizeof number, "%.3f", milliseconds);
  std::string line(number);
  line += '\t';
  line += stage;
  line += '\n';
  return line;
}

std::vector<StartupStage> ParseStartupTrace(std::string_view text) {
  std::vector<StartupStage> stages;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t tab = line.find('\t');
    if (tab == 0 || tab == std::string_view::npos || tab + 1 == line.size()) continue;
    const std::string number(line.substr(0, tab));
    char* parsed = nullptr;
    const double milliseconds = std::strtod(number.c_str(), &parsed);
    if (parsed != number.c_str() + number.size()) continue;
    std::string name(line.substr(tab + 1));
    bool seen = false;
    for (const StartupStage& stage : stages) seen = seen || stage.name == name;
    if (!seen) stages.push_back({milliseconds, std::move(name)});
  }
  return stages;
}
