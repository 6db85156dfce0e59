// Figures of a run of timed steps: median, 99th percentile and steps per second.
#ifndef TINTWELL_BENCH_DRAG_STEP_STATS_H
#define TINTWELL_BENCH_DRAG_STEP_STATS_H

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace drag_bench {

class StepTimer {
  public:
    StepTimer() { QueryPerformanceFrequency(&frequency_); }
    void Start() { QueryPerformanceCounter(&start_); }
    void Stop() {
        LARGE_INTEGER end;
        QueryPerformanceCounter(&end);
        samplesUs_.push_back(1e6 * static_cast<double>(end.QuadPart - start_.QuadPart) /
                             static_cast<double>(frequency_.QuadPart));
    }
    double Percentile(double fraction) const {
        std::vector<double> sorted = samplesUs_;
        std::sort(sorted.begin(), sorted.end());
        return sorted[static_cast<size_t>(fraction * static_cast<double>(sorted.size() - 1))];
    }
    double Median() const { return Percentile(0.5); }
    bool empty() const { return samplesUs_.empty(); }
    double StepsPerSecond() const {
        double total = 0;
        for (double us : samplesUs_) total += us;
        return 1e6 * static_cast<double>(samplesUs_.size()) / total;
    }
    void Print(const char *name, double referenceMedian) const {
        std::printf("%-52s %9.1f %9.1f %9.0f", name, Median(), Percentile(0.99), StepsPerSecond());
        if (referenceMedian > 0) std::printf("   %5.2fx", Median() / referenceMedian);
        std::printf("\n");
    }

  private:
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER start_{};
    std::vector<double> samplesUs_;
};

}  // namespace drag_bench

#endif  // TINTWELL_BENCH_DRAG_STEP_STATS_H
