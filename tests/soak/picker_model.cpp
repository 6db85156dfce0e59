#include "picker_model.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace soak {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0;

// Nearest integer, halves to even: the default rounding mode.
int32_t Nearest(double v) {
    return static_cast<int32_t>(std::nearbyint(v));
}

int32_t Clamp(int32_t v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

int32_t Pair(const std::string &hexText, size_t at) {
    return static_cast<int32_t>(std::stoi(hexText.substr(at, 2), nullptr, 16));
}

}  // namespace

PickerModel::PickerModel(Lookups lookups) : lookups_(std::move(lookups)) {}

std::string PickerModel::HexText(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(colour & 0xFFFFFFu));
    return text;
}

std::string PickerModel::Shown(const std::string &hexText) {
    return "#" + hexText.substr(4, 2) + hexText.substr(2, 2) + hexText.substr(0, 2);
}

Colour PickerModel::baseColour() const {
    return static_cast<Colour>(red_) | static_cast<Colour>(green_) << 8 |
           static_cast<Colour>(blue_) << 16;
}

void PickerModel::Start() {
    mode_ = TableModeHue;
    red_ = green_ = blue_ = 255;
    fieldX_ = fieldY_ = stripPos_ = 0;
    webSafe_ = 0;
    copyOnPick_ = false;
    clipboardInHistory_ = true;
    dragCopied_ = false;
    hexText_ = HexText(baseColour());
    display_ = Display{};
    display_.text = Shown(hexText_);
    display_.swatch = baseColour();
    // The ring keeps the window's default text colour until the first refresh.
    display_.label1Fore = kBlack;
}

void PickerModel::TakeChannels(const std::string &hexText) {
    red_ = Pair(hexText, 4);
    green_ = Pair(hexText, 2);
    blue_ = Pair(hexText, 0);
}

void PickerModel::Refresh() {
    int32_t x, v, s;
    switch (mode_) {
        case TableModeRed:
            x = blue_, v = green_, s = red_;
            break;
        case TableModeGreen:
            x = blue_, v = red_, s = green_;
            break;
        case TableModeBlue:
            x = red_, v = green_, s = blue_;
            break;
        default:
            x = fieldX_, v = 255 - fieldY_, s = 255 - stripPos_;
            break;
    }
    display_.label1Left = x - 5;
    display_.label1Top = (255 - v) - 5;
    display_.label2Top = 256 - s;
    const Colour shown = lookups_.field(baseColour(), mode_, x, 255 - v, webSafe_);
    display_.swatch = shown;
    hexText_ = HexText(shown);
    display_.text = Shown(hexText_);
    const bool dark = mode_ == TableModeHue ? v < 128 : 2 * red_ + 2 * green_ + blue_ < 640;
    display_.label1Fore = dark ? kWhite : kBlack;
}

void PickerModel::Pick(int32_t x, int32_t y) {
    fieldX_ = x;
    fieldY_ = y;
    hexText_ = HexText(lookups_.field(baseColour(), mode_, x, y, webSafe_));
    display_.text = Shown(hexText_);
    if (mode_ >= TableModeRed) TakeChannels(hexText_);
    Refresh();
}

void PickerModel::FieldPress(int32_t x, int32_t y) {
    Pick(x, y);
    if (copyOnPick_) Copy();
}

void PickerModel::FieldMove(int32_t buttons, int32_t x, int32_t y) {
    if (buttons != 1) return;
    Pick(Clamp(x), Clamp(y));
    if (!copyOnPick_) return;
    Copy();
    clipboardInHistory_ = false;
    dragCopied_ = true;
}

void PickerModel::FieldLetGo() {
    if (std::exchange(dragCopied_, false)) Copy();
}

void PickerModel::StripPress(int32_t y) {
    stripPos_ = y;
    hexText_ = HexText(lookups_.strip(baseColour(), mode_, y, webSafe_));
    TakeChannels(hexText_);
    Refresh();
}

void PickerModel::StripMove(int32_t buttons, int32_t y) {
    if (buttons == 1) StripPress(Clamp(y));
}

// The window clamps a press on the ring like a drag, so the pick never leaves the
// field even when the ring hangs over its edge.
void PickerModel::Label1Press(int32_t x, int32_t y) {
    FieldPress(Clamp(display_.label1Left + x), Clamp(display_.label1Top + y));
}

void PickerModel::Label1Move(int32_t buttons, int32_t x, int32_t y) {
    if (buttons == 1) FieldMove(buttons, display_.label1Left + x, display_.label1Top + y);
}

void PickerModel::Label2Move(int32_t buttons, int32_t y) {
    if (buttons == 1) StripMove(buttons, display_.label2Top + y - 8);
}

void PickerModel::SelectMode(int32_t mode) {
    if (mode == TableModeHue) {
        if (mode_ >= TableModeRed) Locate(hexText_);
    } else if (mode_ < TableModeRed) {
        TakeChannels(hexText_);
    }
    mode_ = mode;
    Refresh();
}

void PickerModel::SetWebSafe(bool on) {
    webSafe_ = on ? 1 : 0;
    Refresh();
}

void PickerModel::Sample(Colour colour) {
    hexText_ = HexText(colour);
    if (mode_ >= TableModeRed)
        TakeChannels(hexText_);
    else
        Locate(hexText_);
    Refresh();
}

int32_t PickerModel::MiddleOfHue(int32_t largest, int32_t middle, int32_t smallest) {
    const double scaled = 255.0 * middle / largest;
    return Nearest(255.0 - (255.0 - scaled) * (255.0 / (255 - smallest)));
}

void PickerModel::Locate(const std::string &hexText) {
    const int32_t r = Pair(hexText, 4), g = Pair(hexText, 2), b = Pair(hexText, 0);
    if (r == g && g == b) {
        red_ = 255, green_ = 0, blue_ = 0;
        fieldX_ = 0, fieldY_ = 255 - r, stripPos_ = 0;
        return;
    }
    // Which channel is smallest decides the sector; ties go green, then blue, then red.
    int32_t smallest, high1, high2;  // high1 is the channel that wins a strict '>'
    int32_t *smallestOut, *high1Out, *high2Out;
    double stripBase, stripSign, stripBase2, stripSign2;  // strip row = base + sign * n / 6
    if (g <= r && g <= b) {
        smallest = g, high1 = r, high2 = b;
        smallestOut = &green_, high1Out = &red_, high2Out = &blue_;
        stripBase = 0, stripSign = 1, stripBase2 = 86, stripSign2 = -1;
    } else if (b <= r && b <= g) {
        smallest = b, high1 = g, high2 = r;
        smallestOut = &blue_, high1Out = &green_, high2Out = &red_;
        stripBase = 169, stripSign = 1, stripBase2 = 255, stripSign2 = -1;
    } else {
        smallest = r, high1 = b, high2 = g;
        smallestOut = &red_, high1Out = &blue_, high2Out = &green_;
        stripBase = 86, stripSign = 1, stripBase2 = 170, stripSign2 = -1;
    }
    const int32_t m = high1 > high2 ? high1 : high2;
    const double k = 255.0 / m;
    *smallestOut = 0;
    fieldX_ = Nearest(255.0 - k * smallest);
    fieldY_ = 255 - m;
    if (high1 > high2) {
        *high1Out = Nearest(k * high1);
        const int32_t n = MiddleOfHue(high1, high2, smallest);
        *high2Out = n;
        stripPos_ = Nearest(stripBase + stripSign * (n / 6.0));
    } else {
        *high2Out = Nearest(k * high2);
        const int32_t n = MiddleOfHue(high2, high1, smallest);
        *high1Out = n;
        stripPos_ = Nearest(stripBase2 + stripSign2 * (n / 6.0));
    }
}

}  // namespace soak
