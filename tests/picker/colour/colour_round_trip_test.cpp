// Every one of the 16,777,216 colours, written in every format that keeps it and read
// back; and every text of whole numbers the hsl(), hsv(), hwb() and cmyk() formats
// can write, read back as the colour its numbers describe, worked out here in exact
// fractions of whole numbers rather than the reader's doubles. The work is shared
// out among the processor's cores: it runs under the sanitizers too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "colour_bytes.h"
#include "colour_format_list.h"
#include "colour_reader.h"

namespace tintwell::testing {
namespace {

constexpr uint32_t kEveryColour = 1u << 24;

// numerator / denominator, a half upwards, both non-negative.
int32_t HalfUp(int64_t numerator, int64_t denominator) {
    return static_cast<int32_t>((2 * numerator + denominator) / (2 * denominator));
}

// A channel value as a fraction over `denominator`, to 0 to 255.
int32_t Byte(int64_t numerator, int64_t denominator) {
    return HalfUp(255 * numerator, denominator);
}

// CSS Color 4's hsl-to-rgb, hsv's sector formula, hwb through the pure hue, and
// cmyk's products, each in whole numbers: hue in thirtieths (sixtieths for hsv) of a
// degree's sector position.
ColorRef FromHsl(int64_t h, int64_t s, int64_t l) {
    int32_t c[3];
    const int64_t n[3] = {0, 8, 4};
    for (int i = 0; i < 3; ++i) {
        const int64_t k = (30 * n[i] + h) % 360;
        const int64_t t = std::clamp<int64_t>(std::min(k - 90, 270 - k), -30, 30);
        c[i] = Byte(3000 * l - s * std::min(l, 100 - l) * t, 300000);
    }
    return ColourOfBytes(c[0], c[1], c[2]);
}

ColorRef FromHsv(int64_t h, int64_t s, int64_t v) {
    int32_t c[3];
    const int64_t n[3] = {5, 3, 1};
    for (int i = 0; i < 3; ++i) {
        const int64_t k = (60 * n[i] + h) % 360;
        const int64_t t = std::clamp<int64_t>(std::min(k, 240 - k), 0, 60);
        c[i] = Byte(6000 * v - v * s * t, 600000);
    }
    return ColourOfBytes(c[0], c[1], c[2]);
}

ColorRef FromHwb(int64_t h, int64_t w, int64_t b) {
    if (w + b >= 100) {
        const int32_t grey = Byte(w, w + b);
        return ColourOfBytes(grey, grey, grey);
    }
    int32_t c[3];
    const int64_t n[3] = {0, 8, 4};
    for (int i = 0; i < 3; ++i) {
        const int64_t k = (30 * n[i] + h) % 360;
        const int64_t t = std::clamp<int64_t>(std::min(k - 90, 270 - k), -30, 30);
        c[i] = Byte((30 - t) * (100 - w - b) + 60 * w, 6000);
    }
    return ColourOfBytes(c[0], c[1], c[2]);
}

ColorRef FromCmyk(int64_t c, int64_t m, int64_t y, int64_t k) {
    return ColourOfBytes(Byte((100 - c) * (100 - k), 10000), Byte((100 - m) * (100 - k), 10000),
                         Byte((100 - y) * (100 - k), 10000));
}

struct Mismatch {
    std::string text;
    ColorRef expected;
    ColorRef read;  // 0xFFFFFFFF when nothing was read
};

// What the workers found: how many texts failed, and the first few.
class Findings {
  public:
    void Check(const std::string &text, ColorRef expected) {
        const std::optional<FittedColour> read = ReadColourText(std::string_view(text));
        if (read && read->colour == expected && !read->mapped) return;
        if (++count_ <= 10) first_.push_back({text, expected, read ? read->colour : 0xFFFFFFFFu});
    }

    void Add(const Findings &other) {
        std::lock_guard<std::mutex> lock(mutex_);
        count_ += other.count_;
        for (const Mismatch &m : other.first_)
            if (first_.size() < 10) first_.push_back(m);
    }

    size_t count() const { return count_; }

    std::string Report() const {
        std::string report;
        char line[128];
        for (const Mismatch &m : first_) {
            std::snprintf(line, sizeof line, "\n  \"%s\": expected %06X, read %06X", m.text.c_str(),
                          m.expected, m.read);
            report += line;
        }
        return report;
    }

  private:
    std::mutex mutex_;
    size_t count_ = 0;
    std::vector<Mismatch> first_;
};

// Runs work(first, end, findings) over 0 to `count`, a share for each core.
template <typename Work>
size_t FailuresOver(uint32_t count, Work work, std::string &report) {
    const unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), 16u));
    Findings all;
    std::vector<std::thread> workers;
    for (unsigned i = 0; i < cores; ++i) {
        const auto first = static_cast<uint32_t>(uint64_t{count} * i / cores);
        const auto end = static_cast<uint32_t>(uint64_t{count} * (i + 1) / cores);
        workers.emplace_back([=, &all] {
            Findings mine;
            work(first, end, mine);
            all.Add(mine);
        });
    }
    for (std::thread &worker : workers) worker.join();
    report = all.Report();
    return all.count();
}

// The formats the table says read back exactly, and the decimal COLORREF, which does
// unless it is six digits long.
std::vector<ColourFormat> KeptFormats() {
    std::vector<ColourFormat> kept;
    for (const ColourFormatInfo &info : ColourFormatTable())
        if (info.readsBackExactly || info.format == ColourFormat::Decimal)
            kept.push_back(info.format);
    return kept;
}

TEST(ColourRoundTrip, EveryColourReadsBackFromEveryFormatThatKeepsIt) {
    const std::vector<ColourFormat> kept = KeptFormats();
    ASSERT_EQ(kept.size(), 11u);
    std::string report;
    const size_t failures = FailuresOver(
        kEveryColour,
        [&kept](uint32_t first, uint32_t end, Findings &findings) {
            std::string text;
            for (ColorRef colour = first; colour < end; ++colour) {
                for (ColourFormat format : kept) {
                    text.clear();
                    AppendColourFormatText(text, colour, format);
                    // Six decimal digits are read as RRGGBB, as six hex digits always are.
                    if (format == ColourFormat::Decimal && text.size() == 6) continue;
                    findings.Check(text, colour);
                }
            }
        },
        report);
    EXPECT_EQ(failures, 0u) << report;
}

// Hue, then two percentages for hsl, hsv and hwb; for cmyk, each text the format can
// write has 0 for the ink of the largest channel, so the first of c, m, y that is 0
// and the three other numbers index the texts.
TEST(ColourRoundTrip, EveryWholeNumberTextReadsAsTheColourItsNumbersDescribe) {
    constexpr uint32_t kHueTexts = 360 * 101 * 101;
    constexpr uint32_t kCmykTexts = 3 * 101 * 101 * 101;
    std::string report;
    const size_t failures = FailuresOver(
        3 * kHueTexts + kCmykTexts,
        [](uint32_t first, uint32_t end, Findings &findings) {
            char text[40];
            for (uint32_t i = first; i < end; ++i) {
                if (i < 3 * kHueTexts) {
                    const uint32_t n = i % kHueTexts;
                    const int h = static_cast<int>(n / (101 * 101));
                    const int a = static_cast<int>(n / 101 % 101);
                    const int b = static_cast<int>(n % 101);
                    if (i < kHueTexts) {
                        std::snprintf(text, sizeof text, "hsl(%d, %d%%, %d%%)", h, a, b);
                        findings.Check(text, FromHsl(h, a, b));
                    } else if (i < 2 * kHueTexts) {
                        std::snprintf(text, sizeof text, "hsv(%d, %d%%, %d%%)", h, a, b);
                        findings.Check(text, FromHsv(h, a, b));
                    } else {
                        std::snprintf(text, sizeof text, "hwb(%d %d%% %d%%)", h, a, b);
                        findings.Check(text, FromHwb(h, a, b));
                    }
                    continue;
                }
                const uint32_t n = i - 3 * kHueTexts;
                int inks[4] = {0, 0, 0, static_cast<int>(n % 101)};
                const int zero = static_cast<int>(n / (101 * 101 * 101));
                inks[(zero + 1) % 3] = static_cast<int>(n / 101 % 101);
                inks[(zero + 2) % 3] = static_cast<int>(n / (101 * 101) % 101);
                std::snprintf(text, sizeof text, "cmyk(%d%%, %d%%, %d%%, %d%%)", inks[0], inks[1],
                              inks[2], inks[3]);
                findings.Check(text, FromCmyk(inks[0], inks[1], inks[2], inks[3]));
            }
        },
        report);
    EXPECT_EQ(failures, 0u) << report;
}

}  // namespace
}  // namespace tintwell::testing
