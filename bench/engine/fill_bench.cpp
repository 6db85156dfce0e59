// Table fills: the engine's fast fills against the plain per-pixel reference, in the
// same run, with memset of the whole buffer as the floor. Prints a ratio summary
// after the usual benchmark table.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "reference_tables.h"
#include "table_fill.h"
#include "table_rules.h"

namespace {

using FillFn = void (*)(uint8_t *, uint32_t, int, int);

struct Case {
    const char *name;
    uint32_t colour;
    int mode;
    int webSafe;
};

// A hue base with all three corner channels different from one another.
const Case kCases[] = {
    {"field hue", 0x00326496u, 0, 0},
    {"field hue web-safe", 0x00326496u, 0, 1},
    {"field hue two-smallest", 0x00C86464u, 0, 0},
    {"field green mode", 0x00326496u, 4, 0},
    {"field green web-safe", 0x00326496u, 4, 1},
    {"strip hue", 0x00326496u, 0, 0},
    {"strip red mode web-safe", 0x00326496u, 3, 1},
};

bool IsStrip(const Case &c) {
    return std::strncmp(c.name, "strip", 5) == 0;
}

void FastFill(uint8_t *b, uint32_t colour, int mode, int webSafe) {
    dyeplate::FillFieldTable(b, colour, mode, webSafe);
}
void FastStrip(uint8_t *b, uint32_t colour, int mode, int webSafe) {
    dyeplate::FillStripTable(b, colour, mode, webSafe);
}

std::vector<uint8_t> &Buffer() {
    static std::vector<uint8_t> buffer(dyeplate::kTableBytes);
    return buffer;
}

void RunFill(benchmark::State &state, FillFn fill, const Case &c) {
    uint8_t *b = Buffer().data();
    for (auto _ : state) {
        fill(b, c.colour, c.mode, c.webSafe);
        benchmark::DoNotOptimize(b);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * dyeplate::kTableBytes);
}

void BM_Memset(benchmark::State &state) {
    uint8_t *b = Buffer().data();
    int value = 0;
    for (auto _ : state) {
        std::memset(b, ++value, dyeplate::kTableBytes);
        benchmark::DoNotOptimize(b);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * dyeplate::kTableBytes);
}

// Median time of one call, measured outside the framework for the ratio summary.
double MedianMicroseconds(FillFn fill, const Case &c) {
    uint8_t *b = Buffer().data();
    std::vector<double> samples;
    for (int run = 0; run < 31; ++run) {
        const int calls = 20;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < calls; ++i) {
            fill(b, c.colour, c.mode, c.webSafe);
            benchmark::DoNotOptimize(b);
            benchmark::ClobberMemory();
        }
        const auto end = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::micro>(end - start).count() / calls);
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

void MemsetFill(uint8_t *b, uint32_t colour, int, int) {
    std::memset(b, static_cast<int>(colour & 0xFF), dyeplate::kTableBytes);
}

void PrintSummary() {
    const Case floorCase{"memset", 0x11u, 0, 0};
    const double floor = MedianMicroseconds(MemsetFill, floorCase);
    std::printf("\nSummary (median of 31 x 20 calls, microseconds per fill)\n");
    std::printf("%-26s %10s %10s %8s %10s\n", "case", "reference", "fast", "ratio", "x memset");
    for (const Case &c : kCases) {
        const bool strip = IsStrip(c);
        const double ref =
            MedianMicroseconds(strip ? reference::FillStrip : reference::FillField, c);
        const double fast = MedianMicroseconds(strip ? FastStrip : FastFill, c);
        std::printf("%-26s %10.1f %10.1f %7.1fx %9.1fx\n", c.name, ref, fast, ref / fast,
                    fast / floor);
    }
    std::printf("%-26s %10s %10.1f\n", "memset 196,608 bytes", "", floor);
}

}  // namespace

int main(int argc, char **argv) {
    for (const Case &c : kCases) {
        const bool strip = IsStrip(c);
        benchmark::RegisterBenchmark((std::string("fast/") + c.name).c_str(), RunFill,
                                     strip ? FastStrip : FastFill, c);
        benchmark::RegisterBenchmark((std::string("reference/") + c.name).c_str(), RunFill,
                                     strip ? reference::FillStrip : reference::FillField, c);
    }
    benchmark::RegisterBenchmark("memset/floor", BM_Memset);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    return 0;
}
