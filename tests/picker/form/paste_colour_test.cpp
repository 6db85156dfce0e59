// Pasting a colour from the clipboard, and the copy menu's other formats and
// templates, on the real engine behind the fake window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "picker_state.h"
#include "user_texts.h"

namespace tintwell::testing {
namespace {

class PasteColourTest : public LoadedPicker {
  protected:
    std::optional<std::string> Paste(const std::u16string &text) {
        h.platform.clipboard = text;
        h.platform.clipboardHasText = true;
        return h.form.PasteColour();
    }
    std::vector<ColorRef> Recent() { return h.form.RecentColourList(); }
};

TEST_F(PasteColourTest, TextsOfAColourShowItExactlyInAChannelModeAndHeadTheRecentColours) {
    SetState(TableModeRed, 0x65, 0x43, 0x21);
    h.form.RefreshPicker();
    struct Case {
        std::u16string text;
        ColorRef colour;
    };
    const Case cases[] = {
        {u"#1A2B3C", Rgb(0x1A, 0x2B, 0x3C)},
        {u"rebeccapurple", Rgb(0x66, 0x33, 0x99)},
        {u"  --brand: rgb(18 52 86);\r\n", Rgb(0x12, 0x34, 0x56)},
    };
    std::vector<ColorRef> expectedRecent;
    for (const Case &c : cases) {
        h.log.Clear();
        EXPECT_EQ(Paste(c.text), std::nullopt) << Utf8(c.text);
        ExpectChannels(c.colour & 0xFF, (c.colour >> 8) & 0xFF, c.colour >> 16);
        EXPECT_EQ(h.controls.shape1FillColor, c.colour);
        EXPECT_EQ(h.platform.clipboard, c.text) << "nothing is copied";
        expectedRecent.insert(expectedRecent.begin(), c.colour);
        EXPECT_EQ(Recent(), expectedRecent);
        EXPECT_FALSE(h.form.RecentEntries()[0].origin) << "no pick to bring back";
    }
}

TEST_F(PasteColourTest, InHueModeAPastedColourIsLocatedAsASampleOfItWouldBe) {
    const ColorRef colour = Rgb(0x12, 0x34, 0x56);
    Harness sampled;
    sampled.Load();
    sampled.platform.screenPixel = colour;
    sampled.form.Timer1_Timer();

    EXPECT_EQ(Paste(u"#123456"), std::nullopt);
    EXPECT_EQ(h.state().hexText, sampled.state().hexText);
    EXPECT_EQ(h.state().fieldX, sampled.state().fieldX);
    EXPECT_EQ(h.state().fieldY, sampled.state().fieldY);
    EXPECT_EQ(h.state().stripPos, sampled.state().stripPos);
    EXPECT_EQ(Recent(), std::vector<ColorRef>{colour}) << "the colour asked for, not the located";
}

TEST_F(PasteColourTest, AColourBroughtIntoSrgbSaysSoUntilAnotherColourIsShown) {
    SetState(TableModeGreen, 0x12, 0x34, 0x56);
    h.form.RefreshPicker();
    EXPECT_EQ(Paste(u"oklch(0.2826 0.03883 249.34)"), std::nullopt);
    ASSERT_FALSE(h.form.ShownColourDescription().empty());
    EXPECT_NE(h.form.ShownColourDescription().back(), messages::kMappedIntoSrgb);

    EXPECT_EQ(Paste(u"color(display-p3 0 1 0)"), std::nullopt);
    const std::vector<std::string> lines = h.form.Command1_ContextMenu().description;
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), messages::kMappedIntoSrgb);

    h.form.Picture1_mousedown(1, 0, 30.0f, 40.0f);
    ASSERT_FALSE(h.form.ShownColourDescription().empty());
    EXPECT_NE(h.form.ShownColourDescription().back(), messages::kMappedIntoSrgb);
}

TEST_F(PasteColourTest, ATextThatIsNoColourChangesNothingAndIsQuotedInTheMessage) {
    SetState(TableModeBlue, 0x12, 0x34, 0x56);
    h.form.RefreshPicker();
    h.form.Command1_Click();
    const PickerState before = h.state();
    const std::vector<ColorRef> recentBefore = Recent();

    EXPECT_EQ(Paste(u"0123456789abcdefghij0123456789ABCDEFGHIJ and more"),
              std::string("色として読めません: 「0123456789abcdefghij0123456789ABCDEFGHIJ…」"));
    EXPECT_EQ(Paste(u"#12345"), std::string("色として読めません: 「#12345」"));
    EXPECT_EQ(Paste(u"#123456" + std::u16string(300, u' '))
                  .value_or("")
                  .rfind("色として読めません: 「#123456", 0),
              0u)
        << "over 256 characters";
    h.platform.clipboardHasText = false;
    h.log.Clear();
    EXPECT_EQ(h.form.PasteColour(), std::string("色として読めません: 「」"));
    EXPECT_EQ(h.log.Names(), std::vector<std::string>{"ClipboardText"}) << "nothing is touched";
    EXPECT_EQ(h.state().hexText, before.hexText);
    EXPECT_EQ(h.state().fieldX, before.fieldX);
    EXPECT_EQ(h.state().stripPos, before.stripPos);
    EXPECT_EQ(Recent(), recentBefore);

    h.log.failing = {"ClipboardText"};
    EXPECT_THROW(h.form.PasteColour(), PickerError) << "a busy clipboard is a failure to report";
}

TEST_F(PasteColourTest, APasteWhileSamplingStopsSamplingSoTheColourStays) {
    // A channel mode, where the sample the stop keeps is the screen's colour exactly.
    SetState(TableModeRed, 0x1A, 0x2B, 0x3C);
    h.form.RefreshPicker();
    h.controls.check3 = 1;
    h.form.Check3_Click();
    h.platform.screenPixel = Rgb(0x65, 0x43, 0x21);
    h.form.Timer1_Timer();
    EXPECT_EQ(Paste(u"rgb(18, 52, 86)"), std::nullopt);
    EXPECT_EQ(h.controls.check3, 0);
    EXPECT_EQ(h.controls.timer1Interval, 0);
    EXPECT_EQ(Recent(), (std::vector<ColorRef>{Rgb(0x12, 0x34, 0x56), Rgb(0x65, 0x43, 0x21)}));
}

class CopyMenuTextsTest : public LoadedPicker {
  protected:
    std::vector<ColorRef> Recent() { return h.form.RecentColourList(); }
};

TEST_F(CopyMenuTextsTest, OtherFormatsAndTemplatesCopyTheirTextsAndGreyedLinesNothing) {
    SetState(TableModeRed, 0x1A, 0x2B, 0x3C);
    h.form.RefreshPicker();
    EXPECT_TRUE(h.form.Command1_ContextMenu().templates.empty()) << "no file, no lines";

    h.platform.templates = "// a comment\r\nColor.FromArgb({r}, {g}, {b})\r\n\r\nbad {x}\r\n";
    const Form::CopyMenu &menu = h.form.Command1_ContextMenu();
    EXPECT_EQ(menu.otherFormats[0], "hsv(210, 57%, 24%)");
    EXPECT_EQ(menu.otherFormats[6], "oklch(0.2826 0.03883 249.34)");
    ASSERT_EQ(menu.templates.size(), 2u);
    EXPECT_EQ(menu.templates[0].text, "Color.FromArgb(26, 43, 60)");
    EXPECT_TRUE(menu.templates[0].usable);
    EXPECT_EQ(menu.templates[1].text, "形式の誤り: bad {x}");
    EXPECT_FALSE(menu.templates[1].usable);

    h.form.CopyMenu_OtherFormatClick(3);
    EXPECT_EQ(h.platform.clipboard, u"lab(16.68 -2.85 -13.25)");
    h.form.CopyMenu_TemplateClick(0);
    EXPECT_EQ(h.platform.clipboard, u"Color.FromArgb(26, 43, 60)");
    h.log.Clear();
    h.form.CopyMenu_TemplateClick(1);
    h.form.CopyMenu_TemplateClick(2);
    EXPECT_TRUE(h.log.entries.empty());
    EXPECT_EQ(Recent(), std::vector<ColorRef>{Rgb(0x1A, 0x2B, 0x3C)});
}

TEST_F(CopyMenuTextsTest, WhatTheFileCouldNotGiveIsAGreyedLineAndTheMenuStillOpens) {
    std::string many;
    for (int i = 0; i < 40; ++i) many += "{r:X}\n";
    h.platform.templates = many;
    std::vector<Form::TemplateLine> lines = h.form.Command1_ContextMenu().templates;
    ASSERT_EQ(lines.size(), 33u);
    EXPECT_EQ(lines[31].text, "FF");
    EXPECT_FALSE(lines[32].usable);
    EXPECT_NE(lines[32].text.find("32"), std::string::npos) << lines[32].text;

    h.log.failing = {"ReadCopyTemplates"};
    const Form::CopyMenu &menu = h.form.Command1_ContextMenu();
    ASSERT_EQ(menu.templates.size(), 1u);
    EXPECT_FALSE(menu.templates[0].usable);
    EXPECT_EQ(menu.templates[0].text, "ReadCopyTemplates failed");
    EXPECT_EQ(menu.formats[0], "#FFFFFF");
}

}  // namespace
}  // namespace tintwell::testing
