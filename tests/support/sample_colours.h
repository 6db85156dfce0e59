// A broad, fixed sample of base colours for comparing whole tables: greys, colours
// with two equal smallest channels, colours with a channel at 0 or 255, the example
// colours, pseudo-random ones, and words with a non-zero top byte.
#ifndef DYEPLATE_TESTS_SAMPLE_COLOURS_H
#define DYEPLATE_TESTS_SAMPLE_COLOURS_H

#include <cstdint>
#include <vector>

inline uint32_t Colour(int r, int g, int b) {
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) |
           (static_cast<uint32_t>(b) << 16);
}

inline std::vector<uint32_t> SampleColours() {
    std::vector<uint32_t> colours;
    for (int grey : {0, 1, 77, 128, 254, 255}) colours.push_back(Colour(grey, grey, grey));
    const int pairs[][3] = {{0, 0, 128},        {128, 0, 0},   {100, 100, 200}, {5, 200, 5},
                            {30, 90, 30},       {250, 3, 3},   {0, 255, 0},     {254, 1, 254},
                            {255, 5, 0},        {255, 17, 0},  {0, 255, 34},    {200, 255, 10},
                            {0, 77, 255},       {255, 255, 0}, {12, 0, 255},    {255, 128, 0},
                            {200, 100, 50},     {10, 200, 30}, {10, 20, 30},    {40, 20, 30},
                            {0x56, 0x34, 0x12}, {1, 2, 3},     {253, 254, 255}};
    for (const auto &p : pairs) colours.push_back(Colour(p[0], p[1], p[2]));
    uint32_t state = 0x2545F491u;
    for (int i = 0; i < 30; ++i) {
        state = state * 1664525u + 1013904223u;
        colours.push_back((state >> 8) & 0xFFFFFFu);
    }
    colours.push_back(0xAB123456u);
    colours.push_back(0xFF0000FFu);
    return colours;
}

#endif  // DYEPLATE_TESTS_SAMPLE_COLOURS_H
