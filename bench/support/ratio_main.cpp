// The main() of every benchmark program.  Benchmarks are named
// "<label>/<case>": "kiv/..." measures the library, any other label a peer
// measured in the same run ("fftw/...", "eigen/...", "std/...").  After the
// usual table, one line per case and peer gives the ratio of CPU times
// kiv / peer (below 1: the library is faster).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration || r.error_occurred) continue;
      const std::string name = r.benchmark_name();
      const std::size_t slash = name.find('/');
      if (slash == std::string::npos) continue;
      const std::string label = name.substr(0, slash), key = name.substr(slash + 1);
      if (times_[key].count(label) == 0) order_.push_back({key, label});
      times_[key][label] = r.GetAdjustedCPUTime();
    }
  }

  void print_ratios() const {
    bool header = false;
    for (const auto& [key, label] : order_) {
      if (label == "kiv") continue;
      const auto& t = times_.at(key);
      const auto kiv = t.find("kiv");
      if (kiv == t.end() || t.at(label) <= 0) continue;
      if (!header) std::printf("\n%-48s %12s\n", "case (kiv / peer)", "ratio");
      header = true;
      std::printf("%-48s %12.3f\n", (key + " vs " + label).c_str(), kiv->second / t.at(label));
    }
  }

 private:
  std::map<std::string, std::map<std::string, double>> times_;
  std::vector<std::pair<std::string, std::string>> order_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.print_ratios();
  benchmark::Shutdown();
  return 0;
}
