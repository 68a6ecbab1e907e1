#pragma once
// Order statistics of a benchmark's samples, printed as one line.

#include <algorithm>
#include <cstdio>
#include <vector>

struct SampleSummary {
  double median = 0;
  double p99 = 0;
  double max = 0;
  size_t count = 0;
};

inline double Quantile(std::vector<double> samples, double q) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const size_t index = static_cast<size_t>(q * static_cast<double>(samples.size() - 1) + 0.5);
  return samples[std::min(index, samples.size() - 1)];
}

inline SampleSummary Summarise(const std::vector<double>& samples) {
  SampleSummary s;
  s.count = samples.size();
  if (samples.empty()) return s;
  s.median = Quantile(samples, 0.5);
  s.p99 = Quantile(samples, 0.99);
  s.max = *std::max_element(samples.begin(), samples.end());
  return s;
}

inline void PrintSummary(const char* label, const SampleSummary& s, const char* unit) {
  std::printf("%-34s n=%-5zu median %8.3f %s   p99 %8.3f %s   max %8.3f %s\n", label, s.count,
              s.median, unit, s.p99, unit, s.max, unit);
}
