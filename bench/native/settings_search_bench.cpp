// One keystroke in the Customize sheet's search box, without the windows: the query parsed, the
// page list decided over the whole index (with "@modified" asking every page whether it holds a
// change), and the marks of the page shown (its matches and its modified controls) with the
// walk through all matches. Each query is measured against an empty query in the same run.

#include <benchmark/benchmark.h>

#include "customize/customize_search.h"
#include "customize/customize_undo.h"
#include "customize_test_support.h"
#include "resource_file.h"

namespace scrv {
namespace {

using testing_res::ResourceFile;

class ModuleResources : public TemplateSource, public StringSource {
 public:
  std::span<const uint8_t> Template(uint32_t id) const override {
    const std::vector<uint8_t>* data = ResourceFile::Localisation().Dialog(id);
    return data ? std::span<const uint8_t>(*data) : std::span<const uint8_t>();
  }
  std::u16string Load(uint32_t id) const override {
    return ResourceFile::Localisation().String(id);
  }
};

struct Fixture {
  Fixture() : session(env), defaults(session) {
    const ModuleResources res;
    index = BuildCustomizeIndex(res, res);
    store.WriteDword(OpenCommon(store), u"TabWidth", 200);
    session.Load(store, OpenCommon(store));
  }
  FakeCustomizeEnvironment env;
  MemorySettings store;
  CustomizeSession session;
  CustomizeDefaults defaults;
  SearchIndex index;
  SimpleTextFolder folder;
};

Fixture& Shared() {
  static Fixture f;
  return f;
}

void Keystroke(benchmark::State& state, const char16_t* typed) {
  Fixture& f = Shared();
  if (f.index.Size() == 0) {
    state.SkipWithError("no compiled localisation module");
    return;
  }
  const size_t shown = 9;  // the Tab page
  for (auto _ : state) {
    const SearchQuery q = ParseSearchQuery(typed);
    const OptionQuery words(q.words, f.folder);
    auto rows = f.index.List(q, f.folder, [&](size_t p) { return f.defaults.PageModified(p); });
    PageHits hits = f.index.Hits(shown, words);
    PageHits marks = f.defaults.Marks(shown);
    auto walk = f.index.Walk(rows, [&](size_t p) { return f.index.Hits(p, words); });
    benchmark::DoNotOptimize(rows);
    benchmark::DoNotOptimize(hits);
    benchmark::DoNotOptimize(marks);
    benchmark::DoNotOptimize(walk);
  }
}

BENCHMARK_CAPTURE(Keystroke, empty, u"")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, one_letter, u"e")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, word, u"tab")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, two_words, u"show encoding")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, modified, u"@modified")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, modified_word, u"@modified tab")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scrv

BENCHMARK_MAIN();
