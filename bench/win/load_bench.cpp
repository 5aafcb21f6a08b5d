// What loading the library costs against loading a DLL that does nothing: each pair loads and
// frees scrvdlgs.dll (its entry point chooses the settings back end and loads both resource
// modules) and trivial_dll.dll, in alternating order; the figures are medians over the pairs,
// with the interquartile range of the per-pair ratio.
//
// Every system DLL the library imports (and what those import) is loaded first and stays
// loaded, as it is in the editor, so that what is measured is the library's own mapping and
// start-up; the imports loaded are listed. --cold leaves them out: the first load then pays for
// them and the later ones do not, which is why the default preloads.
//
// Two more figures split the library's time: mapping the image alone (no imports bound, no
// entry point: LoadLibraryExW with DONT_RESOLVE_DLL_REFERENCES) and loading the two resource
// modules as the entry point does (as data files).
//
//   scripts/wine-run build/win64/bin/load_bench.exe [pairs] [--cold]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_clock.h"

namespace {

// Seconds to load `path` with `flags` and free it, or a negative value when it cannot be loaded.
double LoadAndFree(const std::wstring& path, DWORD flags = 0) {
  double t0 = Now();
  HMODULE m = flags ? LoadLibraryExW(path.c_str(), nullptr, flags) : LoadLibraryW(path.c_str());
  if (!m) return -1;
  FreeLibrary(m);
  return Now() - t0;
}

// Loads every DLL that `path` imports, and keeps them loaded; returns their names.
std::vector<std::string> PreloadImports(const std::wstring& path) {
  std::vector<std::string> names;
  HMODULE image = LoadLibraryExW(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  if (!image) return names;
  auto* base = reinterpret_cast<const BYTE*>(image);
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (dir.VirtualAddress)
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         d->Name; ++d) {
      const char* name = reinterpret_cast<const char*>(base + d->Name);
      if (LoadLibraryA(name)) names.emplace_back(name);
    }
  FreeLibrary(image);
  return names;
}

// The resource modules as the library's entry point loads them.
double LoadResourceModules(const std::wstring& bin) {
  constexpr DWORD kDataFile = LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE;
  double loc = LoadAndFree(bin + L"mui\\1033\\scrvloc.dll", kDataFile);
  double res = LoadAndFree(bin + L"scrvres.dll", kDataFile);
  return loc < 0 || res < 0 ? -1 : loc + res;
}

}  // namespace

int main(int argc, char** argv) {
  int pairs = 100;
  bool cold = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--cold") == 0)
      cold = true;
    else if (std::atoi(argv[i]) > 0)
      pairs = std::atoi(argv[i]);
  }
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring bin = path;
  bin.resize(bin.rfind(L'\\') + 1);
  const std::wstring lib = bin + L"scrvdlgs.dll", trivial = bin + L"trivial_dll.dll";
  if (!cold) {
    std::vector<std::string> names = PreloadImports(lib);
    std::printf("preloaded %zu imports:", names.size());
    for (const std::string& n : names) std::printf(" %s", n.c_str());
    std::printf("\n");
  }
  WIN32_FILE_ATTRIBUTE_DATA info = {};
  GetFileAttributesExW(lib.c_str(), GetFileExInfoStandard, &info);

  std::vector<double> ours, base, ratio, mapped, resources;
  for (int i = -3; i < pairs; ++i) {  // three warm-up pairs
    double a = i % 2 ? LoadAndFree(lib) : LoadAndFree(trivial);
    double b = i % 2 ? LoadAndFree(trivial) : LoadAndFree(lib);
    double o = i % 2 ? a : b, t = i % 2 ? b : a;
    double m = LoadAndFree(lib, DONT_RESOLVE_DLL_REFERENCES);
    double r = LoadResourceModules(bin);
    if (o < 0 || t < 0 || m < 0 || r < 0) {
      std::fprintf(stderr, "cannot load scrvdlgs.dll, trivial_dll.dll or a resource module\n");
      return 1;
    }
    if (i < 0) continue;
    ours.push_back(o);
    base.push_back(t);
    ratio.push_back(o / t);
    mapped.push_back(m);
    resources.push_back(r);
  }
  std::printf(
      "scrvdlgs.dll %lu bytes: load+free median %.3f ms, trivial DLL %.3f ms, "
      "median ratio %.2f (IQR %.2f-%.2f, %d pairs%s)\n"
      "  of which: mapping the image alone %.3f ms, the two resource modules %.3f ms\n",
      info.nFileSizeLow, Median(ours) * 1000, Median(base) * 1000, Median(ratio),
      Quantile(ratio, 0.25), Quantile(ratio, 0.75), pairs, cold ? ", imports not preloaded" : "",
      Median(mapped) * 1000, Median(resources) * 1000);
  return 0;
}
