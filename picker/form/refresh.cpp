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
        case TableModeRed:
            return {state.blue, state.green, state.red};
        case TableModeGreen:
            return {state.blue, state.red, state.green};
        case TableModeBlue:
            return {state.red, state.green, state.blue};
        default:
            return {state.fieldX, kLastTableRow - state.fieldY, kLastTableRow - state.stripPos};
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
    controls_.set_Label1_Top(static_cast<float>((kLastTableRow - axes.v) - kRingOffset));
    controls_.set_Label1_Left(static_cast<float>(axes.x - kRingOffset));
    controls_.set_Label2_Top(static_cast<float>(kLastTableRow - axes.s + kArrowRowOffset));

    const ColorRef shown =
        library_.GetColor(base, state_.tableMode, axes.x, kLastTableRow - axes.v, state_.webSafe);
    controls_.set_Shape1_FillColor(shown);
    state_.hexText = HexTextRule(shown);
    controls_.set_Text1_Text(DisplayRule(state_.hexText));
    controls_.set_Label1_ForeColor(MarkerColour(state_, axes.v));
}

Form::TablePoint Form::MarkedFieldPoint() const {
    const MarkerAxes axes = AxesFor(state_);
    return TablePoint{axes.x, kLastTableRow - axes.v};
}

int32_t Form::MarkedStripRow() const {
    return kLastTableRow - AxesFor(state_).s;
}

namespace {

enum Channel { kRed, kGreen, kBlue };

// The three sectors of the hue circle, each named by the channel that is smallest
// there (it goes to 0 in the hue). Of the other two, `first` is the one that a
// strict '>' brings to full strength; on a tie `second` goes to full strength.
// The strip row is base + sign * middle / 6 for whichever of them stays below full.
struct HueSector {
    Channel smallest, first, second;
    double firstFullBase, firstFullSign;
    double secondFullBase, secondFullSign;
};

// In this order: the first sector whose smallest channel is no greater than the
// others takes the colour, which settles ties between equal smallest channels.
constexpr HueSector kHueSectors[] = {
    {kGreen, kRed, kBlue, 0.0, 1.0, 86.0, -1.0},
    {kBlue, kGreen, kRed, 169.0, 1.0, 255.0, -1.0},
    {kRed, kBlue, kGreen, 86.0, 1.0, 170.0, -1.0},
};

const HueSector &SectorOf(const int32_t (&channel)[3]) {
    for (const HueSector &sector : kHueSectors) {
        const int32_t low = channel[sector.smallest];
        if (low <= channel[sector.first] && low <= channel[sector.second]) return sector;
    }
    return kHueSectors[2];  // not reached: some channel is always the smallest
}

// The middle channel's level in the pure hue of a colour: the colour scaled until
// its largest channel is 255 and then stretched until its smallest is 0.
int32_t PureHueMiddle(int32_t largest, int32_t middle, int32_t smallest) {
    return RoundHalfEven(255.0 - (255.0 - static_cast<double>(255 * middle) / largest) *
                                     (255.0 / (255 - smallest)));
}

}  // namespace

void Form::LocateColor() {
    const Channels colour = ChannelRule(state_.hexText);
    const int32_t channel[3] = {colour.red, colour.green, colour.blue};
    int32_t *const hue[3] = {&state_.red, &state_.green, &state_.blue};

    if (channel[kRed] == channel[kGreen] && channel[kGreen] == channel[kBlue]) {
        state_.red = 255;
        state_.green = 0;
        state_.blue = 0;
        state_.fieldX = 0;
        state_.fieldY = kLastTableRow - channel[kRed];
        state_.stripPos = 0;
        return;
    }

    const HueSector &sector = SectorOf(channel);
    const bool firstFull = channel[sector.first] > channel[sector.second];
    const Channel full = firstFull ? sector.first : sector.second;
    const Channel middle = firstFull ? sector.second : sector.first;
    const int32_t low = channel[sector.smallest];
    const double k = 255.0 / channel[full];

    *hue[sector.smallest] = 0;
    state_.fieldX = RoundHalfEven(255.0 - k * low);
    state_.fieldY = kLastTableRow - channel[full];
    *hue[full] = RoundHalfEven(k * channel[full]);
    *hue[middle] = PureHueMiddle(channel[full], channel[middle], low);
    const double base = firstFull ? sector.firstFullBase : sector.secondFullBase;
    const double sign = firstFull ? sector.firstFullSign : sector.secondFullSign;
    state_.stripPos = RoundHalfEven(base + sign * (*hue[middle] / 6.0));
}

}  // namespace tintwell
