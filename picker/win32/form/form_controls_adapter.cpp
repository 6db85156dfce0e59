#include "form_controls_adapter.h"

#include <algorithm>

#include "loupe.h"
#include "marker_label.h"
#include "picture_box.h"
#include "shape_swatch.h"
#include "text_conversion.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

// The handlers' colours may carry a high byte (GetPixel's failure value has one);
// GDI would read it as a palette index, so only the three channels are shown.
COLORREF ShownColour(ColorRef colour) {
    return colour & 0x00FFFFFFu;
}

}  // namespace

FormControlsAdapter::FormControlsAdapter(const HWND &form, PictureBox &picture1,
                                         PictureBox &picture2, MarkerLabel &label1,
                                         MarkerLabel &label2, ShapeSwatch &shape1, Loupe &loupe)
    : form_(form),
      picture1_(picture1),
      picture2_(picture2),
      label1_(label1),
      label2_(label2),
      shape1_(shape1),
      loupe_(loupe),
      changed_(true) {}

HWND FormControlsAdapter::Control(ControlId id) const {
    return GetDlgItem(form_, id);
}

int16_t FormControlsAdapter::CheckValue(ControlId id) const {
    return static_cast<int16_t>(SendMessageW(Control(id), BM_GETCHECK, 0, 0));
}

DeviceContext FormControlsAdapter::Picture1_hDC() {
    changed_ = true;
    return picture1_.ImageDc();
}
DeviceContext FormControlsAdapter::Picture2_hDC() {
    changed_ = true;
    return picture2_.ImageDc();
}
void FormControlsAdapter::Picture1_Refresh() {
    changed_ = true;
    picture1_.Refresh();
}
void FormControlsAdapter::Picture2_Refresh() {
    changed_ = true;
    picture2_.Refresh();
}

float FormControlsAdapter::Label1_Left() {
    return label1_.Left();
}
float FormControlsAdapter::Label1_Top() {
    return label1_.Top();
}
void FormControlsAdapter::set_Label1_Left(float value) {
    changed_ = true;
    label1_.MoveTo(value, label1_.Top());
}
void FormControlsAdapter::set_Label1_Top(float value) {
    changed_ = true;
    label1_.MoveTo(label1_.Left(), value);
}
void FormControlsAdapter::set_Label1_ForeColor(ColorRef colour) {
    changed_ = true;
    label1_.SetForeColor(ShownColour(colour));
}
float FormControlsAdapter::Label2_Left() {
    return label2_.Left();
}
float FormControlsAdapter::Label2_Top() {
    return label2_.Top();
}
void FormControlsAdapter::set_Label2_Top(float value) {
    changed_ = true;
    label2_.MoveTo(label2_.Left(), value);
}

void FormControlsAdapter::set_Shape1_FillColor(ColorRef colour) {
    changed_ = true;
    shape1_.SetFillColor(ShownColour(colour));
}

std::u16string FormControlsAdapter::Text1_Text() {
    HWND text = Control(kText1);
    std::wstring buffer(static_cast<size_t>(GetWindowTextLengthW(text)) + 1, L'\0');
    const int copied = GetWindowTextW(text, buffer.data(), static_cast<int>(buffer.size()));
    buffer.resize(static_cast<size_t>(copied));
    return Utf16FromWide(buffer);
}

void FormControlsAdapter::set_Text1_Text(const std::u16string &text) {
    changed_ = true;
    // Every drag step writes the text twice, mostly unchanged, and rewriting an edit
    // control is slow. A skipped rewrite must leave the box as a rewrite leaves it:
    // caret at the start, nothing selected (a copy selects the whole text).
    if (Text1_Text() == text) {
        SendMessageW(Control(kText1), EM_SETSEL, 0, 0);
        return;
    }
    if (!SetWindowTextW(Control(kText1), WideFromUtf16(text).c_str())) {
        throw PickerError(messages::kCannotShowColourText);
    }
}

// Setting the start collapses the selection there, as in the text box the
// handlers were written for; the length then extends it from the start.
void FormControlsAdapter::set_Text1_SelStart(int32_t start) {
    changed_ = true;
    if (start < 0) throw PickerError(messages::kBadTextSelection);
    const int32_t length = GetWindowTextLengthW(Control(kText1));
    const WPARAM at = static_cast<WPARAM>(std::min(start, length));
    SendMessageW(Control(kText1), EM_SETSEL, at, static_cast<LPARAM>(at));
}

void FormControlsAdapter::set_Text1_SelLength(int32_t length) {
    changed_ = true;
    if (length < 0) throw PickerError(messages::kBadTextSelection);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Control(kText1), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const int32_t total = GetWindowTextLengthW(Control(kText1));
    const int32_t from = static_cast<int32_t>(std::min(start, end));
    const int32_t to = length > total - from ? total : from + length;
    SendMessageW(Control(kText1), EM_SETSEL, static_cast<WPARAM>(from), static_cast<LPARAM>(to));
}

std::u16string FormControlsAdapter::Text1_SelText() {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Control(kText1), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const std::u16string text = Text1_Text();
    const size_t from = std::min<size_t>(std::min(start, end), text.size());
    const size_t to = std::min<size_t>(std::max(start, end), text.size());
    return text.substr(from, to - from);
}

void FormControlsAdapter::set_Option2_Enabled(bool enabled) {
    changed_ = true;
    EnableWindow(Control(kOption2), enabled);
}
void FormControlsAdapter::set_Option3_Enabled(bool enabled) {
    changed_ = true;
    EnableWindow(Control(kOption3), enabled);
}

int16_t FormControlsAdapter::Check1_Value() {
    return CheckValue(kCheck1);
}
int16_t FormControlsAdapter::Check2_Value() {
    return CheckValue(kCheck2);
}
int16_t FormControlsAdapter::Check3_Value() {
    return CheckValue(kCheck3);
}
int16_t FormControlsAdapter::Check4_Value() {
    return CheckValue(kCheck4);
}

void FormControlsAdapter::set_Check3_Value(int16_t value) {
    changed_ = true;
    SendMessageW(Control(kCheck3), BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

void FormControlsAdapter::set_Timer1_Interval(int32_t milliseconds) {
    if (milliseconds < 0) throw PickerError(messages::kBadSamplingInterval);
    if (milliseconds == 0) {
        KillTimer(form_, kTimer1);
        return;
    }
    if (SetTimer(form_, kTimer1, static_cast<UINT>(milliseconds), nullptr) == 0) {
        throw PickerError(messages::kCannotStartSampling);
    }
}

void FormControlsAdapter::SamplingSwitched(bool on) {
    changed_ = true;
    loupe_.SetSampling(on);
}

void FormControlsAdapter::ShowChanges() {
    // A handler that changed none of them (a loupe frame's read, a key the form does
    // not take) leaves the window system alone.
    if (!changed_) return;
    changed_ = false;
    HDWP moves = BeginDeferWindowPos(2);
    moves = label1_.Place(moves);
    moves = label2_.Place(moves);
    if (moves != nullptr) EndDeferWindowPos(moves);
    if (form_ != nullptr) RedrawWindow(form_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

WindowHandle FormControlsAdapter::hWnd() {
    return reinterpret_cast<WindowHandle>(form_);
}

}  // namespace tintwell::win32
