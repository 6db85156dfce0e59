#include <gtest/gtest.h>

#include "harness.h"
#include "key_codes.h"
#include "pick_format.h"
#include "screen_square.h"
#include "text_encoding.h"

namespace tintwell::testing {
namespace {

class ScreenPick : public ::testing::Test {
  protected:
    void SetUp() override {
        h.Load();
        // Every pixel its own colour, so that a sample from the wrong place shows.
        h.platform.screen = [](ScreenPoint p) {
            return Rgb(0x12 + p.x % 0x40, 0x34 + p.y % 0x40, 0x56);
        };
        h.platform.cursor = {40, 30};
    }
    // What a sampling tick on the same screen shows in Text1: a pick shows alike
    // (in hue mode the table's nearest colour, not the pixel itself).
    std::u16string ShownBySample() {
        Harness sampled;
        sampled.Load();
        sampled.platform.screen = h.platform.screen;
        sampled.platform.cursor = h.platform.cursor;
        sampled.form.Timer1_Timer();
        return sampled.controls.text1;
    }
    Harness h;
};

TEST_F(ScreenPick, TakenCopiesThePixelInTheChosenFormatShowsItAndKeepsIt) {
    h.form.ScreenPickBegan();
    EXPECT_TRUE(h.form.screenPicking());
    h.form.ScreenPickTaken("rgb(r, g, b)");
    EXPECT_FALSE(h.form.screenPicking());
    EXPECT_EQ(h.platform.clipboard, u"rgb(58, 82, 86)");
    EXPECT_EQ(h.controls.text1, ShownBySample());
    ASSERT_FALSE(h.form.RecentEntries().empty());
    EXPECT_EQ(h.form.RecentEntries().front().colour, Rgb(0x3A, 0x52, 0x56));
    EXPECT_EQ(h.platform.keptRecent.front(), Rgb(0x3A, 0x52, 0x56));

    h.form.ScreenPickBegan();
    h.form.ScreenPickTaken("COLORREF");
    EXPECT_EQ(h.platform.clipboard, u"5657146") << "the COLORREF 0x56523A in decimal";
}

TEST_F(ScreenPick, TakenInAFormatPastTheMenusEightOrAUserTemplateByItsKey) {
    h.platform.templates = std::string("R={r} B={b}\nbroken {nope\n");
    const std::vector<std::string> keys = h.form.PickFormatKeys();
    ASSERT_EQ(keys.size(), kAllColourFormatCount + 1) << "the faulty line is not on offer";
    EXPECT_EQ(keys.back(), "R={r} B={b}");

    h.form.ScreenPickBegan();
    h.form.ScreenPickTaken("hsv()");
    EXPECT_EQ(h.platform.clipboard,
              Utf8ToUtf16(ColourFormatText(Rgb(0x3A, 0x52, 0x56), ColourFormat::Hsv)));

    h.form.ScreenPickBegan();
    h.form.ScreenPickTaken("R={r} B={b}");
    EXPECT_EQ(h.platform.clipboard, u"R=58 B=86");

    // The template gone, its key falls back to the default format.
    h.platform.templates.reset();
    h.form.ScreenPickBegan();
    h.form.ScreenPickTaken("R={r} B={b}");
    EXPECT_EQ(h.platform.clipboard, u"#3A5256");
}

TEST_F(ScreenPick, TakenWithAWiderSampleCopiesTheMean) {
    h.form.SetSampleSize(SampleSize::ThreeByThree);
    h.form.ScreenPickBegan();
    h.form.ScreenPickTaken(kDefaultPickFormatKey);
    // The columns 39..41 and rows 29..31 average to the middle pixel's channels.
    EXPECT_EQ(h.platform.clipboard, u"#3A5256");
    h.platform.cursor = {0, 0};
    h.platform.screen = [](ScreenPoint p) {
        return p.x == 0 && p.y == 0 ? Rgb(0x12, 0x34, 0x56) : Rgb(0x90, 0xA0, 0xB0);
    };
    h.form.ScreenPickBegan();
    h.form.ScreenPickTaken(kDefaultPickFormatKey);
    EXPECT_NE(h.platform.clipboard, u"#123456") << "a mean, not the pointer's pixel alone";
}

TEST_F(ScreenPick, CancelledChangesNothing) {
    const std::u16string shown = h.controls.text1;
    h.form.ScreenPickBegan();
    h.form.ScreenPickCancelled();
    EXPECT_FALSE(h.form.screenPicking());
    EXPECT_EQ(h.platform.clipboard, u"old");
    EXPECT_EQ(h.controls.text1, shown);
    EXPECT_TRUE(h.form.RecentEntries().empty());
    EXPECT_EQ(h.platform.keepCount, 0u);
}

TEST_F(ScreenPick, WithoutAPickUnderWayTheEndsDoNothing) {
    h.form.ScreenPickTaken(kDefaultPickFormatKey);
    h.form.ScreenPickToggleFreeze();
    EXPECT_EQ(h.platform.clipboard, u"old");
    EXPECT_EQ(h.platform.snapshots, 0);
}

TEST_F(ScreenPick, AFrozenPickTakesWhatItFrozeAndLetsTheSnapshotGo) {
    h.form.ScreenPickBegan();
    h.form.ScreenPickToggleFreeze();
    EXPECT_EQ(h.form.freezeState(), FreezeState::Frozen);
    h.platform.screen = [](ScreenPoint) { return Rgb(0x65, 0x43, 0x21); };
    h.form.ScreenPickTaken(kDefaultPickFormatKey);
    EXPECT_EQ(h.platform.clipboard, u"#3A5256");
    EXPECT_EQ(h.form.freezeState(), FreezeState::Live);
    EXPECT_EQ(h.form.FrozenBytes(), 0u);

    h.form.ScreenPickBegan();
    h.form.ScreenPickToggleFreeze();
    h.form.ScreenPickCancelled();
    EXPECT_EQ(h.form.freezeState(), FreezeState::Live);
}

TEST_F(ScreenPick, SamplingFrozenBeforeThePickStaysFrozenAfterIt) {
    h.controls.check3 = 1;
    h.form.Check3_Click();
    h.form.Form_KeyDown(kKeyF, kCtrlKey);
    ASSERT_EQ(h.form.freezeState(), FreezeState::Frozen);
    h.form.ScreenPickBegan();
    h.form.ScreenPickTaken(kDefaultPickFormatKey);
    EXPECT_EQ(h.form.freezeState(), FreezeState::Frozen);
    EXPECT_NE(h.controls.check3, 0) << "sampling goes on";
}

TEST_F(ScreenPick, ACopyThatFailsIsReportedAfterTheColourIsShownAndKept) {
    h.log.failing = {"ClipboardSetText"};
    h.form.ScreenPickBegan();
    EXPECT_THROW(h.form.ScreenPickTaken(kDefaultPickFormatKey), PickerError);
    EXPECT_FALSE(h.form.screenPicking());
    EXPECT_EQ(h.controls.text1, ShownBySample());
    ASSERT_FALSE(h.form.RecentEntries().empty());
    EXPECT_EQ(h.form.RecentEntries().front().colour, Rgb(0x3A, 0x52, 0x56));
}

}  // namespace
}  // namespace tintwell::testing
