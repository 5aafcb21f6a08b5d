// One keystroke in the Customize sheet's search under Wine, without the windows: the query
// parsed, the page list decided over the full index (built once from the localisation module's
// templates and strings, with the platform's case folding), the places and the changed
// settings of the page shown. Each query is timed against an empty query in the same run, and
// the index's one-time build is reported too. Run by hand under Wine:
//   scripts/wine-run build/win64/bin/search_keystroke_bench.exe [rounds]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "customize/customize_environment_win.h"
#include "customize/customize_search.h"
#include "customize/customize_undo.h"
#include "frame/dllmain_win.h"
#include "frame/sheet_search.h"
#include "frame/text_folder_win.h"
#include "settings/memory_settings.h"

namespace {

class ModuleResources : public scrv::TemplateSource, public scrv::StringSource {
 public:
  explicit ModuleResources(HMODULE module) : module_(module) {}
  std::span<const uint8_t> Template(uint32_t id) const override {
    HRSRC res = FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
    HGLOBAL data = res ? LoadResource(module_, res) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) return {};
    return {static_cast<const uint8_t*>(bytes), SizeofResource(module_, res)};
  }
  std::u16string Load(uint32_t id) const override {
    wchar_t text[1024] = {};
    const int n = LoadStringW(module_, id, text, 1024);
    return std::u16string(reinterpret_cast<const char16_t*>(text), n > 0 ? size_t(n) : 0);
  }

 private:
  HMODULE module_;
};

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 200;
  scrv::ModuleAttach(GetModuleHandleW(nullptr));
  HMODULE loc = LoadBenchLocalisation();
  if (!loc) return 1;
  const ModuleResources res(loc);
  double t0 = Now();
  const scrv::SearchIndex index = scrv::BuildCustomizeIndex(res, res);
  const double build = Now() - t0;

  scrv::WinCustomizeEnvironment env(scrv::RenderingDefaults{}, false);
  scrv::MemorySettings store;
  const scrv::SettingsHandle common = store.OpenAppKey(u"Common", scrv::kCommonWriteFlags);
  store.WriteDword(common, u"TabWidth", 200);
  store.WriteString(common, u"FileFilter", u"*.csv");
  scrv::CustomizeSession session(env);
  session.Load(store, common);
  scrv::CustomizeDefaults defaults(session);
  const scrv::WinTextFolder folder;
  scrv::SheetSearch search(
      index, folder, [&](size_t p) { return defaults.PageModified(p); },
      [&](size_t p) { return defaults.Marks(p); });

  const size_t shown = 9;  // the Tab page
  auto keystroke = [&](const char16_t* typed) {
    search.Update(typed);
    scrv::PageHits places = search.Places(shown);
    scrv::PageHits marks = defaults.Marks(shown);
    return places.controls.size() + marks.controls.size() + search.Rows().size();
  };
  const char16_t* queries[] = {u"e", u"tab", u"show encoding", u"@modified", u"@modified tab",
                               u"zzzz"};
  std::printf("index of %zu pages built once in %.3f ms\n", index.Size(), build * 1000);
  std::printf("%-16s %12s %12s %8s\n", "query", "median us", "empty us", "ratio");
  size_t sink = 0;
  double worst = 0;
  for (const char16_t* q : queries) {
    std::vector<double> ours, empty;
    for (int i = 0; i < rounds; ++i) {
      double a = Now();
      sink += keystroke(q);
      double b = Now();
      sink += keystroke(u"");
      double c = Now();
      ours.push_back(b - a);
      empty.push_back(c - b);
      worst = std::max(worst, b - a);
    }
    const std::u16string name(q);
    std::printf("%-16s %12.1f %12.1f %8.1f\n", std::string(name.begin(), name.end()).c_str(),
                Median(ours) * 1e6, Median(empty) * 1e6, Median(ours) / Median(empty));
  }
  std::printf("slowest keystroke %.3f ms (budget 16 ms); %zu\n", worst * 1000, sink % 2);
  return 0;
}
