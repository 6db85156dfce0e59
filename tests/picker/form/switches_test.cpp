#include <gtest/gtest.h>

#include "harness.h"
#include "picker_state.h"

namespace tintwell::testing {
namespace {

using Switches = LoadedPicker;

TEST_F(Switches, HueToRedTakesTheShownColourAndKeepsIt) {
    SetState(TableModeHue, 255, 0, 0);
    h.state().hexText = HexTextRule(Rgb(200, 100, 50));
    h.form.Option4_Click();
    EXPECT_EQ(h.state().tableMode, TableModeRed);
    ExpectChannels(200, 100, 50);
    EXPECT_EQ(h.controls.label1Left, 45.0f);
    EXPECT_EQ(h.controls.label1Top, 150.0f);
    EXPECT_EQ(h.controls.label2Top, 56.0f);
    EXPECT_EQ(h.controls.text1, u"#C86432");
    EXPECT_EQ(h.controls.shape1FillColor, Rgb(200, 100, 50));
}

TEST_F(Switches, RedToHueLocatesTheColour) {
    SetState(TableModeRed, 255, 128, 0);
    h.form.Option1_Click();
    EXPECT_EQ(h.state().tableMode, TableModeHue);
    ExpectChannels(255, 128, 0);
    EXPECT_EQ(h.state().fieldX, 255);
    EXPECT_EQ(h.state().fieldY, 0);
    EXPECT_EQ(h.state().stripPos, 234);
    EXPECT_EQ(h.controls.text1, u"#FF8000");

    SetState(TableModeRed, 200, 100, 100);
    h.form.Option1_Click();
    ExpectChannels(255, 0, 45);
    EXPECT_EQ(h.state().fieldX, 128);
    EXPECT_EQ(h.state().fieldY, 55);
    EXPECT_EQ(h.state().stripPos, 8);
    EXPECT_EQ(h.controls.text1, u"#C86375");
    EXPECT_EQ(h.state().hexText, "7563C8");
}

TEST_F(Switches, GreyToHueIsPureRedAtItsLevel) {
    SetState(TableModeBlue, 77, 77, 77);
    h.form.Option1_Click();
    ExpectChannels(255, 0, 0);
    EXPECT_EQ(h.state().fieldX, 0);
    EXPECT_EQ(h.state().fieldY, 178);
    EXPECT_EQ(h.state().stripPos, 0);
    EXPECT_EQ(h.controls.text1, u"#4D4D4D");
}

TEST_F(Switches, BetweenChannelModesOnlyTheAxesMove) {
    SetState(TableModeRed, 0x12, 0x34, 0x56);
    h.state().hexText = "000000";  // not consulted between channel modes
    h.form.Option5_Click();
    EXPECT_EQ(h.state().tableMode, TableModeGreen);
    ExpectChannels(0x12, 0x34, 0x56);
    EXPECT_EQ(h.controls.label1Left, 0x56 - 5.0f);
    EXPECT_EQ(h.controls.label1Top, 255 - 0x12 - 5.0f);
    EXPECT_EQ(h.controls.label2Top, 256.0f - 0x34);
    h.form.Option6_Click();
    EXPECT_EQ(h.state().tableMode, TableModeBlue);
    ExpectChannels(0x12, 0x34, 0x56);
    EXPECT_EQ(h.controls.label1Left, 0x12 - 5.0f);
    EXPECT_EQ(h.controls.label1Top, 255 - 0x34 - 5.0f);
    EXPECT_EQ(h.controls.label2Top, 256.0f - 0x56);
    EXPECT_EQ(h.controls.text1, u"#123456");
}

TEST_F(Switches, SameModeAgainOnlyRefreshes) {
    SetState(TableModeHue, 255, 0, 0);
    h.state().fieldX = 17;
    h.state().fieldY = 33;
    h.state().stripPos = 201;
    h.state().hexText = "000000";
    h.form.Option1_Click();
    ExpectChannels(255, 0, 0);
    EXPECT_EQ(h.state().fieldX, 17);
    EXPECT_EQ(h.state().fieldY, 33);
    EXPECT_EQ(h.state().stripPos, 201);
    EXPECT_EQ(h.log.Names().front(), "Picture1_hDC");
}

TEST_F(Switches, WebSafeSnapsTheDisplayButNotTheChannels) {
    SetState(TableModeRed, 200, 100, 50);
    h.controls.check4 = 1;
    h.form.Check4_Click();
    EXPECT_EQ(h.state().webSafe, 1);
    ExpectChannels(200, 100, 50);
    EXPECT_EQ(h.controls.text1, u"#CC6633");
    EXPECT_EQ(h.controls.label1Left, 45.0f);
    EXPECT_EQ(h.controls.label1Top, 150.0f);
    EXPECT_EQ(h.controls.label2Top, 56.0f);
    // Every drawn field pixel is on a web-safe level.
    for (uint32_t pixel : h.controls.picture1.pixels) {
        for (int shift : {0, 8, 16}) ASSERT_EQ(((pixel >> shift) & 0xFFu) % 51u, 0u);
    }
    h.controls.check4 = 0;
    h.form.Check4_Click();
    EXPECT_EQ(h.state().webSafe, 0);
    EXPECT_EQ(h.controls.text1, u"#C86432");
}

TEST_F(Switches, WebSafeHoldsTheCheckBoxValueAsRead) {
    h.controls.check4 = -1;
    h.form.Check4_Click();
    EXPECT_EQ(h.state().webSafe, -1);
}

}  // namespace
}  // namespace tintwell::testing
