#include "control_layout.h"

#include <stdexcept>

#include "marker_label.h"
#include "picture_box.h"
#include "shape_swatch.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD kStop = WS_TABSTOP | WS_GROUP;
constexpr DWORD kCheck = kChild | kStop | BS_AUTOCHECKBOX;
constexpr DWORD kOption = kChild | BS_AUTORADIOBUTTON;
constexpr ControlId kForm = static_cast<ControlId>(0);

// The geometry the handlers share with the layout, in the layout's unit.
constexpr int TableTwips(int tablePixels) {
    return tablePixels * kTwipsPerTablePixel;
}

// A picture's design size: its table at 96 dpi inside its border.
constexpr int PictureTwips(int tablePixels, int border) {
    return TableTwips(tablePixels + 2 * border);
}

}  // namespace

// The option buttons share one group; only the selected one carries WS_TABSTOP (the
// form moves it), which makes the group a single tab stop.
const ControlPlacement kControls[] = {
    {ControlKind::PictureBox, kPicture1, kPictureClass, L"", 120, 120,
     PictureTwips(kTableSize, kSunkenBorder), PictureTwips(kTableSize, kSunkenBorder), kForm,
     kChild | kStop | WS_CLIPCHILDREN, WS_EX_CLIENTEDGE},
    {ControlKind::PictureBox, kPicture2, kPictureClass, L"", 4180, TableTwips(kStripTopOnForm),
     PictureTwips(kStripImageWidth, kFlatBorder), PictureTwips(kTableSize, kFlatBorder), kForm,
     kChild | kStop | WS_BORDER, 0},
    {ControlKind::OptionButton, kOption1, L"BUTTON", L"H", 4560, 2040, 495, 180, kForm,
     kOption | kStop, 0},
    {ControlKind::OptionButton, kOption2, L"BUTTON", L"S", 4560, 2280, 495, 180, kForm, kOption, 0},
    {ControlKind::OptionButton, kOption3, L"BUTTON", L"V", 4560, 2520, 495, 180, kForm, kOption, 0},
    {ControlKind::OptionButton, kOption4, L"BUTTON", L"R", 4560, 2880, 495, 180, kForm, kOption, 0},
    {ControlKind::OptionButton, kOption5, L"BUTTON", L"G", 4560, 3120, 495, 180, kForm, kOption, 0},
    {ControlKind::OptionButton, kOption6, L"BUTTON", L"B", 4560, 3360, 495, 180, kForm, kOption, 0},
    {ControlKind::TextBox, kText1, L"EDIT", L"Text1", 4560, 3720, 945, 270, kForm,
     kChild | kStop | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {ControlKind::PushButton, kCommand1, L"BUTTON", L"", 5520, 3720, 255, 255, kForm,
     kChild | kStop | BS_DEFPUSHBUTTON, 0},
    {ControlKind::CheckBox, kCheck1, L"BUTTON", captions::kKeepOnTop, 4560, 1320, 855, 255, kForm,
     kCheck, 0},
    {ControlKind::Label, kLabel1, kLabelClass, L"Ｏ", TableTwips(-kRingOffset),
     TableTwips(-kRingOffset), 255, 255, kPicture1, kChild, 0},
    {ControlKind::Label, kLabel2, kLabelClass, L"8", 4000, TableTwips(kArrowRowOffset), 375, 255,
     kForm, kChild | WS_GROUP, 0},
    {ControlKind::CheckBox, kCheck2, L"BUTTON", captions::kCopyOnPick, 4560, 1560, 1215, 495, kForm,
     kCheck | BS_MULTILINE, 0},
    {ControlKind::CheckBox, kCheck3, L"BUTTON", captions::kScreenColour, 1980, 4050, 1995, 255,
     kForm, kCheck, 0},
    {ControlKind::CheckBox, kCheck4, L"BUTTON", captions::kWebSafe, 120, 4050, 1695, 255, kForm,
     kCheck, 0},
    {ControlKind::Shape, kShape1, kShapeClass, L"", 4620, 120, 1095, 615, kForm, kChild | WS_GROUP,
     0},
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

}  // namespace tintwell::win32
