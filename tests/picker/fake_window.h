// A window and a system for the picker's handlers that remember every operation in
// the order it was asked for, hold the values a real window would, and fail any
// named operation on request.
#ifndef TINTWELL_TESTS_PICKER_FAKE_WINDOW_H
#define TINTWELL_TESTS_PICKER_FAKE_WINDOW_H

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "colour_table.h"
#include "form_controls.h"
#include "screen_square.h"
#include "utf8_text.h"

namespace tintwell::testing {

using testsupport::Utf8;
std::string Hex(ColorRef colour);

// How a value is written into the call log: colours as six hex digits.
std::string Describe(float value);
std::string Describe(ColorRef colour);
std::string Describe(int32_t value);
std::string Describe(bool value);
std::string Describe(const std::u16string &text);

// One entry per operation: its name, then a space and its argument if it has one.
struct CallLog {
    std::vector<std::string> entries;
    std::set<std::string> failing;  // names of operations that throw PickerError

    void Add(const std::string &name, const std::string &argument = "");
    // Names only, in order, for checking sequences without the values.
    std::vector<std::string> Names() const;
    void Clear() { entries.clear(); }
};

// A picture's persistent image: pixels the library draws into through the DC.
struct FakeImage {
    FakeImage(int32_t width, int32_t height);
    std::vector<uint32_t> pixels;
    DyeplateSurface surface;
};

class FakeControls : public FormControls {
  public:
    explicit FakeControls(CallLog &log) : log_(log) {}

    // The values as the window holds them, creation values first.
    FakeImage picture1{256, 256};
    FakeImage picture2{18, 256};
    float label1Left = -5.0f;
    float label1Top = -5.0f;
    ColorRef label1ForeColor = 0x80000012u;
    float label2Left = 267.0f;
    float label2Top = 1.0f;
    ColorRef shape1FillColor = 0x80000005u;
    std::u16string text1 = u"Text1";
    int32_t selStart = 0;
    int32_t selLength = 0;
    bool option2Enabled = true;
    bool option3Enabled = true;
    int16_t check1 = 0;
    int16_t check2 = 0;
    int16_t check3 = 0;
    int16_t check4 = 0;
    int32_t timer1Interval = 0;
    bool sampling = false;
    WindowHandle window = 0x5A5A;

    DeviceContext Picture1_hDC() override { return Get("Picture1_hDC", &picture1.surface); }
    DeviceContext Picture2_hDC() override { return Get("Picture2_hDC", &picture2.surface); }
    void Picture1_Refresh() override { Call("Picture1_Refresh"); }
    void Picture2_Refresh() override { Call("Picture2_Refresh"); }
    float Label1_Left() override { return Get("Label1_Left", label1Left); }
    float Label1_Top() override { return Get("Label1_Top", label1Top); }
    void set_Label1_Left(float value) override { Set("set_Label1_Left", label1Left, value); }
    void set_Label1_Top(float value) override { Set("set_Label1_Top", label1Top, value); }
    void set_Label1_ForeColor(ColorRef c) override {
        Set("set_Label1_ForeColor", label1ForeColor, c);
    }
    float Label2_Left() override { return Get("Label2_Left", label2Left); }
    float Label2_Top() override { return Get("Label2_Top", label2Top); }
    void set_Label2_Top(float value) override { Set("set_Label2_Top", label2Top, value); }
    void set_Shape1_FillColor(ColorRef c) override {
        Set("set_Shape1_FillColor", shape1FillColor, c);
    }
    std::u16string Text1_Text() override { return Get("Text1_Text", text1); }
    void set_Text1_Text(const std::u16string &text) override { Set("set_Text1_Text", text1, text); }
    void set_Text1_SelStart(int32_t start) override { Set("set_Text1_SelStart", selStart, start); }
    void set_Text1_SelLength(int32_t length) override {
        Set("set_Text1_SelLength", selLength, length);
    }
    std::u16string Text1_SelText() override;
    void set_Option2_Enabled(bool on) override { Set("set_Option2_Enabled", option2Enabled, on); }
    void set_Option3_Enabled(bool on) override { Set("set_Option3_Enabled", option3Enabled, on); }
    int16_t Check1_Value() override { return Get("Check1_Value", check1); }
    int16_t Check2_Value() override { return Get("Check2_Value", check2); }
    int16_t Check3_Value() override { return Get("Check3_Value", check3); }
    int16_t Check4_Value() override { return Get("Check4_Value", check4); }
    void set_Check3_Value(int16_t value) override { Set("set_Check3_Value", check3, value); }
    void set_Timer1_Interval(int32_t ms) override {
        Set("set_Timer1_Interval", timer1Interval, ms);
    }
    void SamplingSwitched(bool on) override { Set("SamplingSwitched", sampling, on); }
    WindowHandle hWnd() override { return Get("hWnd", window); }

  private:
    void Call(const std::string &name, const std::string &argument = "");

    template <typename T>
    T Get(const char *name, T value) {
        Call(name);
        return value;
    }

    template <typename T>
    void Set(const char *name, T &property, const T &value) {
        Call(name, Describe(value));
        property = value;
    }

    CallLog &log_;
};

class FakePlatform : public Platform {
  public:
    explicit FakePlatform(CallLog &log) : log_(log) {}

    // The screen: every pixel screenPixel, unless `screen` says what is where
    // (kInvalidColor for a pixel on no monitor).
    ColorRef screenPixel = 0;
    std::function<ColorRef(ScreenPoint)> screen;
    ScreenPoint cursor{100, 100};
    // What live reads say of the monitor (screen_colour.h), and which of their
    // pixels were clamped into 8-bit sRGB.
    ScreenNote screenNote = ScreenNote::None;
    std::function<bool(ScreenPoint)> clampedAt;
    // Live reads of the screen so far, and snapshots taken.
    int reads = 0;
    int snapshots = 0;
    // TakeSnapshot finds no memory for one.
    bool snapshotFails = false;
    // The snapshot covers these bounds.
    ScreenRect screenBounds{0, 0, 400, 300};
    // The band the window was last put in, and which window: unset until asked.
    std::optional<bool> topmost;
    WindowHandle topmostWindow = 0;
    std::u16string clipboard = u"old";
    bool clipboardHasText = true;
    // Whether the text on it was put there for clipboard history to pass over.
    bool clipboardTransient = false;
    // The templates file's bytes; none when there is no file.
    std::optional<std::string> templates;

    void SetTopmost(WindowHandle window, bool topmost) override;
    ScreenSquare ReadScreenSquare(int reach) override;
    ScreenSquare ReadScreenSquareAt(ScreenPoint pointer, int reach) override;
    ScreenPoint CursorPosition() override;
    std::unique_ptr<ScreenSnapshot> TakeSnapshot() override;
    void ClipboardClear() override;
    void ClipboardSetText(const std::u16string &text) override;
    void ClipboardSetTransientText(const std::u16string &text) override;
    std::optional<std::u16string> ClipboardText() override;
    std::optional<std::string> ReadCopyTemplates() override;
    void KeepRecentColours(const std::vector<ColorRef> &newestFirst) override;

    // The list as last handed over to be kept.
    std::vector<ColorRef> keptRecent;
    size_t keepCount = 0;

  private:
    void Call(const std::string &name, const std::string &argument = "");
    ColorRef PixelAt(ScreenPoint p) const;
    ScreenSquare SquareAround(ScreenPoint centre, int reach) const;

    CallLog &log_;
};

}  // namespace tintwell::testing

#endif  // TINTWELL_TESTS_PICKER_FAKE_WINDOW_H
