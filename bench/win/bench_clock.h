#pragma once
// The benchmarks' clock (seconds from the performance counter), the statistics they give of
// their runs, and the localisation module they read templates and strings from.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

inline double Now() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

// The value below which fraction `q` of the values lie (linear interpolation between the two
// nearest); `v` must not be empty.
inline double Quantile(std::vector<double> v, double q) {
  std::sort(v.begin(), v.end());
  const double pos = q * static_cast<double>(v.size() - 1);
  const auto i = static_cast<size_t>(pos);
  const double f = pos - static_cast<double>(i);
  return i + 1 < v.size() ? v[i] * (1 - f) + v[i + 1] * f : v[i];
}

inline double Median(const std::vector<double>& v) { return Quantile(v, 0.5); }

// The English localisation module of the program folder the benchmark runs from
// (mui\1033\scrvloc.dll), loaded for its resources only; null, said on standard error, when it
// cannot be loaded.
inline HMODULE LoadBenchLocalisation() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring file = path;
  file.resize(file.rfind(L'\\') + 1);
  file += L"mui\\1033\\scrvloc.dll";
  HMODULE loc = LoadLibraryExW(file.c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!loc) std::fprintf(stderr, "cannot load mui\\1033\\scrvloc.dll\n");
  return loc;
}
