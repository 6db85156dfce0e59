#include "fake_window.h"

#include <algorithm>
#include <cstdio>

namespace tintwell::testing {

namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

void CallLog::Add(const std::string &name, const std::string &argument) {
    entries.push_back(argument.empty() ? name : name + " " + argument);
}

std::vector<std::string> CallLog::Names() const {
    std::vector<std::string> names;
    for (const std::string &entry : entries) names.push_back(entry.substr(0, entry.find(' ')));
    return names;
}

FakeImage::FakeImage(int32_t width, int32_t height)
    : pixels(static_cast<size_t>(width) * static_cast<size_t>(height), 0xFF000000u),
      surface{pixels.data(), width, height, width * 4} {}

std::string Narrow(const std::u16string &text) {
    return std::string(text.begin(), text.end());
}

std::string Hex(ColorRef colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", colour);
    return text;
}

void FakeControls::Call(const std::string &name, const std::string &argument) {
    log_.Add(name, argument);
    if (log_.failing.count(name) != 0) throw PickerError(name + " failed");
}

DeviceContext FakeControls::Picture1_hDC() {
    Call("Picture1_hDC");
    return &picture1.surface;
}

DeviceContext FakeControls::Picture2_hDC() {
    Call("Picture2_hDC");
    return &picture2.surface;
}

void FakeControls::Picture1_Refresh() {
    Call("Picture1_Refresh");
}
void FakeControls::Picture2_Refresh() {
    Call("Picture2_Refresh");
}

float FakeControls::Label1_Left() {
    Call("Label1_Left");
    return label1Left;
}

float FakeControls::Label1_Top() {
    Call("Label1_Top");
    return label1Top;
}

void FakeControls::set_Label1_Left(float value) {
    Call("set_Label1_Left", Number(value));
    label1Left = value;
}

void FakeControls::set_Label1_Top(float value) {
    Call("set_Label1_Top", Number(value));
    label1Top = value;
}

void FakeControls::set_Label1_ForeColor(ColorRef colour) {
    Call("set_Label1_ForeColor", Hex(colour));
    label1ForeColor = colour;
}

float FakeControls::Label2_Left() {
    Call("Label2_Left");
    return label2Left;
}

float FakeControls::Label2_Top() {
    Call("Label2_Top");
    return label2Top;
}

void FakeControls::set_Label2_Top(float value) {
    Call("set_Label2_Top", Number(value));
    label2Top = value;
}

void FakeControls::set_Shape1_FillColor(ColorRef colour) {
    Call("set_Shape1_FillColor", Hex(colour));
    shape1FillColor = colour;
}

std::u16string FakeControls::Text1_Text() {
    Call("Text1_Text");
    return text1;
}

void FakeControls::set_Text1_Text(const std::u16string &text) {
    Call("set_Text1_Text", Narrow(text));
    text1 = text;
}

void FakeControls::set_Text1_SelStart(int32_t start) {
    Call("set_Text1_SelStart", std::to_string(start));
    selStart = start;
}

void FakeControls::set_Text1_SelLength(int32_t length) {
    Call("set_Text1_SelLength", std::to_string(length));
    selLength = length;
}

std::u16string FakeControls::Text1_SelText() {
    Call("Text1_SelText");
    const size_t start = std::min(static_cast<size_t>(selStart), text1.size());
    return text1.substr(start, static_cast<size_t>(selLength));
}

void FakeControls::set_Option2_Enabled(bool enabled) {
    Call("set_Option2_Enabled", std::to_string(enabled));
    option2Enabled = enabled;
}

void FakeControls::set_Option3_Enabled(bool enabled) {
    Call("set_Option3_Enabled", std::to_string(enabled));
    option3Enabled = enabled;
}

int16_t FakeControls::Check1_Value() {
    Call("Check1_Value");
    return check1;
}

int16_t FakeControls::Check2_Value() {
    Call("Check2_Value");
    return check2;
}

int16_t FakeControls::Check3_Value() {
    Call("Check3_Value");
    return check3;
}

int16_t FakeControls::Check4_Value() {
    Call("Check4_Value");
    return check4;
}

void FakeControls::set_Timer1_Interval(int32_t milliseconds) {
    Call("set_Timer1_Interval", std::to_string(milliseconds));
    timer1Interval = milliseconds;
}

WindowHandle FakeControls::hWnd() {
    Call("hWnd");
    return window;
}

void FakePlatform::Call(const std::string &name, const std::string &argument) {
    log_.Add(name, argument);
    if (log_.failing.count(name) != 0) throw PickerError(name + " failed");
}

void FakePlatform::SetTopmost(WindowHandle window, bool topmost) {
    Call("SetTopmost", std::to_string(window) + " " + std::to_string(topmost));
}

ColorRef FakePlatform::ScreenPixelUnderCursor() {
    Call("ScreenPixelUnderCursor");
    return screenPixel;
}

void FakePlatform::ClipboardClear() {
    Call("ClipboardClear");
    clipboard.clear();
    clipboardHasText = false;
}

void FakePlatform::ClipboardSetText(const std::u16string &text) {
    Call("ClipboardSetText", Narrow(text));
    clipboard = text;
    clipboardHasText = true;
}

}  // namespace tintwell::testing
