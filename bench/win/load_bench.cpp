// What loading the library costs against loading a DLL that does nothing: each pair loads and
// frees scrvdlgs.dll (its entry point chooses the settings back end and loads both resource
// modules) and trivial_dll.dll, in alternating order; the figures are medians over the pairs.
// The system DLLs the library imports are loaded first and stay loaded, as they are in the
// editor, so that what is measured is the library's own mapping and start-up.
//
//   scripts/wine-run build/win64/bin/load_bench.exe [pairs]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_clock.h"

namespace {

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Seconds to load and free `path`, or a negative value when it cannot be loaded.
double LoadAndFree(const std::wstring& path) {
  double t0 = Now();
  HMODULE m = LoadLibraryW(path.c_str());
  if (!m) return -1;
  FreeLibrary(m);
  return Now() - t0;
}

// Loads every DLL that `path` imports, and keeps them loaded.
void PreloadImports(const std::wstring& path) {
  HMODULE image = LoadLibraryExW(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  if (!image) return;
  auto* base = reinterpret_cast<const BYTE*>(image);
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (dir.VirtualAddress)
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         d->Name; ++d)
      LoadLibraryA(reinterpret_cast<const char*>(base + d->Name));
  FreeLibrary(image);
}

}  // namespace

int main(int argc, char** argv) {
  int pairs = argc > 1 ? std::atoi(argv[1]) : 100;
  if (pairs < 1) pairs = 100;
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring bin = path;
  bin.resize(bin.rfind(L'\\') + 1);
  const std::wstring lib = bin + L"scrvdlgs.dll", trivial = bin + L"trivial_dll.dll";
  PreloadImports(lib);
  WIN32_FILE_ATTRIBUTE_DATA info = {};
  GetFileAttributesExW(lib.c_str(), GetFileExInfoStandard, &info);

  std::vector<double> ours, base, ratio;
  for (int i = -3; i < pairs; ++i) {  // three warm-up pairs
    double a = i % 2 ? LoadAndFree(lib) : LoadAndFree(trivial);
    double b = i % 2 ? LoadAndFree(trivial) : LoadAndFree(lib);
    double o = i % 2 ? a : b, t = i % 2 ? b : a;
    if (o < 0 || t < 0) {
      std::fprintf(stderr, "cannot load scrvdlgs.dll or trivial_dll.dll from the bin folder\n");
      return 1;
    }
    if (i < 0) continue;
    ours.push_back(o);
    base.push_back(t);
    ratio.push_back(o / t);
  }
  std::printf(
      "scrvdlgs.dll %lu bytes: load+free median %.3f ms, trivial DLL %.3f ms, "
      "median ratio %.2f (%d pairs)\n",
      info.nFileSizeLow, Median(ours) * 1000, Median(base) * 1000, Median(ratio), pairs);
  return 0;
}
