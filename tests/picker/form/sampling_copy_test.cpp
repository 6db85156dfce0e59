#include <gtest/gtest.h>

#include <vector>

#include "harness.h"
#include "key_codes.h"
#include "picker_state.h"

namespace tintwell::testing {
namespace {

class Sampling : public ::testing::Test {
  protected:
    void SetUp() override { h.Load(); }
    Harness h;
};

TEST_F(Sampling, InHueModeASampleIsLocated) {
    h.platform.screenPixel = Rgb(255, 128, 0);
    h.form.Timer1_Timer();
    EXPECT_EQ(h.platform.reads, 1);
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

    h.controls.check1 = 1;
    h.form.Check1_Click();
    EXPECT_EQ(h.platform.topmost, true);
    EXPECT_EQ(h.platform.topmostWindow, h.controls.window);
    h.controls.check1 = 0;
    h.form.Check1_Click();
    EXPECT_EQ(h.platform.topmost, false);
}

TEST_F(Sampling, EscTakesOneSampleThenStopsAsClearingCheck3Does) {
    h.state().tableMode = TableModeGreen;
    h.controls.check3 = 1;
    h.form.Check3_Click();
    h.controls.check2 = 1;
    h.platform.screenPixel = Rgb(0x12, 0x34, 0x56);
    h.form.Form_KeyDown(kKeyEscape, kShiftKey);
    EXPECT_EQ(h.platform.reads, 1) << "one sample";
    EXPECT_EQ(h.controls.text1, u"#123456");
    EXPECT_EQ(h.state().green, 0x34);
    EXPECT_EQ(h.controls.check3, 0);
    EXPECT_EQ(h.controls.timer1Interval, 0);
    EXPECT_FALSE(h.controls.sampling) << "the loupe goes, as with the box cleared";
    EXPECT_EQ(h.platform.clipboard, u"old") << "Esc never copies";
    // As clearing the box does, the colour sampling stopped on is recent.
    ASSERT_EQ(h.form.RecentEntries().size(), 1u);
    EXPECT_EQ(h.form.RecentEntries()[0].colour, Rgb(0x12, 0x34, 0x56));
}

TEST_F(Sampling, EscStopsEvenWhenTheSampleFailsAndOtherwiseDoesNothing) {
    h.controls.check3 = 1;
    h.log.failing = {"set_Text1_Text"};
    EXPECT_THROW(h.form.Form_KeyDown(kKeyEscape, 0), PickerError);
    EXPECT_EQ(h.controls.check3, 0);
    EXPECT_EQ(h.controls.timer1Interval, 0);

    h.log.failing.clear();
    const int reads = h.platform.reads;
    const std::u16string shown = h.controls.text1;
    h.form.Form_KeyDown(kKeyEscape, 0);
    EXPECT_EQ(h.platform.reads, reads) << "sampling off: nothing";
    EXPECT_EQ(h.controls.text1, shown);

    h.controls.check3 = 1;
    h.controls.timer1Interval = 100;
    h.platform.screenPixel = Rgb(0x12, 0x34, 0x56);
    h.form.Form_KeyDown(kKeyEscape, kCtrlKey);
    h.form.Form_KeyDown(kKeyEscape, kAltKey);
    h.form.Form_KeyDown(kKeyHome, 0);
    EXPECT_EQ(h.platform.reads, reads);
    EXPECT_EQ(h.controls.text1, shown);
    EXPECT_EQ(h.controls.check3, 1);
    EXPECT_EQ(h.controls.timer1Interval, 100);
}

class Copy : public ::testing::Test {
  protected:
    Harness h{"never-loaded"};
};

TEST_F(Copy, SelectsTheWholeTextAndPutsItOnTheClipboard) {
    h.controls.text1 = u"#12AB56";
    h.controls.selStart = 3;
    h.form.Command1_Click();
    EXPECT_EQ(h.controls.selStart, 0);
    EXPECT_EQ(h.controls.selLength, 7);
    EXPECT_EQ(h.platform.clipboard, u"#12AB56");
    EXPECT_FALSE(h.platform.clipboardTransient);
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

    // The clipboard was emptied; the text that could not be had never reaches it.
    h.platform.clipboard = u"old";
    h.platform.clipboardHasText = true;
    h.log.failing = {"Text1_SelText"};
    EXPECT_NO_THROW(h.form.Command1_Click());
    EXPECT_FALSE(h.platform.clipboardHasText);
    EXPECT_EQ(h.platform.clipboard, u"");
}

TEST_F(Copy, SelectionFailuresEndTheHandler) {
    h.controls.text1 = u"#123456";
    h.controls.selLength = 2;
    h.log.failing = {"set_Text1_SelStart"};
    EXPECT_THROW(h.form.Command1_Click(), PickerError);
    EXPECT_EQ(h.controls.selLength, 2) << "the selection was not reached";
    EXPECT_EQ(h.platform.clipboard, u"old");
    EXPECT_TRUE(h.platform.clipboardHasText);

    h.log.failing = {"set_Text1_SelLength"};
    EXPECT_THROW(h.form.Command1_Click(), PickerError);
    EXPECT_EQ(h.platform.clipboard, u"old") << "nothing half-selected is copied";
    EXPECT_TRUE(h.platform.clipboardHasText);
}

}  // namespace
}  // namespace tintwell::testing
