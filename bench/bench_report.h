#pragma once
// One line of the benchmark table per figure, for scripts/bench.sh to collect and align:
//   FIGURE<TAB>what<TAB>target<TAB>measured<TAB>pass|miss|info
// A measured value is the median of its runs, followed by their range.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

class Runs {
 public:
  void Add(double value) { values_.push_back(value); }
  double Median() const {
    std::vector<double> sorted = values_;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
  }
  double Min() const { return *std::min_element(values_.begin(), values_.end()); }
  double Max() const { return *std::max_element(values_.begin(), values_.end()); }
  const std::vector<double>& Values() const { return values_; }

 private:
  std::vector<double> values_;
};

inline std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof(text), format, value);
  return text;
}

// "12.3 ms [11.9-13.0]" for format "%.1f" and unit "ms".
inline std::string WithRange(const Runs& runs, const char* format, const std::string& unit) {
  return Format(format, runs.Median()) + unit + " [" + Format(format, runs.Min()) + "-" +
         Format(format, runs.Max()) + "]";
}

// Prints the figure; returns whether it met its target (an informative one always does).
inline bool Report(const std::string& what, const std::string& target, const std::string& measured,
                   bool met, bool informative = false) {
  std::printf("FIGURE\t%s\t%s\t%s\t%s\n", what.c_str(), target.c_str(), measured.c_str(),
              informative ? "info"
              : met       ? "pass"
                          : "miss");
  std::fflush(stdout);
  return met || informative;
}

}  // namespace bench
