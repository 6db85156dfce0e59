#include <gtest/gtest.h>

#include <vector>

#include "harness.h"
#include "picker_state.h"

namespace tintwell::testing {
namespace {

using Entries = std::vector<std::string>;

TEST(Startup, CreatedStateIsZero) {
    Harness h("never-loaded");
    const PickerState &s = h.state();
    EXPECT_EQ(s.tableMode, 0);
    EXPECT_EQ(s.red + s.green + s.blue + s.fieldX + s.fieldY + s.stripPos + s.webSafe, 0);
    EXPECT_TRUE(s.hexText.empty());
}

TEST(Startup, FormLoadShowsWhiteInHueModeWithoutRefreshing) {
    Harness h;
    h.form.Form_Load();
    const PickerState &s = h.state();
    EXPECT_EQ(s.tableMode, TableModeHue);
    EXPECT_EQ(s.red, 255);
    EXPECT_EQ(s.green, 255);
    EXPECT_EQ(s.blue, 255);
    EXPECT_EQ(s.hexText, "FFFFFF");
    EXPECT_EQ(s.fieldX, 0);
    EXPECT_EQ(s.fieldY, 0);
    EXPECT_EQ(s.stripPos, 0);
    EXPECT_EQ(s.webSafe, 0);
    EXPECT_EQ(h.controls.text1, u"#FFFFFF");
    EXPECT_EQ(h.controls.shape1FillColor, kWhite);
    EXPECT_FALSE(h.controls.option2Enabled);
    EXPECT_FALSE(h.controls.option3Enabled);
    // The markers stay where the window created them, in their creation colour.
    EXPECT_EQ(h.controls.label1Left, -5.0f);
    EXPECT_EQ(h.controls.label1Top, -5.0f);
    EXPECT_EQ(h.controls.label2Top, 1.0f);
    EXPECT_EQ(h.controls.label1ForeColor, 0x80000012u);
    // Both tables are in the images: the field's top-right corner is pure red (white
    // is located as red), the strip shows pure blue on row 85.
    EXPECT_EQ(h.controls.picture1.pixels[255], 0xFFFF0000u);
    EXPECT_EQ(h.controls.picture2.pixels[85 * 18 + 4], 0xFF0000FFu);
}

TEST(Startup, FormLoadStepsInOrderAndTheFirstDrawsIgnoreCheck4) {
    SpiedHarness h(SpyPath());
    h.controls.check4 = 1;
    h.form.Form_Load();
    EXPECT_EQ(h.log.entries, (Entries{
                                 "set_Shape1_FillColor FFFFFF",
                                 "Picture1_hDC",
                                 "DrawColorTable FFFFFF 0 0 0 0",
                                 "Picture2_hDC",
                                 "DrawColorTable2 FFFFFF 0 0 0 0",
                                 "set_Option2_Enabled 0",
                                 "set_Option3_Enabled 0",
                                 "set_Text1_Text #FFFFFF",
                                 "Check4_Value",
                             }));
    EXPECT_EQ(h.state().webSafe, 1);
}

}  // namespace
}  // namespace tintwell::testing
