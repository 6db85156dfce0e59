// The copy button's menu worked as a user works it: opened with a right-click or
// from the keyboard, its items chosen with the arrow keys and Enter, and what they
// do read back from the clipboard and the window. A drag's copies and the clipboard
// history's marker formats.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "sampling_fixture.h"
#include "screen_probe.h"
#include "user_input.h"

namespace e2e {
namespace {

using namespace tintwell::win32;

constexpr int kFormatItems = 8;
// The formats, then "ほかの形式", then the recent colours.
constexpr int kRecentItems = kFormatItems + 1;

class CopyMenuTest : public SamplingTest {
  protected:
    // Right-clicks the copy button and waits for its menu.
    testing::AssertionResult OpenByRightClick() {
        Click(ControlCentre(kCommand1), Button::Right);
        return MenuShows();
    }

    testing::AssertionResult MenuShows() {
        if (WaitUntil(kUpdateTimeoutMs, [&] { return VisibleMenuOf(uiThread()) != nullptr; })) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << "no menu showed";
    }

    // Chooses the item at this place in the open menu, counted from the first format
    // (separators do not count), from the keyboard. The greyed lines that describe
    // the colour come first, and the arrow keys step over them too: two, and a third
    // when there is a previous colour (a recent one other than the colour shown).
    testing::AssertionResult Choose(int item, int described = 2) {
        for (int i = 0; i <= described + item; ++i) Key(VK_DOWN);
        Key(VK_RETURN);
        if (WaitUntil(kUpdateTimeoutMs, [&] { return VisibleMenuOf(uiThread()) == nullptr; })) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << "the menu stayed open";
    }

    testing::AssertionResult RightClickAndChoose(int item, int described = 2) {
        testing::AssertionResult opened = OpenByRightClick();
        return opened ? Choose(item, described) : opened;
    }

    void Select(ControlId option) {
        ClickControl(option);
        WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(option); });
    }
};

TEST_F(CopyMenuTest, EachFormatOfTheSwatchColourCopiesExactlyItsText) {
    Select(kOption4);  // in red mode a sample shows the colour itself
    ASSERT_TRUE(Sample(Rgb(0x1A, 0x2B, 0x3C), L"#1A2B3C"));
    const std::wstring expected[kFormatItems] = {
        L"#1A2B3C",  L"1A2B3C",    L"rgb(26, 43, 60)", L"26, 43, 60", L"hsl(210, 40%, 17%)",
        L"0x1A2B3C", L"&H3C2B1A&", L"3943194"};
    for (int item = 0; item < kFormatItems; ++item) {
        ASSERT_TRUE(SetClipboardText(L"left by the test"));
        ASSERT_TRUE(RightClickAndChoose(item)) << item;
        EXPECT_TRUE(ClipboardBecomes(expected[item])) << item;
        EXPECT_EQ(Text1(), L"#1A2B3C") << "the text box keeps its text";
    }
    EXPECT_TRUE(SwatchBecomes(Rgb(0x1A, 0x2B, 0x3C)));

    // "ほかの形式", one recent colour (the sample stopped on it, every copy was of
    // it), the paste and the save items: below them the menu starts over at the two
    // describing lines, then the first format.
    ASSERT_TRUE(SetClipboardText(L"left by the test"));
    ASSERT_TRUE(RightClickAndChoose(kFormatItems + 4 + 2));
    EXPECT_TRUE(ClipboardBecomes(L"#1A2B3C"));
}

TEST_F(CopyMenuTest, ShiftF10AndTheMenuKeyOpenItWhenTheButtonHasTheFocus) {
    ClickControl(kText1);
    Key(VK_TAB);
    ASSERT_TRUE(
        WaitUntil(kUpdateTimeoutMs, [&] { return FocusOf(uiThread()) == Control(kCommand1); }));
    ASSERT_TRUE(SetClipboardText(L"left by the test"));
    Key(VK_F10, true);
    ASSERT_TRUE(MenuShows());
    ASSERT_TRUE(Choose(2));
    EXPECT_TRUE(ClipboardBecomes(L"rgb(255, 255, 255)"));

    Key(VK_APPS);
    ASSERT_TRUE(MenuShows());
    ASSERT_TRUE(Choose(4));
    EXPECT_TRUE(ClipboardBecomes(L"hsl(0, 0%, 100%)"));
}

TEST_F(CopyMenuTest, RecentColoursComeBackAsTheirPickOrAsASampleWouldShowThem) {
    // A sample stopped on in red mode: the colour itself, no pick behind it.
    Select(kOption4);
    ASSERT_TRUE(Sample(Rgb(200, 100, 50), L"#C86432"));
    // A pick in hue mode, copied.
    Select(kOption1);
    ClickStrip(100);
    ClickField(77, 140);
    const uint32_t hue = oracle().GetColor2(Rgb(255, 255, 255), 0, 100, 0);
    const std::wstring picked = DisplayText(oracle().GetColor(hue, 0, 77, 140, 0));
    ASSERT_TRUE(TextBecomes(picked));
    ClickControl(kCommand1);
    ASSERT_TRUE(ClipboardBecomes(picked));
    // Somewhere else, not copied: not recent.
    ClickStrip(20);
    ClickField(10, 200);
    ASSERT_TRUE(TextBecomes(
        DisplayText(oracle().GetColor(oracle().GetColor2(hue, 0, 20, 0), 0, 10, 200, 0))));

    ASSERT_TRUE(SetClipboardText(L"left by the test"));
    ASSERT_TRUE(RightClickAndChoose(kRecentItems + 0, 3));
    EXPECT_TRUE(TextBecomes(picked)) << "the pick in the mode shown comes back";
    EXPECT_TRUE(MarkersAt(POINT{72, 135}, 101)) << "at its field point and strip row";
    ASSERT_TRUE(RightClickAndChoose(kRecentItems + 1, 3));
    // As a sample of 200, 100, 50 in hue mode: base 255, 96, 0 at (191, 55), row 239.
    EXPECT_TRUE(TextBecomes(DisplayText(oracle().GetColor(Rgb(255, 96, 0), 0, 191, 55, 0))));
    EXPECT_TRUE(MarkersAt(POINT{186, 50}, 240));
    EXPECT_EQ(ClipboardText(), L"left by the test") << "bringing a colour back copies nothing";

    // In green mode the hue-mode pick is a colour like any other: a sample of it there
    // makes it the colour.
    Select(kOption5);
    ASSERT_TRUE(RightClickAndChoose(kRecentItems + 0, 3));
    EXPECT_TRUE(TextBecomes(picked));
    EXPECT_TRUE(IsChecked(kOption5));
}

// The formats by which clipboard history passes a copy over.
struct HistoryMarkers {
    bool exclude = false;
    std::optional<DWORD> history;
    std::optional<DWORD> cloud;
};

std::optional<DWORD> DwordIn(UINT format) {
    HANDLE data = GetClipboardData(format);
    if (data == nullptr || GlobalSize(data) < sizeof(DWORD)) return std::nullopt;
    const auto *value = static_cast<const DWORD *>(GlobalLock(data));
    if (value == nullptr) return std::nullopt;
    const DWORD read = *value;
    GlobalUnlock(data);
    return read;
}

std::optional<HistoryMarkers> ClipboardMarkers() {
    if (!WaitUntil(2000, [] { return OpenClipboard(nullptr) != FALSE; })) return std::nullopt;
    HistoryMarkers markers;
    markers.exclude = IsClipboardFormatAvailable(RegisterClipboardFormatW(
                          L"ExcludeClipboardContentFromMonitorProcessing")) != FALSE;
    markers.history = DwordIn(RegisterClipboardFormatW(L"CanIncludeInClipboardHistory"));
    markers.cloud = DwordIn(RegisterClipboardFormatW(L"CanUploadToCloudClipboard"));
    CloseClipboard();
    return markers;
}

TEST_F(CopyMenuTest, ADragKeepsItsStepsOutOfTheHistoryAndCopiesItsEndPlainly) {
    ClickControl(kCheck2);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kCheck2); }));
    ASSERT_TRUE(MoveTo(FieldPoint(20, 20)));
    Press(Button::Left);
    ASSERT_TRUE(MoveTo(FieldPoint(150, 90)));
    const std::wstring dragged = DisplayText(oracle().GetColor(Rgb(255, 255, 255), 0, 150, 90, 0));
    ASSERT_TRUE(ClipboardBecomes(dragged));
    const auto during = ClipboardMarkers();
    ASSERT_TRUE(during);
    EXPECT_TRUE(during->exclude);
    EXPECT_EQ(during->history, std::optional<DWORD>(0));
    EXPECT_EQ(during->cloud, std::optional<DWORD>(0));

    ASSERT_TRUE(SetClipboardText(L"left by the test"));
    Release(Button::Left);
    EXPECT_TRUE(ClipboardBecomes(dragged)) << "the release copies the final text once more";
    const auto after = ClipboardMarkers();
    ASSERT_TRUE(after);
    EXPECT_FALSE(after->exclude);
    EXPECT_FALSE(after->history);
    EXPECT_FALSE(after->cloud);
}

// The ring keeps the drag it starts: when the mouse lets go of it, the drag ends as
// one from the field does, with one plain copy of its end, which heads the recent
// colours.
TEST_F(CopyMenuTest, ADragFromTheRingEndsWithOnePlainCopyThatHeadsTheRecentColours) {
    ClickField(100, 60);
    ASSERT_TRUE(MarkersAt(POINT{95, 55}, 1));
    ClickControl(kCheck2);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kCheck2); }));
    ASSERT_TRUE(MoveTo(Label1Point(5, 5)));
    ASSERT_EQ(WindowFromPoint(Label1Point(5, 5)), Control(kLabel1));
    Press(Button::Left);
    ASSERT_TRUE(MoveTo(FieldPoint(150, 90)));
    const uint32_t white = Rgb(255, 255, 255);
    const std::wstring dragged = DisplayText(oracle().GetColor(white, 0, 150, 90, 0));
    ASSERT_TRUE(ClipboardBecomes(dragged));

    ASSERT_TRUE(SetClipboardText(L"left by the test"));
    const DWORD beforeRelease = GetClipboardSequenceNumber();
    Release(Button::Left);
    EXPECT_TRUE(ClipboardBecomes(dragged)) << "the release copies the final text once more";
    Pause(300);
    const DWORD releaseChanges = GetClipboardSequenceNumber() - beforeRelease;
    const auto after = ClipboardMarkers();
    ASSERT_TRUE(after);
    EXPECT_FALSE(after->exclude) << "kept in clipboard history";
    EXPECT_FALSE(after->history);
    EXPECT_FALSE(after->cloud);

    // Away from it without a copy (strip picks do not copy), then back from the list.
    ClickStrip(100);
    const uint32_t hue = oracle().GetColor2(white, 0, 100, 0);
    ASSERT_TRUE(TextBecomes(DisplayText(oracle().GetColor(hue, 0, 150, 90, 0))));
    // The drag's end differs from the colour shown: the menu also describes it.
    ASSERT_TRUE(RightClickAndChoose(kRecentItems + 0, 3));
    EXPECT_TRUE(TextBecomes(dragged)) << "the drag's end is the most recent colour";
    EXPECT_TRUE(MarkersAt(POINT{145, 85}, 1));

    // One copy changes the clipboard as often as the copy button's one copy does.
    ASSERT_TRUE(SetClipboardText(L"left by the test"));
    const DWORD beforeButton = GetClipboardSequenceNumber();
    ClickControl(kCommand1);
    ASSERT_TRUE(ClipboardBecomes(dragged));
    Pause(300);
    EXPECT_EQ(releaseChanges, GetClipboardSequenceNumber() - beforeButton) << "one copy";
}

}  // namespace
}  // namespace e2e
