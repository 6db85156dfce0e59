// The copy menu's texts for one colour, both ways: writing all fifteen formats, and
// reading each one back, against the plain reference of writing "#RRGGBB" in the
// same run. The colours change at every call so that no table or branch sees only
// one. Prints the usual benchmark table, then a summary of medians with the ratios.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "colour_format_list.h"
#include "colour_formats.h"
#include "colour_reader.h"

namespace {

using namespace tintwell;

// Spread over the cube, none of them grey.
constexpr size_t kColourCount = 1024;

ColorRef ColourAt(size_t i) {
    return static_cast<ColorRef>((i * 2654435761u) >> 8) & 0xFFFFFFu;
}

const std::vector<std::array<std::string, kAllColourFormatCount>> &Texts() {
    static const auto texts = [] {
        std::vector<std::array<std::string, kAllColourFormatCount>> all;
        for (size_t i = 0; i < kColourCount; ++i) all.push_back(AllColourFormatTexts(ColourAt(i)));
        return all;
    }();
    return texts;
}

void WriteHash(size_t i) {
    std::string text = HashHexText(ColourAt(i));
    benchmark::DoNotOptimize(text);
}

void WriteAll(size_t i) {
    auto texts = AllColourFormatTexts(ColourAt(i));
    benchmark::DoNotOptimize(texts);
}

void ReadAll(size_t i) {
    for (const std::string &text : Texts()[i]) {
        auto colour = ReadColourText(std::string_view(text));
        benchmark::DoNotOptimize(colour);
    }
}

template <size_t Format>
void WriteOne(size_t i) {
    std::string text = ColourFormatText(ColourAt(i), static_cast<ColourFormat>(Format));
    benchmark::DoNotOptimize(text);
}

template <size_t Format>
void ReadOne(size_t i) {
    auto colour = ReadColourText(std::string_view(Texts()[i][Format]));
    benchmark::DoNotOptimize(colour);
}

using Step = void (*)(size_t);

void Run(benchmark::State &state, Step step) {
    size_t i = 0;
    for (auto _ : state) step(i++ % kColourCount);
}

// Median time of one call in microseconds, measured outside the framework.
double MedianMicroseconds(Step step) {
    std::vector<double> samples;
    for (int run = 0; run < 31; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (size_t i = 0; i < kColourCount; ++i) step(i);
        const auto end = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::micro>(end - start).count() /
                          kColourCount);
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

struct Named {
    const char *name;
    Step write;
    Step read;
};

template <size_t... Formats>
std::array<Named, sizeof...(Formats)> PerFormat(std::index_sequence<Formats...>) {
    return {Named{ColourFormatTable()[Formats].key, WriteOne<Formats>, ReadOne<Formats>}...};
}

void PrintSummary() {
    const double hash = MedianMicroseconds(WriteHash);
    const double writeAll = MedianMicroseconds(WriteAll);
    const double readAll = MedianMicroseconds(ReadAll);
    std::printf("\nSummary (median of 31 runs over %zu colours, microseconds per colour)\n",
                kColourCount);
    std::printf("%-28s %10s %10s\n", "", "us", "x #RRGGBB");
    std::printf("%-28s %10.3f %10.1f\n", "write #RRGGBB (reference)", hash, 1.0);
    std::printf("%-28s %10.3f %10.1f\n", "write all fifteen", writeAll, writeAll / hash);
    std::printf("%-28s %10.3f %10.1f\n", "read all fifteen back", readAll, readAll / hash);
    std::printf("%-28s %10.3f %10.1f\n", "both", writeAll + readAll, (writeAll + readAll) / hash);
    std::printf("\n%-12s %10s %10s\n", "format", "write us", "read us");
    for (const Named &one : PerFormat(std::make_index_sequence<kAllColourFormatCount>())) {
        std::printf("%-12s %10.3f %10.3f\n", one.name, MedianMicroseconds(one.write),
                    MedianMicroseconds(one.read));
    }
}

}  // namespace

int main(int argc, char **argv) {
    Texts();
    benchmark::RegisterBenchmark("write/#RRGGBB (reference)", Run, WriteHash);
    benchmark::RegisterBenchmark("write/all fifteen", Run, WriteAll);
    benchmark::RegisterBenchmark("read/all fifteen", Run, ReadAll);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    return 0;
}
