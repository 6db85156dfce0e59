#include <gtest/gtest.h>

#include <cmath>

#include "harness.h"
#include "key_codes.h"
#include "picker_state.h"

namespace tintwell::testing {
namespace {

using Picks = LoadedPicker;

TEST_F(Picks, FieldPressInRedModeTakesTheFieldColourOver) {
    SetState(TableModeRed, 200, 100, 50);
    h.form.Picture1_mousedown(kLeftButton, 0, 10.0f, 20.0f);
    EXPECT_EQ(h.state().fieldX, 10);
    EXPECT_EQ(h.state().fieldY, 20);
    ExpectChannels(200, 235, 10);
    EXPECT_EQ(h.controls.text1, u"#C8EB0A");
    EXPECT_EQ(h.controls.label1Left, 5.0f);
    EXPECT_EQ(h.controls.label1Top, 15.0f);
}

TEST_F(Picks, FieldPressWithWebSafeTakesTheSnappedColour) {
    SetState(TableModeRed, 200, 100, 50);
    h.state().webSafe = 1;
    h.form.Picture1_mousedown(kLeftButton, 0, 10.0f, 20.0f);
    ExpectChannels(204, 255, 0);
    EXPECT_EQ(h.controls.text1, u"#CCFF00");
}

TEST_F(Picks, FieldPressInHueModeKeepsTheBaseHue) {
    SetState(TableModeHue, 200, 100, 50);
    h.form.Picture1_mousedown(kLeftButton, 0, 128.0f, 64.0f);
    ExpectChannels(200, 100, 50);
    EXPECT_EQ(h.state().hexText, "5F8EBF");
    EXPECT_EQ(h.controls.text1, u"#BF8E5F");
    EXPECT_EQ(h.controls.shape1FillColor, Rgb(191, 142, 95));
}

TEST_F(Picks, PositionsRoundToNearestWithHalvesToEven) {
    h.form.Picture1_mousedown(kLeftButton, 0, 10.5f, 11.5f);
    EXPECT_EQ(h.state().fieldX, 10);
    EXPECT_EQ(h.state().fieldY, 12);
    h.form.Picture2_mousedown(kLeftButton, 0, 3.0f, 42.5f);
    EXPECT_EQ(h.state().stripPos, 42);
}

TEST_F(Picks, StripPressSetsTheColourInEveryMode) {
    SetState(TableModeRed, 200, 100, 50);
    h.form.Picture2_mousedown(kLeftButton, 0, 5.0f, 0.0f);
    EXPECT_EQ(h.state().stripPos, 0);
    ExpectChannels(255, 100, 50);
    EXPECT_EQ(h.controls.text1, u"#FF6432");

    SetState(TableModeHue, 200, 100, 50);
    h.state().fieldX = 255;
    h.state().fieldY = 0;
    h.form.Picture2_mousedown(kLeftButton, 0, 5.0f, 85.0f);
    ExpectChannels(0, 0, 255);
    EXPECT_EQ(h.state().fieldX, 255);
    EXPECT_EQ(h.state().fieldY, 0);
    EXPECT_EQ(h.state().stripPos, 85);
    EXPECT_EQ(h.controls.text1, u"#0000FF");
    EXPECT_EQ(h.controls.label2Top, 86.0f);
}

TEST_F(Picks, AnyButtonPressesButOnlyTheLeftAloneDrags) {
    for (int16_t button : {kRightButton, kMiddleButton, int16_t(kLeftButton | kRightButton)}) {
        h.form.Picture1_mousedown(button, 0, 1.0f, 2.0f);
        EXPECT_EQ(h.state().fieldX, 1);
        h.state().fieldX = 0;
        h.log.Clear();
        h.form.Picture1_MouseMove(button, 0, 40.0f, 40.0f);
        h.form.Picture2_MouseMove(button, 0, 4.0f, 40.0f);
        h.form.Label1_Mousemove(button, 0, 40.0f, 40.0f);
        h.form.Label2_Mousemove(button, 0, 40.0f, 40.0f);
        EXPECT_TRUE(h.log.entries.empty()) << "button " << button;
        EXPECT_EQ(h.state().fieldX, 0);
    }
    h.form.Picture1_MouseMove(0, 0, 40.0f, 40.0f);
    EXPECT_TRUE(h.log.entries.empty());
}

TEST_F(Picks, DragsAreClampedToTheTables) {
    h.form.Picture1_MouseMove(kLeftButton, 0, -20.0f, 300.0f);
    EXPECT_EQ(h.state().fieldX, 0);
    EXPECT_EQ(h.state().fieldY, 255);
    h.form.Picture1_MouseMove(kLeftButton, 0, std::nanf(""), 1e30f);
    EXPECT_EQ(h.state().fieldX, 0);
    EXPECT_EQ(h.state().fieldY, 255);
    h.form.Picture2_MouseMove(kLeftButton, 0, 900.0f, -3.0f);
    EXPECT_EQ(h.state().stripPos, 0);
    h.form.Picture2_MouseMove(kLeftButton, 0, 0.0f, 256.4f);
    EXPECT_EQ(h.state().stripPos, 255);
}

TEST_F(Picks, MarkerPositionsAreConvertedFromTwips) {
    h.controls.label1Left = 45.0f;
    h.controls.label1Top = 95.0f;
    h.form.Label1_Mousemove(kLeftButton, 0, 75.0f, 75.0f);
    EXPECT_EQ(h.state().fieldX, 50);
    EXPECT_EQ(h.state().fieldY, 100);

    h.controls.label1Left = 95.0f;
    h.controls.label1Top = 45.0f;
    h.form.Label1_Mousedown(kRightButton, 0, 30.0f, 240.0f);
    EXPECT_EQ(h.state().fieldX, 97);
    EXPECT_EQ(h.state().fieldY, 61);

    h.controls.label2Top = 101.0f;
    h.form.Label2_Mousemove(kLeftButton, 0, 0.0f, 105.0f);
    EXPECT_EQ(h.state().stripPos, 100);
    h.controls.label2Top = 1.0f;
    h.form.Label2_Mousemove(kLeftButton, 0, 0.0f, 0.0f);
    EXPECT_EQ(h.state().stripPos, 0);
}

TEST_F(Picks, PressOnTheMarkerNearAnEdgeStaysOnTheField) {
    h.controls.label1Left = 250.0f;
    h.controls.label1Top = -5.0f;
    h.form.Label1_Mousedown(kLeftButton, 0, 240.0f, 15.0f);  // (266, -4) before clamping
    EXPECT_EQ(h.state().fieldX, 255);
    EXPECT_EQ(h.state().fieldY, 0);
    EXPECT_EQ(h.controls.label1Left, 250.0f);
    EXPECT_EQ(h.controls.label1Top, -5.0f);
}

TEST_F(Picks, FieldPicksCopyAfterTheRefreshOnlyWhenCheck2IsTicked) {
    h.form.Picture1_mousedown(kLeftButton, 0, 128.0f, 64.0f);

    EXPECT_EQ(h.platform.clipboard, u"old");

    // What is copied is the text the refresh shows for the new pick, not the one before.
    h.controls.check2 = 1;
    h.form.Picture1_mousedown(kLeftButton, 0, 255.0f, 0.0f);
    EXPECT_EQ(h.controls.text1, u"#FF0000");
    EXPECT_EQ(h.platform.clipboard, u"#FF0000");
    EXPECT_FALSE(h.platform.clipboardTransient);

    // Drag steps copy as text that clipboard history passes over; a press plainly.
    h.form.Picture1_MouseMove(kLeftButton, 0, 0.0f, 255.0f);
    EXPECT_EQ(h.platform.clipboard, u"#000000");
    EXPECT_TRUE(h.platform.clipboardTransient);
    h.form.Label1_Mousemove(kLeftButton, 0, 0.0f, 0.0f);
    EXPECT_EQ(h.platform.clipboard, h.controls.text1);
    EXPECT_TRUE(h.platform.clipboardTransient);
    h.form.Label1_Mousedown(kLeftButton, 0, 10.0f, 10.0f);
    EXPECT_EQ(h.platform.clipboard, h.controls.text1);
    EXPECT_FALSE(h.platform.clipboardTransient);
}

TEST_F(Picks, StripPicksNeverCopy) {
    h.controls.check2 = 1;
    h.form.Picture2_mousedown(kLeftButton, 0, 0.0f, 20.0f);
    h.form.Picture2_MouseMove(kLeftButton, 0, 0.0f, 30.0f);
    h.form.Label2_Mousemove(kLeftButton, 0, 0.0f, 30.0f);
    EXPECT_EQ(h.platform.clipboard, u"old");
    EXPECT_TRUE(h.platform.clipboardHasText);
}

}  // namespace
}  // namespace tintwell::testing
