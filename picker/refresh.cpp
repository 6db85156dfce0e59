// The display refresh (state -> tables, markers, swatch, text) and its inverse for
// hue mode, the location of a concrete colour as base hue, field point and strip row.
#include "form.h"
#include "rounding.h"
#include "table_geometry.h"

namespace tintwell {

namespace {

// Where the markers sit and which point of the field is shown, by mode: the field
// column x, the field level v and the strip level s, each 255 at the top.
struct MarkerAxes {
    int32_t x;
    int32_t v;
    int32_t s;
};

MarkerAxes AxesFor(const PickerState &state) {
    switch (state.tableMode) {
        case kModeRed:
            return {state.blue, state.green, state.red};
        case kModeGreen:
            return {state.blue, state.red, state.green};
        case kModeBlue:
            return {state.red, state.green, state.blue};
        default:
            return {state.fieldX, 255 - state.fieldY, 255 - state.stripPos};
    }
}

// Black marker on a light field, white on a dark one. Hue mode judges by the row
// alone; the channel modes by the unsnapped colour of the state.
ColorRef MarkerColour(const PickerState &state, int32_t v) {
    if (IsChannelMode(state.tableMode)) {
        const double brightness = (state.blue / 2.0 + state.red + state.green) / 2.5;
        return brightness < 128.0 ? kWhite : kBlack;
    }
    return v < 128 ? kWhite : kBlack;
}

}  // namespace

void Form::RefreshPicker() {
    const ColorRef base = BaseColour(state_);
    library_.DrawColorTable(controls_.Picture1_hDC(), base, state_.tableMode, state_.webSafe);
    library_.DrawColorTable2(controls_.Picture2_hDC(), base, state_.tableMode, state_.webSafe);
    controls_.Picture1_Refresh();
    controls_.Picture2_Refresh();

    const MarkerAxes axes = AxesFor(state_);
    controls_.set_Label1_Top(static_cast<float>((255 - axes.v) - kRingOffset));
    controls_.set_Label1_Left(static_cast<float>(axes.x - kRingOffset));
    controls_.set_Label2_Top(static_cast<float>(255 - axes.s + kArrowRowOffset));

    const ColorRef shown =
        library_.GetColor(base, state_.tableMode, axes.x, 255 - axes.v, state_.webSafe);
    controls_.set_Shape1_FillColor(shown);
    state_.hexText = HexTextRule(shown);
    controls_.set_Text1_Text(DisplayRule(state_.hexText));
    controls_.set_Label1_ForeColor(MarkerColour(state_, axes.v));
}

int32_t Form::max(int32_t a, int32_t b) {
    return a > b ? a : b;
}

int32_t Form::gc(int32_t a, int32_t b, int32_t c) {
    return RoundHalfEven(255.0 - (255.0 - static_cast<double>(255 * b) / a) * (255.0 / (255 - c)));
}

void Form::LocateColor() {
    const Channels colour = ChannelRule(state_.hexText);
    const int32_t r = colour.red;
    const int32_t g = colour.green;
    const int32_t b = colour.blue;

    if (r == g && g == b) {
        state_.red = 255;
        state_.green = 0;
        state_.blue = 0;
        state_.fieldX = 0;
        state_.fieldY = 255 - r;
        state_.stripPos = 0;
        return;
    }

    // The first test that holds decides, which settles ties between equal channels.
    // Of the two other channels the strictly greater one goes to full strength, so a
    // tie takes the second branch of each pair.
    if (g <= r && g <= b) {
        const int32_t m = max(b, r);
        const double k = 255.0 / m;
        state_.green = 0;
        state_.fieldX = RoundHalfEven(255.0 - k * g);
        state_.fieldY = 255 - m;
        if (r > b) {
            state_.red = RoundHalfEven(k * r);
            state_.blue = gc(r, b, g);
            state_.stripPos = RoundHalfEven(state_.blue / 6.0);
        } else {
            state_.blue = RoundHalfEven(k * b);
            state_.red = gc(b, r, g);
            state_.stripPos = RoundHalfEven(86.0 - state_.red / 6.0);
        }
    } else if (b <= r && b <= g) {
        const int32_t m = max(r, g);
        const double k = 255.0 / m;
        state_.blue = 0;
        state_.fieldX = RoundHalfEven(255.0 - k * b);
        state_.fieldY = 255 - m;
        if (g > r) {
            state_.green = RoundHalfEven(k * g);
            state_.red = gc(g, r, b);
            state_.stripPos = RoundHalfEven(state_.red / 6.0 + 169.0);
        } else {
            state_.red = RoundHalfEven(k * r);
            state_.green = gc(r, g, b);
            state_.stripPos = RoundHalfEven(255.0 - state_.green / 6.0);
        }
    } else {
        const int32_t m = max(b, g);
        const double k = 255.0 / m;
        state_.red = 0;
        state_.fieldX = RoundHalfEven(255.0 - k * r);
        state_.fieldY = 255 - m;
        if (b > g) {
            state_.blue = RoundHalfEven(k * b);
            state_.green = gc(b, g, r);
            state_.stripPos = RoundHalfEven(state_.green / 6.0 + 86.0);
        } else {
            state_.green = RoundHalfEven(k * g);
            state_.blue = gc(g, b, r);
            state_.stripPos = RoundHalfEven(170.0 - state_.blue / 6.0);
        }
    }
}

}  // namespace tintwell
