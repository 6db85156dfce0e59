#include "control_layout.h"

#include <stdexcept>

#include "user_texts.h"

namespace tintwell::win32 {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD kStop = WS_TABSTOP | WS_GROUP;
constexpr DWORD kCheck = kChild | kStop | BS_AUTOCHECKBOX;
constexpr DWORD kOption = kChild | BS_AUTORADIOBUTTON;
constexpr ControlId kForm = static_cast<ControlId>(0);

}  // namespace

// The option buttons share one group; only the selected one carries WS_TABSTOP (the
// form moves it), which makes the group a single tab stop.
const ControlPlacement kControls[] = {
    {ControlKind::PictureBox, kPicture1, "Picture1", kPictureClass, L"", 120, 120, 3900, 3900, 0,
     kForm, kChild | kStop | WS_CLIPCHILDREN, WS_EX_CLIENTEDGE},
    {ControlKind::PictureBox, kPicture2, "Picture2", kPictureClass, L"", 4180, 120, 300, 3870, 1,
     kForm, kChild | kStop | WS_BORDER, 0},
    {ControlKind::OptionButton, kOption1, "Option1", L"BUTTON", L"H", 4560, 2040, 495, 180, 2,
     kForm, kOption | kStop, 0},
    {ControlKind::OptionButton, kOption2, "Option2", L"BUTTON", L"S", 4560, 2280, 495, 180, 3,
     kForm, kOption, 0},
    {ControlKind::OptionButton, kOption3, "Option3", L"BUTTON", L"V", 4560, 2520, 495, 180, 4,
     kForm, kOption, 0},
    {ControlKind::OptionButton, kOption4, "Option4", L"BUTTON", L"R", 4560, 2880, 495, 180, 5,
     kForm, kOption, 0},
    {ControlKind::OptionButton, kOption5, "Option5", L"BUTTON", L"G", 4560, 3120, 495, 180, 6,
     kForm, kOption, 0},
    {ControlKind::OptionButton, kOption6, "Option6", L"BUTTON", L"B", 4560, 3360, 495, 180, 7,
     kForm, kOption, 0},
    {ControlKind::TextBox, kText1, "Text1", L"EDIT", L"Text1", 4560, 3720, 945, 270, 8, kForm,
     kChild | kStop | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {ControlKind::PushButton, kCommand1, "Command1", L"BUTTON", L"", 5520, 3720, 255, 255, 9, kForm,
     kChild | kStop | BS_DEFPUSHBUTTON, 0},
    {ControlKind::CheckBox, kCheck1, "Check1", L"BUTTON", captions::kKeepOnTop, 4560, 1320, 855,
     255, 10, kForm, kCheck, 0},
    {ControlKind::Label, kLabel1, "Label1", kLabelClass, L"Ｏ", -75, -75, 255, 255, -1, kPicture1,
     kChild, 0},
    {ControlKind::Label, kLabel2, "Label2", kLabelClass, L"8", 4000, 15, 375, 255, -1, kForm,
     kChild | WS_GROUP, 0},
    {ControlKind::CheckBox, kCheck2, "Check2", L"BUTTON", captions::kCopyOnPick, 4560, 1560, 1215,
     495, 13, kForm, kCheck | BS_MULTILINE, 0},
    {ControlKind::CheckBox, kCheck3, "Check3", L"BUTTON", captions::kScreenColour, 1980, 4050, 1995,
     255, 14, kForm, kCheck, 0},
    {ControlKind::CheckBox, kCheck4, "Check4", L"BUTTON", captions::kWebSafe, 120, 4050, 1695, 255,
     15, kForm, kCheck, 0},
    {ControlKind::Shape, kShape1, "Shape1", kShapeClass, L"", 4620, 120, 1095, 615, -1, kForm,
     kChild | WS_GROUP, 0},
};

const size_t kControlCount = sizeof(kControls) / sizeof(kControls[0]);

// The copy button has neither caption nor picture, so it says what it does when asked.
// The pictures have names but no tooltips: a tip over the field would hide the very
// colours being picked, or the pixels being sampled under the pointer.
const ControlDescription kControlDescriptions[] = {
    {kPicture1, descriptions::kField, nullptr},
    {kPicture2, descriptions::kStrip, nullptr},
    {kCommand1, descriptions::kCopyButton, descriptions::kCopyButton},
};

const size_t kControlDescriptionCount =
    sizeof(kControlDescriptions) / sizeof(kControlDescriptions[0]);

const ControlPlacement &FindControl(ControlId id) {
    for (const ControlPlacement &placement : kControls) {
        if (placement.id == id) return placement;
    }
    throw std::out_of_range("no such control");
}

RECT DesignedRect(const ControlPlacement &placement, const DisplayScale &scale) {
    const int left = scale.FromTwips(placement.left);
    const int top = scale.FromTwips(placement.top);
    return RECT{left, top, left + scale.FromTwips(placement.width),
                top + scale.FromTwips(placement.height)};
}

HWND CreateControlWindow(HWND parent, const ControlPlacement &placement, HINSTANCE instance,
                         void *object, const RECT &rect) {
    return CreateWindowExW(
        placement.exStyle, placement.windowClass, placement.caption, placement.style, rect.left,
        rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.id)), instance, object);
}

}  // namespace tintwell::win32
