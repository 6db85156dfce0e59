#include <cstring>

#include "row_ops.h"
#include "table_fill.h"
#include "table_rules.h"

namespace dyeplate {
namespace {

// A corner channel of 0 gives the same plane for every base colour (and most hue
// fields have one), so its 64 KiB are worked out once and reused.
struct ZeroCornerPlane {
    uint8_t plain[kTableSide][kTableSide];
    uint8_t snapped[kTableSide][kTableSide];

    ZeroCornerPlane() {
        double columns[kTableSide];
        for (int x = 0; x < kTableSide; ++x) columns[x] = HueColumnLevel(0, x);
        for (int y = 0; y < kTableSide; ++y) {
            HueLevelRow(columns, y, false, plain[y]);
            HueLevelRow(columns, y, true, snapped[y]);
        }
    }
};

const ZeroCornerPlane &ZeroCorner() {
    static const ZeroCornerPlane plane;
    return plane;
}

// How one channel of the hue field is produced line by line.
struct HueChannel {
    enum Kind { kFull, kZero, kSameAs, kComputed } kind;
    int same;  // for kSameAs: the index of the channel with the same corner value
    double columns[kTableSide];
    uint8_t row[kTableSide];
};

void FillHueField(uint8_t *buffer, const Rgb &base, bool snap) {
    const Rgb corner = NormalizeHue(base);
    const int32_t corners[3] = {corner.blue, corner.green, corner.red};
    HueChannel channels[3];
    for (int c = 0; c < 3; ++c) {
        HueChannel &ch = channels[c];
        ch.same = c;
        if (corners[c] == 255) {
            // F is exactly 255.0 in every column: each line is one level across.
            ch.kind = HueChannel::kFull;
            continue;
        }
        if (corners[c] == 0) {
            ch.kind = HueChannel::kZero;
            continue;
        }
        ch.kind = HueChannel::kComputed;
        for (int earlier = 0; earlier < c; ++earlier) {
            if (corners[earlier] == corners[c]) {
                ch.kind = HueChannel::kSameAs;
                ch.same = earlier;
                break;
            }
        }
        if (ch.kind == HueChannel::kComputed) {
            for (int x = 0; x < kTableSide; ++x) ch.columns[x] = HueColumnLevel(corners[c], x);
        }
    }

    const ZeroCornerPlane *zero = nullptr;
    for (const HueChannel &ch : channels) {
        if (ch.kind == HueChannel::kZero) zero = &ZeroCorner();
    }

    for (int row = 0; row < kTableSide; ++row) {
        const int32_t y = 255 - row;
        const uint8_t *levels[3] = {nullptr, nullptr, nullptr};
        for (int c = 0; c < 3; ++c) {
            HueChannel &ch = channels[c];
            switch (ch.kind) {
                case HueChannel::kFull: {
                    uint8_t level = static_cast<uint8_t>(HueLevel(HueColumnLevel(255, 0), y));
                    if (snap) level = SnapLevel(level);
                    std::memset(ch.row, level, sizeof ch.row);
                    levels[c] = ch.row;
                    break;
                }
                case HueChannel::kZero:
                    levels[c] = snap ? zero->snapped[y] : zero->plain[y];
                    break;
                case HueChannel::kSameAs:
                    levels[c] = levels[ch.same];
                    break;
                case HueChannel::kComputed:
                    HueLevelRow(ch.columns, y, snap, ch.row);
                    levels[c] = ch.row;
                    break;
            }
        }
        InterleaveRow(levels[0], levels[1], levels[2], buffer + row * kRowBytes);
    }
}

// Red, green and blue modes: one channel runs with x, one with the line and one is
// the base colour's own; each line differs from a fixed template only in the bytes
// of the line's channel.
void FillChannelField(uint8_t *buffer, const Rgb &base, int32_t tableMode, bool snap) {
    // Byte positions within a pixel: 0 blue, 1 green, 2 red.
    int fixedByte, lineByte, columnByte;
    int32_t fixedValue;
    switch (tableMode) {
        case TableModeRed:
            fixedByte = 2, lineByte = 1, columnByte = 0, fixedValue = base.red;
            break;
        case TableModeGreen:
            fixedByte = 1, lineByte = 2, columnByte = 0, fixedValue = base.green;
            break;
        default:
            fixedByte = 0, lineByte = 1, columnByte = 2, fixedValue = base.blue;
            break;
    }
    auto level = [snap](int32_t v) {
        const uint8_t b = static_cast<uint8_t>(v);
        return snap ? SnapLevel(b) : b;
    };

    uint8_t templateBytes[kRowBytes];
    uint8_t maskBytes[kRowBytes];
    for (int x = 0; x < kTableSide; ++x) {
        uint8_t *t = templateBytes + 3 * x;
        uint8_t *m = maskBytes + 3 * x;
        t[fixedByte] = level(fixedValue);
        t[columnByte] = level(x);
        t[lineByte] = 0;
        m[fixedByte] = 0;
        m[columnByte] = 0;
        m[lineByte] = 0xFF;
    }
    constexpr int kWords = kRowBytes / 4;
    uint32_t templateWords[kWords], maskWords[kWords];
    std::memcpy(templateWords, templateBytes, sizeof templateWords);
    std::memcpy(maskWords, maskBytes, sizeof maskWords);

    for (int row = 0; row < kTableSide; ++row) {
        const uint32_t spread = 0x01010101u * level(row);  // line y = 255 - row shows 255 - y
        uint8_t *line = buffer + row * kRowBytes;
        for (int i = 0; i < kWords; ++i) {
            const uint32_t word = templateWords[i] | (spread & maskWords[i]);
            std::memcpy(line + 4 * i, &word, sizeof word);
        }
    }
}

}  // namespace

void FillFieldTable(uint8_t *buffer, uint32_t colour, int32_t tableMode, int32_t webSafe) {
    if (!IsKnownMode(tableMode)) return;
    const Rgb base = SplitColour(colour);
    if (IsHueMode(tableMode)) {
        FillHueField(buffer, base, webSafe != 0);
    } else {
        FillChannelField(buffer, base, tableMode, webSafe != 0);
    }
}

}  // namespace dyeplate
