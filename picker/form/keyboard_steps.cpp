// Picking from the keyboard: each key step is a press of the left button at the
// point it reaches, so it does exactly what that press does, the copy included.
// Steps count table pixels and strip rows, whatever the display scale.
#include <algorithm>

#include "form.h"
#include "key_codes.h"
#include "table_geometry.h"

namespace tintwell {

namespace {

constexpr int32_t kFieldShiftStep = 10;
constexpr int32_t kStripPageStep = 16;

int32_t ClampStep(int32_t value) {
    return std::clamp(value, 0, kLastTableRow);
}

bool HasCtrlOrAlt(int16_t shift) {
    return (shift & (kCtrlKey | kAltKey)) != 0;
}

}  // namespace

void Form::Picture1_KeyDown(int16_t keyCode, int16_t shift) {
    if (HasCtrlOrAlt(shift)) return;
    switch (keyCode) {
        case kKeyLeft:
        case kKeyRight:
        case kKeyUp:
        case kKeyDown:
        case kKeyHome:
        case kKeyEnd:
            break;
        default:
            return;
    }
    const int32_t step = (shift & kShiftKey) != 0 ? kFieldShiftStep : 1;
    TablePoint to = FieldStepOrigin();
    switch (keyCode) {
        case kKeyLeft:
            to.x -= step;
            break;
        case kKeyRight:
            to.x += step;
            break;
        case kKeyUp:
            to.y -= step;
            break;
        case kKeyDown:
            to.y += step;
            break;
        case kKeyHome:
            to.x = 0;
            break;
        default:  // End
            to.x = kLastTableRow;
            break;
    }
    PickInField(static_cast<float>(ClampStep(to.x)), static_cast<float>(ClampStep(to.y)),
                CopyCause::KeyStep);
}

void Form::Picture2_KeyDown(int16_t keyCode, int16_t shift) {
    if (HasCtrlOrAlt(shift)) return;
    const int32_t step = (shift & kShiftKey) != 0 ? kStripPageStep : 1;
    int32_t row = 0;
    switch (keyCode) {
        case kKeyUp:
            row = StripStepOrigin() - step;
            break;
        case kKeyDown:
            row = StripStepOrigin() + step;
            break;
        case kKeyPageUp:
            row = StripStepOrigin() - kStripPageStep;
            break;
        case kKeyPageDown:
            row = StripStepOrigin() + kStripPageStep;
            break;
        case kKeyHome:
            row = 0;
            break;
        case kKeyEnd:
            row = kLastTableRow;
            break;
        default:
            return;
    }
    Picture2_mousedown(kLeftButton, shift, 0.0f, static_cast<float>(ClampStep(row)));
}

// In hue mode the ring always marks the point last picked. In the channel modes it
// marks the current colour, and with web-safe colours on, that is the snapped one: a
// step from the ring would land in the same snapped cell and be pulled straight back.
// So the step starts from the point last picked while the field still shows the
// current colour there, and from the ring once the colour has come from elsewhere (a
// mode switch, a sample, a strip pick that moved it out of the cell).
Form::TablePoint Form::FieldStepOrigin() {
    const TablePoint marked = MarkedFieldPoint();
    if (!IsChannelMode(state_.tableMode)) return marked;
    const TablePoint picked{ClampStep(state_.fieldX), ClampStep(state_.fieldY)};
    const ColorRef there =
        library_.GetColor(BaseColour(state_), state_.tableMode, picked.x, picked.y, state_.webSafe);
    return HexTextRule(there) == state_.hexText ? picked : marked;
}

// The strip's counterpart: the row last picked while the strip still shows the
// current colour there, otherwise the row the arrow points at.
int32_t Form::StripStepOrigin() {
    const int32_t marked = MarkedStripRow();
    if (!IsChannelMode(state_.tableMode)) return marked;
    const int32_t picked = ClampStep(state_.stripPos);
    const ColorRef there =
        library_.GetColor2(BaseColour(state_), state_.tableMode, picked, state_.webSafe);
    return HexTextRule(there) == state_.hexText ? picked : marked;
}

}  // namespace tintwell
