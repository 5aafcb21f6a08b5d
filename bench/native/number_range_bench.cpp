// Parsing speed of number-range expressions of mixed forms, against two baselines over the same
// texts in the same run: the C library's strtod over as many characters, and a plain copy of
// the texts. The ratios are printed after the table.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "tools/number_range.h"

namespace {

const std::vector<std::u16string>& Expressions() {
  static const std::vector<std::u16string> texts = {
      u"[1 , 10]",
      u"(-2.5 , 7.25)",
      u"[1 , )",
      u"( , 1000000.125]",
      u"[ +42 , +9223372036854775807 ]",
      u"[192.168.0.0 , 192.168.0.255]",
      u"(10.0.0.0 , 10.0.1.0)",
      u"172.16.0.0/12",
      u"[2001:db8:: , 2001:db8::ffff:ffff:ffff:ffff]",
      u"fe80::1234:5678/64",
      u"[::ffff:10.0.0.1 , ::ffff:10.0.0.200)",
      u"[0.000001 , 0.5]",
  };
  return texts;
}

size_t TotalChars() {
  size_t n = 0;
  for (const auto& t : Expressions()) n += t.size();
  return n;
}

void BM_ParseNumberRange(benchmark::State& state) {
  const auto& texts = Expressions();
  scrv::NumberRange range;
  for (auto _ : state) {
    for (const auto& t : texts) {
      benchmark::DoNotOptimize(scrv::ParseNumberRange(t, u'.', &range));
    }
  }
  state.SetItemsProcessed(state.iterations() * texts.size());
}
BENCHMARK(BM_ParseNumberRange);

// Decimal numbers of the same lengths as the expressions, read with strtod.
void BM_BaselineStrtod(benchmark::State& state) {
  std::vector<std::string> numbers;
  for (const auto& t : Expressions()) {
    std::string s = "1";
    for (size_t k = 1; k < t.size(); ++k) s += (k == t.size() / 2) ? '.' : char('0' + k % 10);
    numbers.push_back(s);
  }
  for (auto _ : state) {
    for (const auto& s : numbers) {
      char* end;
      benchmark::DoNotOptimize(std::strtod(s.c_str(), &end));
    }
  }
  state.SetItemsProcessed(state.iterations() * numbers.size());
}
BENCHMARK(BM_BaselineStrtod);

void BM_BaselineCopy(benchmark::State& state) {
  const auto& texts = Expressions();
  std::u16string buffer;
  buffer.reserve(256);
  for (auto _ : state) {
    for (const auto& t : texts) {
      buffer.assign(t);
      benchmark::DoNotOptimize(buffer.data());
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * texts.size());
}
BENCHMARK(BM_BaselineCopy);

// The console table, then each benchmark's time relative to the parser's.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.iterations > 0) nsPerPass_[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    auto parse = nsPerPass_.find("BM_ParseNumberRange");
    if (parse == nsPerPass_.end()) return;
    std::printf("%zu expressions, %zu characters per pass\n", Expressions().size(), TotalChars());
    std::printf("parse: %.1f ns per expression, %.2f M expressions/s\n",
                parse->second / Expressions().size(), Expressions().size() * 1e3 / parse->second);
    for (const char* base : {"BM_BaselineStrtod", "BM_BaselineCopy"}) {
      auto b = nsPerPass_.find(base);
      if (b != nsPerPass_.end()) {
        std::printf("parse time / %s time: %.2f\n", base, parse->second / b->second);
      }
    }
  }

 private:
  std::map<std::string, double> nsPerPass_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
