#pragma once
// Timing for the Windows-side benchmark programs: each step run a number of
// rounds, reported as its fastest and median round in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

inline double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Step>
void Report(const char* what, int rounds, Step step) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const double start = NowMs();
    step();
    times.push_back(NowMs() - start);
  }
  std::sort(times.begin(), times.end());
  std::printf("%-28s fastest %8.2f ms, median %8.2f ms\n", what, times.front(), times[times.size() / 2]);
}
