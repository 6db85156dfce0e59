// The copy button's menu, the recent colours and the copies of a drag, on the real
// engine behind the fake window.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "colour_description.h"
#include "harness.h"
#include "key_codes.h"
#include "picker_state.h"

namespace tintwell::testing {
namespace {

class CopyMenuTest : public LoadedPicker {
  protected:
    std::vector<ColorRef> Recent() {
        std::vector<ColorRef> colours;
        for (const RecentColour &entry : h.form.RecentEntries()) colours.push_back(entry.colour);
        return colours;
    }
    size_t Count(const std::string &name) {
        const auto names = h.log.Names();
        return static_cast<size_t>(std::count(names.begin(), names.end(), name));
    }
    // One tick of screen sampling over a pixel of this colour.
    void Sample(ColorRef colour) {
        h.platform.screenPixel = colour;
        h.form.Timer1_Timer();
    }
};

TEST_F(CopyMenuTest, ItemsAreTheSwatchColourAndAChoiceCopiesOnlyItsText) {
    SetState(TableModeRed, 0x1A, 0x2B, 0x3C);
    h.form.RefreshPicker();
    h.controls.text1 = u"typed";  // the box may hold anything; the swatch counts
    const Form::CopyMenu &menu = h.form.Command1_ContextMenu();
    EXPECT_EQ(menu.formats[4], "hsl(210, 40%, 17%)");
    EXPECT_EQ(menu.formats[6], "&H3C2B1A&");

    const PickerState before = h.state();
    h.log.Clear();
    h.form.CopyMenu_FormatClick(6);
    EXPECT_EQ(h.log.entries,
              (std::vector<std::string>{"ClipboardClear", "ClipboardSetText &H3C2B1A&"}))
        << "no control is read or written";
    EXPECT_EQ(h.platform.clipboard, u"&H3C2B1A&");
    EXPECT_EQ(h.controls.text1, u"typed");
    EXPECT_EQ(h.state().hexText, before.hexText);
    EXPECT_EQ(h.state().fieldX, before.fieldX);
    EXPECT_EQ(Recent(), (std::vector<ColorRef>{Rgb(0x1A, 0x2B, 0x3C)}));

    h.log.failing = {"ClipboardClear", "ClipboardSetText"};
    EXPECT_NO_THROW(h.form.CopyMenu_FormatClick(0));
    EXPECT_NO_THROW(h.form.CopyMenu_FormatClick(kColourFormatCount));
    EXPECT_EQ(Recent().size(), 1u) << "what never reached the clipboard is not recent";
}

TEST_F(CopyMenuTest, ChoicesReferToTheMenuAsItWasOpened) {
    SetState(TableModeGreen, 0x12, 0x34, 0x56);
    h.form.RefreshPicker();
    h.form.Command1_ContextMenu();
    Sample(Rgb(0x65, 0x43, 0x21));  // lands while the menu is open
    h.form.CopyMenu_FormatClick(2);
    EXPECT_EQ(h.platform.clipboard, u"rgb(18, 52, 86)");
    EXPECT_EQ(Recent(), (std::vector<ColorRef>{Rgb(0x12, 0x34, 0x56)}));
}

TEST_F(CopyMenuTest, CopiesAndAStoppedSampleEnterTheListButTextsThatAreNoColourDoNot) {
    h.controls.check2 = 1;
    h.form.Picture1_KeyDown(39, 0);  // Right: a key step copies and counts at once
    const ColorRef stepped = *ColourOfDisplayText(h.controls.text1);
    EXPECT_EQ(Recent(), (std::vector<ColorRef>{stepped}));

    h.controls.text1 = u"#abcdef";
    h.form.Command1_Click();
    h.controls.text1 = u"not a colour";
    h.form.Command1_Click();
    EXPECT_EQ(h.platform.clipboard, u"not a colour");
    EXPECT_EQ(Recent(), (std::vector<ColorRef>{Rgb(0xAB, 0xCD, 0xEF), stepped}));

    h.controls.check3 = 1;
    h.form.Check3_Click();
    Sample(Rgb(0x12, 0x34, 0x56));
    const ColorRef shown = *ColourOfDisplayText(h.controls.text1);
    EXPECT_EQ(Recent().size(), 2u) << "a sample is not recent until sampling stops on it";
    h.controls.check3 = 0;
    h.form.Check3_Click();
    EXPECT_EQ(h.controls.timer1Interval, 0);
    EXPECT_EQ(Recent(), (std::vector<ColorRef>{shown, Rgb(0xAB, 0xCD, 0xEF), stepped}));
    EXPECT_FALSE(h.form.RecentEntries()[0].origin);
}

TEST_F(CopyMenuTest, ADragCopiesPastTheHistoryAndCountsOnceWithItsFinalColour) {
    h.controls.check2 = 1;
    h.form.Picture1_mousedown(kLeftButton, 0, 10.0f, 10.0f);
    EXPECT_FALSE(h.platform.clipboardTransient) << "a press copies as ever";
    h.form.Picture1_MouseMove(kLeftButton, 0, 100.0f, 100.0f);
    h.form.Label1_Mousemove(kLeftButton, 0, 0.0f, 0.0f);
    h.form.Picture1_MouseMove(kLeftButton, 0, 200.0f, 50.0f);
    EXPECT_TRUE(h.platform.clipboardTransient);
    const std::u16string final = h.controls.text1;
    EXPECT_EQ(h.platform.clipboard, final);

    h.log.Clear();
    h.form.FieldGestureEnded();
    EXPECT_EQ(Count("ClipboardSetText"), 1u);
    EXPECT_EQ(h.platform.clipboard, final);
    EXPECT_FALSE(h.platform.clipboardTransient);
    EXPECT_EQ(Recent(), (std::vector<ColorRef>{*ColourOfDisplayText(final)}));

    // A press alone: its copy was plain already, and it counts when the mouse lets go.
    h.log.Clear();
    h.form.Picture1_mousedown(kLeftButton, 0, 30.0f, 200.0f);
    h.form.FieldGestureEnded();
    h.form.FieldGestureEnded();
    EXPECT_EQ(Count("ClipboardSetText"), 1u);
    EXPECT_EQ(Recent().size(), 2u);
}

// Bringing colours back in hue mode and in a channel mode is shown end to end; here,
// the case the end-to-end suite leaves out.
TEST_F(CopyMenuTest, APickMadeWithOtherWebSafeSettingComesBackAsASample) {
    SetState(TableModeBlue, 200, 100, 50);
    h.form.Picture1_mousedown(kLeftButton, 0, 10.0f, 20.0f);
    h.form.Command1_Click();
    const ColorRef unsnapped = h.form.RecentEntries()[0].colour;
    h.controls.check4 = 1;
    h.form.Check4_Click();
    h.platform.clipboard = u"left";
    h.form.Command1_ContextMenu();
    h.form.CopyMenu_RecentClick(0);
    ExpectChannels(unsnapped & 0xFF, (unsnapped >> 8) & 0xFF, unsnapped >> 16);
    EXPECT_EQ(h.platform.clipboard, u"left") << "choosing a recent colour does not copy";
}

TEST_F(CopyMenuTest, ARecentColourChosenWhileSamplingStopsSamplingAndStays) {
    SetState(TableModeRed, 0x12, 0x34, 0x56);
    h.form.RefreshPicker();
    h.form.Command1_Click();
    h.controls.check3 = 1;
    h.form.Check3_Click();
    Sample(Rgb(0x65, 0x43, 0x21));
    ASSERT_EQ(h.platform.reads, 1) << "the tick read the screen";
    // A read on the way would show the pixel under the pointer, not the colour chosen.
    h.platform.screenPixel = Rgb(0x0F, 0x1E, 0x2D);
    h.form.Command1_ContextMenu();
    h.form.CopyMenu_RecentClick(0);
    EXPECT_EQ(h.controls.check3, 0);
    EXPECT_EQ(h.controls.timer1Interval, 0);
    EXPECT_EQ(h.platform.reads, 1) << "no sample is taken on the way";
    EXPECT_EQ(h.platform.snapshots, 0);
    EXPECT_EQ(h.controls.text1, u"#123456");
    // As clearing the box does, the colour sampling stopped on is kept too.
    EXPECT_EQ(Recent(), (std::vector<ColorRef>{Rgb(0x65, 0x43, 0x21), Rgb(0x12, 0x34, 0x56)}));
}

TEST_F(CopyMenuTest, TheMenuDescribesTheColourAgainstTheNewestOtherRecentOne) {
    SetState(TableModeRed, 0xFF, 0xFF, 0xFF);
    h.form.RefreshPicker();
    EXPECT_EQ(h.form.Command1_ContextMenu().description.size(), 2u) << "nothing before it";
    h.form.Command1_Click();
    EXPECT_EQ(h.form.Command1_ContextMenu().description.size(), 2u) << "itself is no previous";

    SetState(TableModeRed, 0x77, 0x77, 0x77);
    h.form.RefreshPicker();
    h.form.Command1_Click();
    const std::vector<std::string> lines = h.form.Command1_ContextMenu().description;
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "#FFFFFF と 4.4:1 AA 大");
    EXPECT_EQ(lines, h.form.ShownColourDescription());

    h.state().hexText = "XYZ";
    EXPECT_TRUE(h.form.ShownColourDescription().empty());
}

// The window compares the key after every event and builds the text only when it
// changed: a key blind to something the lines show would leave a stale description,
// and one that changes for nothing would build text for nothing.
TEST_F(CopyMenuTest, TheDescriptionsKeyChangesExactlyWhenItsLinesDo) {
    const ColorRef a = Rgb(0x12, 0x34, 0x56);
    const ColorRef b = Rgb(0xFE, 0xDC, 0xBA);
    const ColorRef c = Rgb(0x00, 0x80, 0x80);
    auto paste = [&](const std::u16string &text) {
        h.platform.clipboard = text;
        h.platform.clipboardHasText = true;
        h.form.PasteColour();
    };
    struct Step {
        const char *what;
        std::function<void()> run;
    };
    const Step steps[] = {
        {"a sample", [&] { Sample(a); }},
        {"the same sample again", [&] { Sample(a); }},
        {"copied: itself is no previous", [&] { h.form.Command1_Click(); }},
        {"another colour, against the copied one", [&] { Sample(b); }},
        {"copied too", [&] { h.form.Command1_Click(); }},
        {"a third colour, against the second", [&] { Sample(c); }},
        {"the colour before it changes alone", [&] { h.form.RestoreRecentColours({a}); }},
        {"a colour from outside sRGB", [&] { paste(u"color(display-p3 0 1 0)"); }},
        {"the same colour sampled: no longer brought in", [&] { Sample(*h.form.ShownColour()); }},
        {"no colour shown", [&] { h.state().hexText = "XYZ"; }},
        {"a colour again", [&] { Sample(c); }},
    };
    std::optional<ColourDescriptionKey> key = h.form.ShownColourDescriptionKey();
    std::vector<std::string> lines = h.form.ShownColourDescription();
    int keyChanges = 0;
    for (const Step &step : steps) {
        step.run();
        const std::optional<ColourDescriptionKey> nextKey = h.form.ShownColourDescriptionKey();
        const std::vector<std::string> nextLines = h.form.ShownColourDescription();
        EXPECT_EQ(nextKey != key, nextLines != lines) << step.what;
        EXPECT_EQ(nextKey.has_value(), !nextLines.empty()) << step.what;
        keyChanges += nextKey != key;
        key = nextKey;
        lines = nextLines;
    }
    EXPECT_EQ(keyChanges, 8) << "every step but the three that show nothing new";
}

TEST_F(CopyMenuTest, EveryChangeOfTheListIsHandedOverToBeKeptAndARestoreIsNot) {
    h.form.RestoreRecentColours({Rgb(0x12, 0x34, 0x56), Rgb(0x65, 0x43, 0x21)});
    EXPECT_EQ(Recent(), (std::vector<ColorRef>{Rgb(0x12, 0x34, 0x56), Rgb(0x65, 0x43, 0x21)}));
    EXPECT_EQ(h.platform.keepCount, 0u);

    h.controls.text1 = u"#654321";
    h.form.Command1_Click();
    EXPECT_EQ(h.platform.keptRecent,
              (std::vector<ColorRef>{Rgb(0x65, 0x43, 0x21), Rgb(0x12, 0x34, 0x56)}));
    h.form.Command1_Click();
    EXPECT_EQ(h.platform.keepCount, 1u) << "the same colour on top again changes nothing";
}

}  // namespace
}  // namespace tintwell::testing
