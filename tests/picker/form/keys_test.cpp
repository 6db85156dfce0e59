#include <gtest/gtest.h>

#include <algorithm>

#include "harness.h"
#include "key_codes.h"
#include "picker_state.h"

namespace tintwell::testing {
namespace {

// Everything a pick changes that the user can see or paste, and the state behind it.
struct Outcome {
    PickerState state;
    std::u16string text1;
    ColorRef swatch;
    float ringLeft, ringTop;
    ColorRef ringColour;
    float arrowTop;
    std::u16string clipboard;
};

Outcome OutcomeOf(Harness &h) {
    return Outcome{h.state(),
                   h.controls.text1,
                   h.controls.shape1FillColor,
                   h.controls.label1Left,
                   h.controls.label1Top,
                   h.controls.label1ForeColor,
                   h.controls.label2Top,
                   h.platform.clipboard};
}

::testing::AssertionResult SameOutcome(Harness &keys, Harness &mouse) {
    const Outcome a = OutcomeOf(keys);
    const Outcome b = OutcomeOf(mouse);
    const bool same = a.state.tableMode == b.state.tableMode && a.state.red == b.state.red &&
                      a.state.green == b.state.green && a.state.blue == b.state.blue &&
                      a.state.hexText == b.state.hexText && a.state.fieldX == b.state.fieldX &&
                      a.state.fieldY == b.state.fieldY && a.state.stripPos == b.state.stripPos &&
                      a.text1 == b.text1 && a.swatch == b.swatch && a.ringLeft == b.ringLeft &&
                      a.ringTop == b.ringTop && a.ringColour == b.ringColour &&
                      a.arrowTop == b.arrowTop && a.clipboard == b.clipboard;
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "keys: point (" << a.state.fieldX << ", " << a.state.fieldY << ") row "
           << a.state.stripPos << " text " << Utf8(a.text1) << " clipboard " << Utf8(a.clipboard)
           << "; mouse: point (" << b.state.fieldX << ", " << b.state.fieldY << ") row "
           << b.state.stripPos << " text " << Utf8(b.text1) << " clipboard " << Utf8(b.clipboard);
}

// Two pickers side by side: one worked with keys, one with presses where the keys
// should have pressed.
class Keys : public ::testing::Test {
  protected:
    void SetUp() override {
        keys.Load();
        mouse.Load();
    }

    void Both(void (Form::*handler)()) {
        (keys.form.*handler)();
        (mouse.form.*handler)();
    }
    void PressFieldInBoth(int x, int y) {
        keys.form.Picture1_mousedown(kLeftButton, 0, float(x), float(y));
        mouse.form.Picture1_mousedown(kLeftButton, 0, float(x), float(y));
    }
    void PressStripInBoth(int row) {
        keys.form.Picture2_mousedown(kLeftButton, 0, 9.0f, float(row));
        mouse.form.Picture2_mousedown(kLeftButton, 0, 9.0f, float(row));
    }

    // One key in the field against a press at (x, y).
    ::testing::AssertionResult FieldKey(int16_t key, int16_t shift, int x, int y) {
        keys.form.Picture1_KeyDown(key, shift);
        mouse.form.Picture1_mousedown(kLeftButton, 0, float(x), float(y));
        return SameOutcome(keys, mouse);
    }
    ::testing::AssertionResult StripKey(int16_t key, int16_t shift, int row) {
        keys.form.Picture2_KeyDown(key, shift);
        mouse.form.Picture2_mousedown(kLeftButton, 0, 9.0f, float(row));
        return SameOutcome(keys, mouse);
    }

    size_t Count(Harness &h, const std::string &name) {
        const auto names = h.log.Names();
        return static_cast<size_t>(std::count(names.begin(), names.end(), name));
    }

    Harness keys;
    Harness mouse;
};

TEST_F(Keys, FieldStepsInHueModeArePressesOneOrTenPixelsAwayClampedAtTheEdges) {
    PressStripInBoth(100);
    PressFieldInBoth(100, 60);
    EXPECT_TRUE(FieldKey(kKeyRight, 0, 101, 60));
    EXPECT_TRUE(FieldKey(kKeyDown, kShiftKey, 101, 70));
    EXPECT_TRUE(FieldKey(kKeyLeft, kShiftKey, 91, 70));
    EXPECT_TRUE(FieldKey(kKeyUp, 0, 91, 69));
    EXPECT_TRUE(FieldKey(kKeyEnd, 0, 255, 69));
    EXPECT_TRUE(FieldKey(kKeyRight, 0, 255, 69)) << "held against the right edge";
    EXPECT_TRUE(FieldKey(kKeyHome, kShiftKey, 0, 69));
    EXPECT_TRUE(FieldKey(kKeyLeft, kShiftKey, 0, 69)) << "held against the left edge";
    PressFieldInBoth(3, 4);
    EXPECT_TRUE(FieldKey(kKeyUp, kShiftKey, 3, 0)) << "ten up from row 4 stops at row 0";
    PressFieldInBoth(250, 251);
    EXPECT_TRUE(FieldKey(kKeyDown, kShiftKey, 250, 255));
    EXPECT_TRUE(FieldKey(kKeyRight, kShiftKey, 255, 255));
    EXPECT_EQ(keys.state().red, mouse.state().red) << "hue mode keeps the base hue";
}

TEST_F(Keys, FieldStepsInAChannelModeTakeTheColourOverAsPressesDo) {
    Both(&Form::Option5_Click);
    PressFieldInBoth(40, 200);
    EXPECT_TRUE(FieldKey(kKeyUp, kShiftKey, 40, 190));
    EXPECT_TRUE(FieldKey(kKeyRight, 0, 41, 190));
    EXPECT_TRUE(FieldKey(kKeyHome, 0, 0, 190));
    EXPECT_TRUE(FieldKey(kKeyLeft, 0, 0, 190));
    EXPECT_EQ(keys.state().blue, 0);
    EXPECT_EQ(keys.state().red, 255 - 190) << "green mode: the row is red's level";
}

TEST_F(Keys, FieldStepsCopyWhenCheck2IsTickedAndOnlyThen) {
    keys.form.Picture1_KeyDown(kKeyRight, 0);
    EXPECT_EQ(Count(keys, "ClipboardSetText"), 0u);
    keys.controls.check2 = 1;
    mouse.controls.check2 = 1;
    EXPECT_TRUE(FieldKey(kKeyDown, kShiftKey, 1, 10));
    EXPECT_EQ(keys.platform.clipboard, keys.controls.text1);
    EXPECT_NE(keys.platform.clipboard, u"old");
}

TEST_F(Keys, WithWebSafeChannelStepsWalkFromThePickedPlaceOutOfItsCell) {
    keys.controls.check4 = 1;
    mouse.controls.check4 = 1;
    Both(&Form::Check4_Click);
    Both(&Form::Option4_Click);
    PressFieldInBoth(10, 20);
    ASSERT_EQ(keys.state().blue, 0) << "column 10 snaps to blue 0, where the ring goes";
    for (int x = 11; x <= 26; ++x) ASSERT_TRUE(FieldKey(kKeyRight, 0, x, 20)) << x;
    EXPECT_EQ(keys.state().blue, 51) << "column 26 is the first to snap to 51";
    for (int row = 21; row <= 40; ++row) ASSERT_TRUE(FieldKey(kKeyDown, 0, 26, row)) << row;

    PressStripInBoth(10);
    ASSERT_EQ(keys.state().red, 255) << "row 10 snaps to red 255, where the arrow goes";
    for (int row = 11; row <= 30; ++row) ASSERT_TRUE(StripKey(kKeyDown, 0, row)) << row;
    EXPECT_EQ(keys.state().red, 204);
}

TEST_F(Keys, AfterAModeSwitchStepsStartWhereTheRingIs) {
    PressFieldInBoth(100, 60);
    Both(&Form::Option4_Click);  // the ring now marks blue across, green up
    const int ringX = keys.state().blue;
    const int ringY = 255 - keys.state().green;
    ASSERT_NE(ringX, keys.state().fieldX);
    EXPECT_TRUE(FieldKey(kKeyLeft, 0, ringX - 1, ringY));

    Both(&Form::Option1_Click);
    keys.state().hexText = mouse.state().hexText = HexTextRule(Rgb(0x12, 0x34, 0x56));
    Both(&Form::LocateColor);
    EXPECT_TRUE(FieldKey(kKeyUp, 0, keys.state().fieldX, keys.state().fieldY - 1));
}

TEST_F(Keys, StripStepsInHueModeArePressesOnTheRowsTheyReach) {
    PressFieldInBoth(120, 30);
    EXPECT_TRUE(StripKey(kKeyDown, 0, 1));
    EXPECT_TRUE(StripKey(kKeyDown, kShiftKey, 17));
    EXPECT_TRUE(StripKey(kKeyPageDown, 0, 33));
    EXPECT_TRUE(StripKey(kKeyUp, 0, 32));
    EXPECT_TRUE(StripKey(kKeyPageUp, 0, 16));
    EXPECT_TRUE(StripKey(kKeyUp, kShiftKey, 0));
    EXPECT_TRUE(StripKey(kKeyUp, 0, 0)) << "held against the top";
    EXPECT_TRUE(StripKey(kKeyEnd, 0, 255));
    EXPECT_TRUE(StripKey(kKeyPageDown, 0, 255)) << "held against the bottom";
    EXPECT_TRUE(StripKey(kKeyHome, 0, 0));
    EXPECT_EQ(keys.state().fieldX, 120) << "the field point stays";
}

TEST_F(Keys, StripStepsInAChannelModeStartAtTheArrowAndNeverCopy) {
    keys.controls.check2 = 1;
    mouse.controls.check2 = 1;
    PressFieldInBoth(60, 20);
    Both(&Form::Option6_Click);
    const int arrowRow = 255 - keys.state().blue;
    ASSERT_NE(arrowRow, keys.state().stripPos);
    keys.platform.clipboard = mouse.platform.clipboard = u"old";
    keys.log.Clear();
    EXPECT_TRUE(StripKey(kKeyDown, 0, arrowRow + 1));
    EXPECT_TRUE(StripKey(kKeyUp, kShiftKey, arrowRow + 1 - 16));
    EXPECT_EQ(Count(keys, "Check2_Value"), 0u);
    EXPECT_EQ(keys.platform.clipboard, u"old");
}

TEST_F(Keys, OtherKeysAndKeysWithCtrlOrAltDoNothing) {
    for (int16_t key : {kKeyLeft, kKeyUp, kKeyHome, kKeyPageDown}) {
        keys.form.Picture1_KeyDown(key, kCtrlKey);
        keys.form.Picture2_KeyDown(key, kAltKey | kShiftKey);
    }
    keys.form.Picture1_KeyDown(kKeyPageUp, 0);
    keys.form.Picture1_KeyDown(0x41, kShiftKey);
    keys.form.Picture2_KeyDown(kKeyLeft, 0);
    keys.form.Picture2_KeyDown(kKeyRight, 0);
    EXPECT_TRUE(keys.log.entries.empty());
}

TEST_F(Keys, AFailingStepEndsLikeAFailingPress) {
    keys.log.failing.insert("set_Text1_Text");
    EXPECT_THROW(keys.form.Picture1_KeyDown(kKeyDown, 0), PickerError);
    EXPECT_EQ(keys.state().fieldY, 1) << "the point written before the failure stays";
}

}  // namespace
}  // namespace tintwell::testing
