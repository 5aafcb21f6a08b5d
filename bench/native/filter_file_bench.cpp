// Saving and loading a 10,000-line condition file in memory, against copying the same bytes.
// Each benchmark reports "x_memcpy": its time per iteration over the time of one memcpy of the
// file's bytes, measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "tools/filter_file.h"

namespace scrv {
namespace {

constexpr size_t kLines = 10000;

std::vector<FilterCondition> SampleConditions() {
  std::vector<FilterCondition> list(kLines);
  for (size_t i = 0; i < kLines; ++i) {
    FilterCondition& c = list[i];
    c.flags = filter_flag::kEnabled | (i % 3 ? filter_flag::kCase : filter_flag::kRegExp) |
              (i % 7 ? 0 : filter_flag::kMatchNL | filter_flag::kCrLf);
    c.column = static_cast<int32_t>(i % 12) - 2;
    c.rangeStart = static_cast<int32_t>(i % 40);
    c.rangeEnd = i % 5 ? -1 : static_cast<int32_t>(i);
    c.text = u"condition text number ";
    for (char ch : std::to_string(i * 7919)) c.text += static_cast<char16_t>(ch);
  }
  return list;
}

const std::vector<uint8_t>& SampleFile() {
  static const std::vector<uint8_t> bytes =
      EncodeFilterFileText(FormatFilterLines(SampleConditions(), FilterFileFormat::kFull));
  return bytes;
}

// Nanoseconds for one memcpy of the sample file, the best of many runs.
double MemcpyNanos() {
  static const double nanos = [] {
    const std::vector<uint8_t>& src = SampleFile();
    std::vector<uint8_t> dst(src.size());
    double best = 1e18;
    for (int run = 0; run < 200; ++run) {
      auto t0 = std::chrono::steady_clock::now();
      std::memcpy(dst.data(), src.data(), src.size());
      benchmark::DoNotOptimize(dst.data());
      benchmark::ClobberMemory();
      auto t1 = std::chrono::steady_clock::now();
      best = std::min(best, std::chrono::duration<double, std::nano>(t1 - t0).count());
    }
    return best;
  }();
  return nanos;
}

// Runs `body` per iteration and reports its time against the memcpy baseline.
template <typename Body>
void Measure(benchmark::State& state, Body body) {
  const double baseline = MemcpyNanos();
  auto t0 = std::chrono::steady_clock::now();
  for (auto _ : state) body();
  auto t1 = std::chrono::steady_clock::now();
  const double perIteration =
      std::chrono::duration<double, std::nano>(t1 - t0).count() / state.iterations();
  state.counters["x_memcpy"] = perIteration / baseline;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * SampleFile().size()));
}

void BM_Memcpy(benchmark::State& state) {
  const std::vector<uint8_t>& src = SampleFile();
  std::vector<uint8_t> dst(src.size());
  Measure(state, [&] {
    std::memcpy(dst.data(), src.data(), src.size());
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  });
}

void BM_SaveFull(benchmark::State& state) {
  const std::vector<FilterCondition> list = SampleConditions();
  Measure(state, [&] {
    std::vector<uint8_t> bytes =
        EncodeFilterFileText(FormatFilterSave(list, FilterSaveType::kFull));
    benchmark::DoNotOptimize(bytes.data());
  });
}

void BM_LoadFull(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = SampleFile();
  Measure(state, [&] {
    std::vector<FilterCondition> list = ParseFilterLines(DecodeFilterFile(bytes, DecodeLatin1), 0);
    benchmark::DoNotOptimize(list.data());
  });
}

BENCHMARK(BM_Memcpy);
BENCHMARK(BM_SaveFull);
BENCHMARK(BM_LoadFull);

}  // namespace
}  // namespace scrv

BENCHMARK_MAIN();
