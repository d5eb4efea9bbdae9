// The main() of every benchmark program.  Benchmarks are named
// "<label>/<case>": "kiv/..." measures the library, any other label a peer
// measured in the same run ("fftw/...", "eigen/...", "std/...").  After the
// usual table, one line per case and peer gives the ratio of the medians
// of the CPU times over the repetitions, kiv / peer (below 1: the library
// is faster); run with --benchmark_repetitions=N (N odd, 5 or more) for a
// median that a single slow repetition cannot move.  When both sides report
// an "itn" counter (iterations of a solver), a second ratio compares the
// medians of the time per iteration.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

double median(std::vector<double> v) {
  if (v.empty()) return 0.0;
  std::sort(v.begin(), v.end());
  const std::size_t h = v.size() / 2;
  return v.size() % 2 == 1 ? v[h] : 0.5 * (v[h - 1] + v[h]);
}

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      const bool iteration = r.run_type == Run::RT_Iteration;
      // With --benchmark_report_aggregates_only the repetitions themselves
      // never arrive: their median does.
      const bool median_row = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
      if (!iteration && !median_row) continue;
      const std::string name = r.run_name.str();
      const std::size_t slash = name.find('/');
      if (slash == std::string::npos) continue;
      const std::string label = name.substr(0, slash), key = name.substr(slash + 1);
      if (samples_[key].count(label) == 0) order_.push_back({key, label});
      Samples& s = samples_[key][label];
      const double t = r.GetAdjustedCPUTime();
      const auto itn = r.counters.find("itn");
      const double per = itn != r.counters.end() && itn->second > 0 ? t / itn->second : 0.0;
      if (iteration) {
        s.times.push_back(t);
        if (per > 0) s.per_itn.push_back(per);
      } else {
        s.median_time = t;
        s.median_per_itn = per;
        s.aggregated = static_cast<std::size_t>(r.repetitions);
      }
    }
  }

  void print_ratios() const {
    bool header = false;
    for (const auto& [key, label] : order_) {
      if (label == "kiv") continue;
      const auto& by_label = samples_.at(key);
      const auto kiv = by_label.find("kiv");
      if (kiv == by_label.end()) continue;
      const Samples& k = kiv->second;
      const Samples& p = by_label.at(label);
      if (p.time() <= 0 || k.time() <= 0) continue;
      if (!header) {
        std::printf("\n%-48s %5s %12s %12s\n", "case (kiv / peer), medians", "reps", "time",
                    "per itn");
        header = true;
      }
      std::printf("%-48s %5zu %12.3f", (key + " vs " + label).c_str(),
                  std::min(k.reps(), p.reps()), k.time() / p.time());
      if (k.per_itn_time() > 0 && p.per_itn_time() > 0)
        std::printf(" %12.3f", k.per_itn_time() / p.per_itn_time());
      std::printf("\n");
    }
  }

 private:
  struct Samples {
    std::vector<double> times, per_itn;
    double median_time = 0, median_per_itn = 0;
    std::size_t aggregated = 0;  // repetitions behind the median row
    std::size_t reps() const { return times.empty() ? aggregated : times.size(); }
    double time() const { return times.empty() ? median_time : median(times); }
    double per_itn_time() const { return per_itn.empty() ? median_per_itn : median(per_itn); }
  };
  std::map<std::string, std::map<std::string, Samples>> samples_;
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
