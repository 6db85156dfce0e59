#include "fuzz_surface.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace fuzz {
namespace {

// Surfaces up to this size are held whole and checked byte by byte; beyond it only
// the rows a draw may touch are made writable, inside a mapping that faults elsewhere.
constexpr int64_t kHeldLimit = int64_t{1} << 20;

int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0))) --q;
    return q;
}

int64_t CeilDiv(int64_t a, int64_t b) {
    return -FloorDiv(-a, b);
}

int64_t RoundUp(int64_t v, int64_t to) {
    return (v + to - 1) / to * to;
}

// Byte extent [low, high) of `rows` rows of `rowBytes` bytes, `stride` apart,
// relative to the first row.
void Extent(int64_t rows, int64_t rowBytes, int64_t stride, int64_t &low, int64_t &high) {
    if (rows <= 0 || rowBytes <= 0) {
        low = high = 0;
        return;
    }
    low = std::min<int64_t>(0, (rows - 1) * stride);
    high = std::max<int64_t>(0, (rows - 1) * stride) + rowBytes;
}

}  // namespace

FuzzSurface::FuzzSurface(int32_t width, int32_t height, int32_t stride, int32_t tableWidth)
    : columns_(std::clamp<int32_t>(width, 0, tableWidth)),
      rows_(std::clamp<int32_t>(height, 0, 256)),
      stride_(stride) {
    int64_t claimedLow, claimedHigh, allowedLow, allowedHigh;
    Extent(height, int64_t{width} * 4, stride_, claimedLow, claimedHigh);
    Extent(rows_, int64_t{columns_} * 4, stride_, allowedLow, allowedHigh);

    if (claimedHigh - claimedLow <= kHeldLimit || allowedHigh - allowedLow <= kHeldLimit) {
        if (claimedHigh - claimedLow <= kHeldLimit) {
            low_ = claimedLow;
            high_ = claimedHigh;
        } else {
            low_ = allowedLow;
            high_ = allowedHigh;
        }
        // The first pixel must stay 4-aligned even when a negative stride puts it at
        // an odd offset into the block: pad below, and let the canary watch the pad.
        int64_t pad = RoundUp(-low_, 4) + low_;
        low_ -= pad;
        canary_ = 0xA5;
        block_ = new unsigned char[static_cast<size_t>(high_ - low_)];
        std::memset(block_, canary_, static_cast<size_t>(high_ - low_));
        surface_.pixels = reinterpret_cast<uint32_t *>(block_ - low_);
    } else {
        const int64_t page = sysconf(_SC_PAGESIZE);
        low_ = allowedLow;
        high_ = allowedHigh;
        const int64_t firstOffset = page + RoundUp(-low_, page);
        mappingSize_ = static_cast<size_t>(RoundUp(firstOffset + high_, page) + page);
        mapping_ = mmap(nullptr, mappingSize_, PROT_NONE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (mapping_ == MAP_FAILED) std::abort();
        auto *first = static_cast<unsigned char *>(mapping_) + firstOffset;
        for (int64_t y = 0; y < rows_; ++y) {
            unsigned char *row = first + y * stride_;
            uintptr_t begin = reinterpret_cast<uintptr_t>(row) / page * page;
            uintptr_t end = RoundUp(reinterpret_cast<uintptr_t>(row) + columns_ * 4, page);
            if (mprotect(reinterpret_cast<void *>(begin), end - begin, PROT_READ | PROT_WRITE) != 0)
                std::abort();
        }
        canary_ = 0;
        surface_.pixels = reinterpret_cast<uint32_t *>(first);
    }
    surface_.width = width;
    surface_.height = height;
    surface_.stride = stride;
}

FuzzSurface::~FuzzSurface() {
    delete[] block_;
    if (mapping_ != nullptr) munmap(mapping_, mappingSize_);
}

uint32_t FuzzSurface::pixel(int32_t x, int32_t y) const {
    uint32_t value;
    std::memcpy(&value,
                reinterpret_cast<const unsigned char *>(surface_.pixels) + y * stride_ + 4 * x,
                sizeof value);
    return value;
}

bool FuzzSurface::isAllowedByte(int64_t off) const {
    const int64_t rowBytes = int64_t{columns_} * 4;
    if (rows_ == 0 || rowBytes == 0) return false;
    if (stride_ == 0) return off >= 0 && off < rowBytes;
    // Rows y with y * stride <= off < y * stride + rowBytes.
    int64_t yLow, yHigh;
    if (stride_ > 0) {
        yHigh = FloorDiv(off, stride_);
        yLow = FloorDiv(off - rowBytes, stride_) + 1;
    } else {
        yLow = CeilDiv(off, stride_);
        yHigh = CeilDiv(off - rowBytes, stride_) - 1;
    }
    return std::max<int64_t>(yLow, 0) <= std::min<int64_t>(yHigh, rows_ - 1);
}

bool FuzzSurface::findStrayWrite(int64_t &offset) const {
    const auto *first = reinterpret_cast<const unsigned char *>(surface_.pixels);
    if (block_ != nullptr) {
        for (int64_t off = low_; off < high_; ++off) {
            if (first[off] != canary_ && !isAllowedByte(off)) {
                offset = off;
                return true;
            }
        }
        return false;
    }
    // Mapped: only the pages made writable can have been written.
    const int64_t page = sysconf(_SC_PAGESIZE);
    for (int64_t y = 0; y < rows_; ++y) {
        const unsigned char *row = first + y * stride_;
        const uintptr_t begin = reinterpret_cast<uintptr_t>(row) / page * page;
        const uintptr_t end = RoundUp(reinterpret_cast<uintptr_t>(row) + columns_ * 4, page);
        for (uintptr_t address = begin; address < end; ++address) {
            const int64_t off = static_cast<int64_t>(address - reinterpret_cast<uintptr_t>(first));
            if (*reinterpret_cast<const unsigned char *>(address) != canary_ &&
                !isAllowedByte(off)) {
                offset = off;
                return true;
            }
        }
    }
    return false;
}

}  // namespace fuzz
