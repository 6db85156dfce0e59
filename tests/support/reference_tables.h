// The plain reference for the table fills: every channel of every pixel computed on
// its own straight from the definitions, the way a line-by-line port would do it,
// with the constants taken from their bit patterns. The engine's fills must match it
// byte for byte; the benchmark measures against it.
#ifndef DYEPLATE_TESTS_REFERENCE_TABLES_H
#define DYEPLATE_TESTS_REFERENCE_TABLES_H

#include <cstdint>

namespace reference {

double FromBits(uint64_t bits);

struct Triple {
    int r, g, b;
};

int Snap(int c, int webSafe);
Triple Corner(int r, int g, int b);
int HueChannel(int corner, int x, int y);
Triple Field(uint32_t colour, int mode, int x, int y, int webSafe);
Triple Strip(uint32_t colour, int mode, int y, int webSafe);

// Whole buffers, 256 bottom-up rows of B, G, R; modes outside 0-5 leave them alone.
void FillField(uint8_t *buffer, uint32_t colour, int mode, int webSafe);
void FillStrip(uint8_t *buffer, uint32_t colour, int mode, int webSafe);

}  // namespace reference

#endif  // DYEPLATE_TESTS_REFERENCE_TABLES_H
