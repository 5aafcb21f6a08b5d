// Saving and loading a large settings record in memory, against a plain copy of the same
// number of bytes measured in the same run: the record's cost is reported as bytes per second
// next to memcpy's.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "settings/memory_file_store.h"
#include "settings/settings_record.h"

namespace {

using namespace scrv;

constexpr int kTexts = 10000;
constexpr int kBits = 100000;

std::u16string PathOf(std::u16string_view folder, std::u16string_view name) {
  std::u16string p = u"/bench/";
  p += folder;
  p += u"/";
  p += name;
  return p + u".bin";
}

// Texts of the length of menu captions and command lines, with some non-ASCII characters.
SettingsRecord LargeRecord(uint32_t number) {
  SettingsRecord r = *OpenRecord(number, PathOf);
  for (int i = 0; i < kTexts; ++i) {
    std::string digits = std::to_string(i);
    std::u16string text = u"Menu item caption \u00e9 number ";
    text.append(digits.begin(), digits.end());
    if (i % 4 == 0) text += u" C:\\Program Files\\Tools\\tool.exe /x";
    r.AddText(text);
  }
  for (int i = 0; i < kBits; ++i) r.AddBit(i % 3 == 0);
  return r;
}

size_t FileSize(uint32_t number) {
  SettingsRecord r = LargeRecord(number);
  return BuildRecordFile(r.Lists(), r.Magic(), r.TextEncoding())->size();
}

void BM_SaveRecord(benchmark::State& state) {
  const uint32_t number = static_cast<uint32_t>(state.range(0));
  SettingsRecord r = LargeRecord(number);
  MemoryFileStore files;
  for (auto _ : state) {
    bool ok = SaveRecord(r, files);
    benchmark::DoNotOptimize(ok);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FileSize(number)));
}

void BM_LoadRecord(benchmark::State& state) {
  const uint32_t number = static_cast<uint32_t>(state.range(0));
  SettingsRecord saved = LargeRecord(number);
  MemoryFileStore files;
  SaveRecord(saved, files);
  for (auto _ : state) {
    // A fresh record each time, so the file is read rather than found unchanged.
    SettingsRecord r = *OpenRecord(number, PathOf);
    ReadResult result = LoadRecord(r, files);
    if (result != ReadResult::kRead) state.SkipWithError("record not read");
    benchmark::DoNotOptimize(r);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FileSize(number)));
}

// The platform baseline: copying the file's bytes once.
void BM_Memcpy(benchmark::State& state) {
  const size_t size = FileSize(static_cast<uint32_t>(state.range(0)));
  std::vector<uint8_t> from(size, 0x5A), to(size);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), size);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

// Argument: the record number; Macros keeps UTF-16 texts, cmn UTF-8 texts.
BENCHMARK(BM_Memcpy)->Arg(record::kMacros)->Arg(record::kCmn);
BENCHMARK(BM_SaveRecord)->Arg(record::kMacros)->Arg(record::kCmn);
BENCHMARK(BM_LoadRecord)->Arg(record::kMacros)->Arg(record::kCmn);

}  // namespace

BENCHMARK_MAIN();
