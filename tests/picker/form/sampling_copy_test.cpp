#include <gtest/gtest.h>

#include <vector>

#include "harness.h"
#include "key_codes.h"
#include "picker_state.h"

namespace tintwell::testing {
namespace {

using Entries = std::vector<std::string>;

class Sampling : public ::testing::Test {
  protected:
    void SetUp() override { h.Load(); }
    Harness h;
};

TEST_F(Sampling, InHueModeASampleIsLocated) {
    h.platform.screenPixel = Rgb(255, 128, 0);
    h.form.Timer1_Timer();
    EXPECT_EQ(h.log.Names().front(), "ReadScreenSquare");
    EXPECT_EQ(h.state().tableMode, TableModeHue);
    EXPECT_EQ(h.state().red, 255);
    EXPECT_EQ(h.state().green, 128);
    EXPECT_EQ(h.state().blue, 0);
    EXPECT_EQ(h.state().stripPos, 234);
    EXPECT_EQ(h.controls.label2Top, 235.0f);
    EXPECT_EQ(h.controls.text1, u"#FF8000");

    h.platform.screenPixel = Rgb(200, 100, 100);
    h.form.Timer1_Timer();
    EXPECT_EQ(h.state().fieldX, 128);
    EXPECT_EQ(h.state().fieldY, 55);
    EXPECT_EQ(h.controls.text1, u"#C86375");
}

TEST_F(Sampling, InAChannelModeASampleBecomesTheColour) {
    h.state().tableMode = TableModeGreen;
    h.state().fieldX = 9;
    h.platform.screenPixel = Rgb(0x12, 0x34, 0x56);
    h.form.Timer1_Timer();
    EXPECT_EQ(h.state().red, 0x12);
    EXPECT_EQ(h.state().green, 0x34);
    EXPECT_EQ(h.state().blue, 0x56);
    EXPECT_EQ(h.state().fieldX, 9);
    EXPECT_EQ(h.controls.text1, u"#123456");
    EXPECT_EQ(h.controls.shape1FillColor, Rgb(0x12, 0x34, 0x56));
}

TEST_F(Sampling, InRedModeASampleBecomesTheColourAndTheMarkersFollowIt) {
    h.state().tableMode = TableModeRed;
    h.state().fieldX = 9;
    h.state().stripPos = 17;
    h.platform.screenPixel = Rgb(0x12, 0x34, 0x56);
    h.form.Timer1_Timer();
    EXPECT_EQ(h.state().tableMode, TableModeRed);
    EXPECT_EQ(h.state().red, 0x12);
    EXPECT_EQ(h.state().green, 0x34);
    EXPECT_EQ(h.state().blue, 0x56);
    EXPECT_EQ(h.state().fieldX, 9) << "not located as in hue mode";
    EXPECT_EQ(h.state().stripPos, 17);
    EXPECT_EQ(h.controls.text1, u"#123456");
    // Red mode: the field runs blue across and green up, the strip is red.
    EXPECT_EQ(h.controls.label1Left, 0x56 - 5.0f);
    EXPECT_EQ(h.controls.label1Top, 250.0f - 0x34);
    EXPECT_EQ(h.controls.label2Top, 256.0f - 0x12);
}

TEST_F(Sampling, AnUnreadablePixelCountsAsBlack) {
    h.state().tableMode = TableModeBlue;
    h.platform.screenPixel = kInvalidColor;
    EXPECT_EQ(h.form.GetMouseMoveColr(), kBlack);
    h.form.Timer1_Timer();
    EXPECT_EQ(h.state().red, 0);
    EXPECT_EQ(h.state().green, 0);
    EXPECT_EQ(h.state().blue, 0);
    EXPECT_EQ(h.controls.text1, u"#000000");
    h.platform.screenPixel = 0xFFFFFEu;
    EXPECT_EQ(h.form.GetMouseMoveColr(), 0xFFFFFEu);
}

TEST_F(Sampling, SamplesNeverCopy) {
    h.controls.check2 = 1;
    h.platform.screenPixel = Rgb(1, 2, 3);
    h.form.Timer1_Timer();
    EXPECT_EQ(h.platform.clipboard, u"old");
}

TEST_F(Sampling, Check3SetsTheIntervalAndCheck1AsksForTopmost) {
    h.controls.check3 = 1;
    h.form.Check3_Click();
    EXPECT_EQ(h.controls.timer1Interval, 100);
    EXPECT_TRUE(h.controls.sampling) << "the loupe may show";
    h.controls.check3 = 0;
    h.form.Check3_Click();
    EXPECT_EQ(h.controls.timer1Interval, 0);
    EXPECT_FALSE(h.controls.sampling) << "the loupe goes";

    h.log.Clear();
    h.controls.check1 = 1;
    h.form.Check1_Click();
    h.controls.check1 = 0;
    h.form.Check1_Click();
    EXPECT_EQ(h.log.entries, (Entries{"Check1_Value", "hWnd", "SetTopmost 23130 1", "Check1_Value",
                                      "hWnd", "SetTopmost 23130 0"}));
}

TEST_F(Sampling, EscTakesOneSampleThenStopsAsClearingCheck3Does) {
    h.state().tableMode = TableModeGreen;
    h.controls.check3 = 1;
    h.form.Check3_Click();
    h.controls.check2 = 1;
    h.platform.screenPixel = Rgb(0x12, 0x34, 0x56);
    h.log.Clear();
    h.form.Form_KeyDown(kKeyEscape, kShiftKey);
    EXPECT_EQ(h.controls.text1, u"#123456");
    EXPECT_EQ(h.controls.check3, 0);
    EXPECT_EQ(h.controls.timer1Interval, 0);
    EXPECT_EQ(h.platform.clipboard, u"old") << "Esc never copies";
    const Entries names = h.log.Names();
    ASSERT_GE(names.size(), 4u);
    EXPECT_EQ(names[0], "Check3_Value");
    EXPECT_EQ(names[1], "ReadScreenSquare") << "the sample comes first";
    EXPECT_EQ(
        Entries(names.end() - 4, names.end()),
        (Entries{"set_Check3_Value", "Check3_Value", "set_Timer1_Interval", "SamplingSwitched"}));
}

TEST_F(Sampling, EscStopsEvenWhenTheSampleFailsAndOtherwiseDoesNothing) {
    h.controls.check3 = 1;
    h.log.failing = {"set_Text1_Text"};
    EXPECT_THROW(h.form.Form_KeyDown(kKeyEscape, 0), PickerError);
    EXPECT_EQ(h.controls.check3, 0);
    EXPECT_EQ(h.controls.timer1Interval, 0);

    h.log.failing.clear();
    h.log.Clear();
    h.form.Form_KeyDown(kKeyEscape, 0);
    EXPECT_EQ(h.log.entries, (Entries{"Check3_Value"})) << "sampling off: nothing";

    h.controls.check3 = 1;
    h.log.Clear();
    h.form.Form_KeyDown(kKeyEscape, kCtrlKey);
    h.form.Form_KeyDown(kKeyEscape, kAltKey);
    h.form.Form_KeyDown(kKeyHome, 0);
    EXPECT_TRUE(h.log.entries.empty());
    EXPECT_EQ(h.controls.check3, 1);
}

class Copy : public ::testing::Test {
  protected:
    Harness h{"never-loaded"};
};

TEST_F(Copy, SelectsTheWholeTextAndPutsItOnTheClipboard) {
    h.controls.text1 = u"#12AB56";
    h.controls.selStart = 3;
    h.form.Command1_Click();
    EXPECT_EQ(h.log.entries,
              (Entries{"set_Text1_SelStart 0", "Text1_Text", "set_Text1_SelLength 7",
                       "ClipboardClear", "Text1_SelText", "ClipboardSetText #12AB56"}));
    EXPECT_EQ(h.controls.selStart, 0);
    EXPECT_EQ(h.controls.selLength, 7);
    EXPECT_EQ(h.platform.clipboard, u"#12AB56");
}

TEST_F(Copy, LengthCountsUtf16UnitsAndAnEmptyTextEmptiesTheClipboard) {
    h.controls.text1 = u"色\U0001F3A8";
    h.form.Command1_Click();
    EXPECT_EQ(h.controls.selLength, 3);
    EXPECT_EQ(h.platform.clipboard, u"色\U0001F3A8");

    h.controls.text1 = u"";
    h.form.Command1_Click();
    EXPECT_EQ(h.controls.selLength, 0);
    EXPECT_TRUE(h.platform.clipboardHasText);
    EXPECT_EQ(h.platform.clipboard, u"");
}

TEST_F(Copy, ClipboardFailuresAreSilent) {
    h.controls.text1 = u"#123456";
    h.log.failing = {"ClipboardClear"};
    EXPECT_NO_THROW(h.form.Command1_Click());
    EXPECT_EQ(h.platform.clipboard, u"#123456");  // setting is still tried

    h.log.failing = {"ClipboardSetText"};
    EXPECT_NO_THROW(h.form.Command1_Click());
    EXPECT_FALSE(h.platform.clipboardHasText);

    h.log.failing = {"Text1_SelText"};
    EXPECT_NO_THROW(h.form.Command1_Click());
    EXPECT_EQ(h.log.Names().back(), "Text1_SelText");
}

TEST_F(Copy, SelectionFailuresEndTheHandler) {
    h.log.failing = {"set_Text1_SelStart"};
    EXPECT_THROW(h.form.Command1_Click(), PickerError);
    EXPECT_EQ(h.log.entries, (Entries{"set_Text1_SelStart 0"}));

    h.log.Clear();
    h.log.failing = {"set_Text1_SelLength"};
    EXPECT_THROW(h.form.Command1_Click(), PickerError);
    EXPECT_EQ(h.log.Names().back(), "set_Text1_SelLength");
}

}  // namespace
}  // namespace tintwell::testing
