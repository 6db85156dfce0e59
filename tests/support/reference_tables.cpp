#include "reference_tables.h"

#include <cstring>

namespace reference {

double FromBits(uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

int Snap(int c, int webSafe) {
    if (webSafe == 0) return c;
    const double q = FromBits(0xBF94141414141414ull);
    double n = c * q;
    n = 0.5 - n;
    return 51 * static_cast<int>(n);
}

Triple Corner(int r, int g, int b) {
    if (r == g && g == b) return {255, 0, 0};
    if (b < r && b < g) {
        const int m = r > g ? r : g;
        return {r * 255 / m, g * 255 / m, 0};
    }
    if (r < g && r < b) {
        const int m = b > g ? b : g;
        return {0, g * 255 / m, b * 255 / m};
    }
    if (g < r && g < b) {
        const int m = b > r ? b : r;
        return {r * 255 / m, 0, b * 255 / m};
    }
    return {r, g, b};
}

int HueChannel(int corner, int x, int y) {
    const double q = FromBits(0xBF70101010101010ull);
    const double p = FromBits(0x3F70101010101010ull);
    double d = corner - 255.0;
    d = x * d;
    d = d * q;
    const double f = 255.0 - d;
    double e = f * y;
    e = e * p;
    e = f - e;
    return static_cast<int>(e);
}

Triple Field(uint32_t colour, int mode, int x, int y, int webSafe) {
    const int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    Triple t;
    switch (mode) {
        case 0:
        case 1:
        case 2: {
            const Triple c = Corner(r, g, b);
            t = {HueChannel(c.r, x, y), HueChannel(c.g, x, y), HueChannel(c.b, x, y)};
            break;
        }
        case 3:
            t = {r, 255 - y, x};
            break;
        case 4:
            t = {255 - y, g, x};
            break;
        default:
            t = {x, 255 - y, b};
            break;
    }
    return {Snap(t.r, webSafe), Snap(t.g, webSafe), Snap(t.b, webSafe)};
}

namespace {

int Step(int k) {
    const double kStep = FromBits(0x4017B88EE23B88EEull);
    return static_cast<int>(k * kStep);
}

Triple HueStrip(int n) {
    int r, g, b;
    if (n <= 42)
        r = 255;
    else if (n <= 85)
        r = Step(85 - n);
    else if (n <= 169)
        r = 0;
    else if (n <= 212)
        r = Step(n - 170);
    else
        r = 255;
    if (n <= 85)
        g = 0;
    else if (n <= 128)
        g = Step(n - 85);
    else if (n <= 211)
        g = 255;
    else
        g = Step(255 - n);
    if (n <= 42)
        b = Step(n);
    else if (n <= 126)
        b = 255;
    else if (n <= 169)
        b = Step(170 - n);
    else
        b = 0;
    return {r, g, b};
}

}  // namespace

Triple Strip(uint32_t colour, int mode, int y, int webSafe) {
    const int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    Triple t;
    switch (mode) {
        case 3:
            t = {255 - y, g, b};
            break;
        case 4:
            t = {r, 255 - y, b};
            break;
        case 5:
            t = {r, g, 255 - y};
            break;
        default:
            t = HueStrip(y);
            break;
    }
    return {Snap(t.r, webSafe), Snap(t.g, webSafe), Snap(t.b, webSafe)};
}

void FillField(uint8_t *buffer, uint32_t colour, int mode, int webSafe) {
    if (static_cast<unsigned>(mode) > 5u) return;
    for (int row = 0; row < 256; ++row) {
        for (int x = 0; x < 256; ++x) {
            const Triple t = Field(colour, mode, x, 255 - row, webSafe);
            uint8_t *p = buffer + row * 768 + 3 * x;
            p[0] = static_cast<uint8_t>(t.b);
            p[1] = static_cast<uint8_t>(t.g);
            p[2] = static_cast<uint8_t>(t.r);
        }
    }
}

void FillStrip(uint8_t *buffer, uint32_t colour, int mode, int webSafe) {
    if (static_cast<unsigned>(mode) > 5u) return;
    for (int row = 0; row < 256; ++row) {
        for (int x = 0; x < 256; ++x) {
            const Triple t = Strip(colour, mode, 255 - row, webSafe);
            uint8_t *p = buffer + row * 768 + 3 * x;
            p[0] = static_cast<uint8_t>(t.b);
            p[1] = static_cast<uint8_t>(t.g);
            p[2] = static_cast<uint8_t>(t.r);
        }
    }
}

}  // namespace reference
