#include <gtest/gtest.h>

#include <string>
#include <string_view>

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
    // A whole pick as the window runs it: begun in the format, taken, and copied once
    // the hooks have gone.
    void PickIn(std::string_view formatKey) {
        h.form.ScreenPickBegan(formatKey);
        ASSERT_TRUE(h.form.ScreenPickTaken());
        h.form.ScreenPickCopy();
    }
    Harness h;
};

TEST_F(ScreenPick, TakenCopiesThePixelInTheChosenFormatShowsItAndKeepsIt) {
    h.form.ScreenPickBegan("rgb(r, g, b)");
    EXPECT_TRUE(h.form.screenPicking());
    EXPECT_TRUE(h.form.ScreenPickTaken());
    EXPECT_FALSE(h.form.screenPicking());
    h.form.ScreenPickCopy();
    EXPECT_EQ(h.platform.clipboard, u"rgb(58, 82, 86)");
    EXPECT_EQ(h.controls.text1, ShownBySample());
    ASSERT_FALSE(h.form.RecentEntries().empty());
    EXPECT_EQ(h.form.RecentEntries().front().colour, Rgb(0x3A, 0x52, 0x56));
    EXPECT_EQ(h.platform.keptRecent.front(), Rgb(0x3A, 0x52, 0x56));

    PickIn("COLORREF");
    EXPECT_EQ(h.platform.clipboard, u"5657146") << "the COLORREF 0x56523A in decimal";
}

TEST_F(ScreenPick, TakenInAFormatPastTheMenusEightOrAUserTemplateByItsKey) {
    h.platform.templates = std::string("R={r} B={b}\nbroken {nope\n");
    const std::vector<std::string> keys = h.form.PickFormatKeys();
    ASSERT_EQ(keys.size(), kAllColourFormatCount + 1) << "the faulty line is not on offer";
    EXPECT_EQ(keys.back(), "R={r} B={b}");

    PickIn("hsv()");
    EXPECT_EQ(h.platform.clipboard,
              Utf8ToUtf16(ColourFormatText(Rgb(0x3A, 0x52, 0x56), ColourFormat::Hsv)));

    PickIn("R={r} B={b}");
    EXPECT_EQ(h.platform.clipboard, u"R=58 B=86");

    // The template gone, its key falls back to the default format.
    h.platform.templates.reset();
    PickIn("R={r} B={b}");
    EXPECT_EQ(h.platform.clipboard, u"#3A5256");
}

TEST_F(ScreenPick, TakenWithAWiderSampleCopiesTheMean) {
    h.form.SetSampleSize(SampleSize::ThreeByThree);
    PickIn(kDefaultPickFormatKey);
    // The columns 39..41 and rows 29..31 average to the middle pixel's channels.
    EXPECT_EQ(h.platform.clipboard, u"#3A5256");
    h.platform.cursor = {0, 0};
    h.platform.screen = [](ScreenPoint p) {
        return p.x == 0 && p.y == 0 ? Rgb(0x12, 0x34, 0x56) : Rgb(0x90, 0xA0, 0xB0);
    };
    PickIn(kDefaultPickFormatKey);
    EXPECT_NE(h.platform.clipboard, u"#123456") << "a mean, not the pointer's pixel alone";
}

TEST_F(ScreenPick, CancelledChangesNothing) {
    const std::u16string shown = h.controls.text1;
    h.form.ScreenPickBegan(kDefaultPickFormatKey);
    h.form.ScreenPickCancelled();
    h.form.ScreenPickCopy();
    EXPECT_FALSE(h.form.screenPicking());
    EXPECT_EQ(h.platform.clipboard, u"old");
    EXPECT_EQ(h.controls.text1, shown);
    EXPECT_TRUE(h.form.RecentEntries().empty());
    EXPECT_EQ(h.platform.keepCount, 0u);
}

TEST_F(ScreenPick, WithoutAPickUnderWayTheEndsDoNothing) {
    EXPECT_FALSE(h.form.ScreenPickTaken());
    h.form.ScreenPickCopy();
    h.form.ScreenPickToggleFreeze();
    EXPECT_EQ(h.platform.clipboard, u"old");
    EXPECT_EQ(h.platform.snapshots, 0);
}

TEST_F(ScreenPick, AFrozenPickTakesWhatItFrozeAndLetsTheSnapshotGo) {
    h.form.ScreenPickBegan(kDefaultPickFormatKey);
    h.form.ScreenPickToggleFreeze();
    EXPECT_EQ(h.form.freezeState(), FreezeState::Frozen);
    h.platform.screen = [](ScreenPoint) { return Rgb(0x65, 0x43, 0x21); };
    EXPECT_TRUE(h.form.ScreenPickTaken());
    h.form.ScreenPickCopy();
    EXPECT_EQ(h.platform.clipboard, u"#3A5256");
    EXPECT_EQ(h.form.freezeState(), FreezeState::Live);
    EXPECT_EQ(h.form.FrozenBytes(), 0u);

    h.form.ScreenPickBegan(kDefaultPickFormatKey);
    h.form.ScreenPickToggleFreeze();
    h.form.ScreenPickCancelled();
    EXPECT_EQ(h.form.freezeState(), FreezeState::Live);
}

TEST_F(ScreenPick, SamplingFrozenBeforeThePickStaysFrozenAfterIt) {
    h.controls.check3 = 1;
    h.form.Check3_Click();
    h.form.Form_KeyDown(kKeyF, kCtrlKey);
    ASSERT_EQ(h.form.freezeState(), FreezeState::Frozen);
    PickIn(kDefaultPickFormatKey);
    EXPECT_EQ(h.form.freezeState(), FreezeState::Frozen);
    EXPECT_NE(h.controls.check3, 0) << "sampling goes on";
}

TEST_F(ScreenPick, ACopyThatFailsIsReportedAfterTheColourIsShownAndKept) {
    h.log.failing = {"ClipboardSetText"};
    h.form.ScreenPickBegan(kDefaultPickFormatKey);
    EXPECT_TRUE(h.form.ScreenPickTaken());
    EXPECT_THROW(h.form.ScreenPickCopy(), PickerError);
    EXPECT_FALSE(h.form.screenPicking());
    EXPECT_EQ(h.controls.text1, ShownBySample());
    ASSERT_FALSE(h.form.RecentEntries().empty());
    EXPECT_EQ(h.form.RecentEntries().front().colour, Rgb(0x3A, 0x52, 0x56));
}

// The pick's hooks are held from its start until the releases it owes have come: its
// end must wait on no file, and the clipboard waits till the window has let them go.
TEST_F(ScreenPick, TheTemplatesAreReadAtTheStartAndTheTakeTouchesNoFileNorTheClipboard) {
    h.platform.templates = std::string("R={r} B={b}\n");
    h.form.ScreenPickBegan("R={r} B={b}");
    h.platform.templates = std::string("other {r}\n");
    h.log.Clear();
    ASSERT_TRUE(h.form.ScreenPickTaken());
    EXPECT_EQ(h.controls.text1, ShownBySample()) << "shown at once";
    EXPECT_EQ(h.platform.clipboard, u"old");
    EXPECT_TRUE(h.form.RecentEntries().empty());
    EXPECT_EQ(h.platform.keepCount, 0u) << "nor the history file";
    for (const std::string &name : h.log.Names()) {
        EXPECT_NE(name, "ReadCopyTemplates");
        EXPECT_EQ(name.rfind("Clipboard", 0), std::string::npos) << name;
    }

    h.form.ScreenPickCopy();
    EXPECT_EQ(h.platform.clipboard, u"R=58 B=86") << "the template as it was at the start";
    ASSERT_FALSE(h.form.RecentEntries().empty());
    EXPECT_EQ(h.form.RecentEntries().front().colour, Rgb(0x3A, 0x52, 0x56));
    h.form.ScreenPickCopy();
    EXPECT_EQ(h.form.RecentEntries().size(), 1u) << "one copy for one take";
}

}  // namespace
}  // namespace tintwell::testing
