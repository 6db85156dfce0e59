// What the two lookups promise for any arguments, checked against a canonical call of
// themselves: a zero top byte, modes 1 and 2 answered as mode 0, coordinates clamped,
// any non-zero flag acting as 1, modes outside 0-5 answered with 0, web-safe results
// snapped. Shared by the lookup target, which runs them a million times a CI, and the
// drawing target, which compares drawn pixels with them. Aborts on the first broken
// promise, naming it and the arguments.
#ifndef TINTWELL_FUZZ_LOOKUP_CHECKS_H
#define TINTWELL_FUZZ_LOOKUP_CHECKS_H

#include <cstddef>
#include <cstdint>

namespace fuzz {

[[noreturn]] void Fail(const char *what, uint32_t colour, int32_t mode, int32_t a, int32_t b,
                       int32_t webSafe, uint32_t got, uint32_t want);

bool ModeInRange(int32_t mode);

void CheckGetColor(uint32_t colour, int32_t mode, int32_t x, int32_t y, int32_t webSafe);
void CheckGetColor2(uint32_t colour, int32_t mode, int32_t y, int32_t webSafe);

// Reads little-endian words from a fuzz input; past its end it reads zeros.
class ByteReader {
  public:
    ByteReader(const uint8_t *data, size_t size) : data_(data), size_(size) {}
    bool done() const { return size_ == 0; }
    uint8_t u8() {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }
    uint32_t u32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= uint32_t{u8()} << (8 * i);
        return v;
    }
    int32_t i32() { return static_cast<int32_t>(u32()); }

  private:
    const uint8_t *data_;
    size_t size_;
};

}  // namespace fuzz

#endif  // TINTWELL_FUZZ_LOOKUP_CHECKS_H
