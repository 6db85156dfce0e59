// Start-up and the event handlers of Form1 for picking from the tables. Each handler
// runs its steps in a fixed order; a failing control or library operation throws,
// ending the handler at that step with the state written so far left in place.
// Sampling the screen and copying have units of their own.
#include "form.h"

#include <optional>

#include "key_codes.h"
#include "rounding.h"
#include "table_geometry.h"

namespace tintwell {

Form::Form(FormControls &controls, Platform &platform, ColourTableLibrary &library)
    : controls_(controls),
      platform_(platform),
      library_(library),
      state_(),
      recent_(),
      menu_(),
      shownByPick_(false),
      dragCopied_(false),
      mappedPaste_(false),
      notedColour_(0),
      screenNote_(ScreenNote::None),
      pressCopy_(),
      sampleSize_(SampleSize::OnePixel),
      freeze_(FreezeState::Live),
      screenPick_(),
      snapshot_() {}

void Form::Form_Load() {
    state_.red = 255;
    state_.green = 255;
    state_.blue = 255;
    state_.tableMode = TableModeHue;
    const ColorRef base = BaseColour(state_);
    controls_.set_Shape1_FillColor(base);
    // webSafe is read from Check4 only at the end, so the first draws use its zero.
    library_.DrawColorTable(controls_.Picture1_hDC(), base, state_.tableMode, state_.webSafe);
    library_.DrawColorTable2(controls_.Picture2_hDC(), base, state_.tableMode, state_.webSafe);
    controls_.set_Option2_Enabled(false);
    controls_.set_Option3_Enabled(false);
    state_.hexText = HexTextRule(base);
    controls_.set_Text1_Text(DisplayRule(state_.hexText));
    state_.webSafe = controls_.Check4_Value();
}

void Form::Picture1_mousedown(int16_t, int16_t, float x, float y) {
    PickInField(x, y, CopyCause::Press);
}

void Form::PickInField(float x, float y, CopyCause cause) {
    mappedPaste_ = false;
    screenNote_ = ScreenNote::None;
    state_.fieldX = RoundHalfEven(x);
    state_.fieldY = RoundHalfEven(y);
    const ColorRef picked = library_.GetColor(BaseColour(state_), state_.tableMode, state_.fieldX,
                                              state_.fieldY, state_.webSafe);
    state_.hexText = HexTextRule(picked);
    controls_.set_Text1_Text(DisplayRule(state_.hexText));
    // In the channel modes the picked (possibly snapped) colour becomes the current
    // one; in hue mode the channels keep the base hue.
    if (IsChannelMode(state_.tableMode)) ApplyChannelRule(state_);
    RefreshPicker();
    shownByPick_ = true;
    if (controls_.Check2_Value() != 0) CopyText1(cause);
}

void Form::Picture1_MouseMove(int16_t button, int16_t, float x, float y) {
    if (button != kLeftButton) return;
    const float clampedX = ClampToTable(x);
    const float clampedY = ClampToTable(y);
    PickInField(clampedX, clampedY, CopyCause::DragStep);
}

void Form::Picture2_mousedown(int16_t, int16_t, float, float y) {
    mappedPaste_ = false;
    screenNote_ = ScreenNote::None;
    state_.stripPos = RoundHalfEven(y);
    const ColorRef picked =
        library_.GetColor2(BaseColour(state_), state_.tableMode, state_.stripPos, state_.webSafe);
    state_.hexText = HexTextRule(picked);
    ApplyChannelRule(state_);
    RefreshPicker();
    shownByPick_ = true;
}

void Form::Picture2_MouseMove(int16_t button, int16_t shift, float x, float y) {
    if (button != kLeftButton) return;
    Picture2_mousedown(button, shift, x, ClampToTable(y));
}

void Form::Label1_Mousedown(int16_t button, int16_t shift, float x, float y) {
    const float fieldX = x / kTwipsPerTablePixel + controls_.Label1_Left();
    const float fieldY = y / kTwipsPerTablePixel + controls_.Label1_Top();
    // At a display scale other than 15 twips per pixel the converted point can land a
    // few pixels outside the field. Clamped like a drag, the pick stays on the field's
    // edge, the marker stays inside it, and no library is asked about a point that is
    // not in its table.
    Picture1_mousedown(button, shift, ClampToTable(fieldX), ClampToTable(fieldY));
}

void Form::Label1_Mousemove(int16_t button, int16_t shift, float x, float y) {
    if (button != kLeftButton) return;
    const float fieldX = x / kTwipsPerTablePixel + controls_.Label1_Left();
    const float fieldY = y / kTwipsPerTablePixel + controls_.Label1_Top();
    Picture1_MouseMove(button, shift, fieldX, fieldY);
}

void Form::Label2_Mousemove(int16_t button, int16_t shift, float x, float y) {
    if (button != kLeftButton) return;
    const float stripX = x / kTwipsPerTablePixel + controls_.Label2_Left();
    const float stripY = y / kTwipsPerTablePixel + controls_.Label2_Top() - kStripTopOnForm;
    Picture2_MouseMove(button, shift, stripX, stripY);
}

void Form::Option1_Click() {
    if (IsChannelMode(state_.tableMode)) {
        LocateColor();
        shownByPick_ = false;
    }
    state_.tableMode = TableModeHue;
    RefreshPicker();
}

void Form::Option4_Click() {
    SwitchToChannelMode(TableModeRed);
}

void Form::Option5_Click() {
    SwitchToChannelMode(TableModeGreen);
}

void Form::Option6_Click() {
    SwitchToChannelMode(TableModeBlue);
}

void Form::SwitchToChannelMode(int32_t tableMode) {
    // Leaving hue mode, the shown colour becomes the current one; between channel
    // modes the channels already are the current colour.
    if (!IsChannelMode(state_.tableMode)) ApplyChannelRule(state_);
    if (tableMode != state_.tableMode) shownByPick_ = false;
    state_.tableMode = tableMode;
    RefreshPicker();
}

void Form::Check4_Click() {
    state_.webSafe = controls_.Check4_Value();
    shownByPick_ = false;
    RefreshPicker();
}

void Form::Check1_Click() {
    const bool topmost = controls_.Check1_Value() != 0;
    const WindowHandle window = controls_.hWnd();
    platform_.SetTopmost(window, topmost);
}

std::optional<ColorRef> Form::ShownColour() const {
    try {
        const Channels shown = ChannelRule(state_.hexText);
        return PackColour(shown.red, shown.green, shown.blue);
    } catch (const PickerError &) {
        return std::nullopt;
    }
}

std::optional<PickOrigin> Form::OriginOf(ColorRef colour) const {
    if (!shownByPick_ || ShownColour() != colour) return std::nullopt;
    return PickOrigin{state_.tableMode, state_.red,    state_.green,    state_.blue,
                      state_.fieldX,    state_.fieldY, state_.stripPos, state_.webSafe};
}

}  // namespace tintwell
