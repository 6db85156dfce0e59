// Form1 as it shows up: frame, the eighteen controls where the design puts them,
// their captions, kinds and first states, the tab order and the first picture.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "picker_fixture.h"
#include "screen_probe.h"
#include "user_input.h"

namespace e2e {
namespace {

using namespace tintwell::win32;

struct Expected {
    ControlId id;
    const wchar_t *className;
    LONG buttonType;  // BS_* kind for buttons, -1 otherwise
    const wchar_t *caption;
    int left, top, width, height;  // pixels in the container's inner area
};

// Written out from the design on its own, not from the program's layout table.
const Expected kExpected[] = {
    {kPicture1, L"TintwellPictureBox", -1, L"", 8, 8, 260, 260},
    {kPicture2, L"TintwellPictureBox", -1, L"", 279, 8, 20, 258},
    {kOption1, L"Button", BS_AUTORADIOBUTTON, L"H", 304, 136, 33, 12},
    {kOption2, L"Button", BS_AUTORADIOBUTTON, L"S", 304, 152, 33, 12},
    {kOption3, L"Button", BS_AUTORADIOBUTTON, L"V", 304, 168, 33, 12},
    {kOption4, L"Button", BS_AUTORADIOBUTTON, L"R", 304, 192, 33, 12},
    {kOption5, L"Button", BS_AUTORADIOBUTTON, L"G", 304, 208, 33, 12},
    {kOption6, L"Button", BS_AUTORADIOBUTTON, L"B", 304, 224, 33, 12},
    {kText1, L"Edit", -1, L"#FFFFFF", 304, 248, 63, 18},
    {kCommand1, L"Button", BS_DEFPUSHBUTTON, L"", 368, 248, 17, 17},
    {kCheck1, L"Button", BS_AUTOCHECKBOX, L"最前面", 304, 88, 57, 17},
    {kLabel1, L"TintwellMarkerLabel", -1, L"Ｏ", -5, -5, 17, 17},
    {kLabel2, L"TintwellMarkerLabel", -1, L"8", 267, 1, 25, 17},
    {kCheck2, L"Button", BS_AUTOCHECKBOX, L"同時にｸﾘｯﾌﾟﾎﾞｰﾄﾞ", 304, 104, 81, 33},
    {kCheck3, L"Button", BS_AUTOCHECKBOX, L"画面上の色", 132, 270, 133, 17},
    {kCheck4, L"Button", BS_AUTOCHECKBOX, L"Webセーフカラー", 8, 270, 113, 17},
    {kShape1, L"TintwellShape", -1, L"", 308, 8, 73, 41},
};

using LayoutTest = PickerTest;

TEST_F(LayoutTest, WindowIsAFixedFrameOfTheDesignedSizeCentredOnTheScreen) {
    EXPECT_EQ(WindowText(form()), L"Tintwell");
    RECT client{};
    GetClientRect(form(), &client);
    EXPECT_EQ(client.right, 392);
    EXPECT_EQ(client.bottom, 288);

    const LONG_PTR style = GetWindowLongPtrW(form(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the border must not resize the window";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU) << "the title bar keeps its close button";
    EXPECT_EQ(GetMenu(form()), nullptr);

    RECT frame{};
    GetWindowRect(form(), &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(LayoutTest, EveryControlHasItsKindCaptionPlaceAndSize) {
    for (const Expected &expected : kExpected) {
        SCOPED_TRACE(testing::Message() << "control id " << expected.id);
        HWND control = Control(expected.id);
        ASSERT_NE(control, nullptr);
        const HWND container = expected.id == kLabel1 ? Control(kPicture1) : form();
        EXPECT_EQ(GetParent(control), container);
        EXPECT_EQ(_wcsicmp(ClassName(control).c_str(), expected.className), 0)
            << testing::PrintToString(ClassName(control));
        if (expected.buttonType >= 0) {
            EXPECT_EQ(GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK, expected.buttonType);
        }
        EXPECT_EQ(WindowText(control), expected.caption);
        const RECT rect = RectInContainer(control, container);
        EXPECT_EQ(rect.left, expected.left);
        EXPECT_EQ(rect.top, expected.top);
        EXPECT_EQ(rect.right - rect.left, expected.width);
        EXPECT_EQ(rect.bottom - rect.top, expected.height);
        EXPECT_TRUE(IsWindowVisible(control));
    }

    RECT inner{};
    GetClientRect(Control(kPicture1), &inner);
    EXPECT_EQ(inner.right, 256);
    EXPECT_EQ(inner.bottom, 256);
    GetClientRect(Control(kPicture2), &inner);
    EXPECT_EQ(inner.right, 18);
    EXPECT_EQ(inner.bottom, 256);

    EXPECT_FALSE(GetWindowLongPtrW(Control(kText1), GWL_STYLE) & ES_MULTILINE);
    EXPECT_GE(SendMessageW(Control(kText1), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE)
        << "Text1 takes text of any length";
}

TEST_F(LayoutTest, StripCoversTheArrowWhereTheyOverlap) {
    HWND below = Control(kPicture2);
    bool labelBelow = false;
    while ((below = GetWindow(below, GW_HWNDNEXT)) != nullptr) {
        if (below == Control(kLabel2)) labelBelow = true;
    }
    EXPECT_TRUE(labelBelow) << "Picture2 must lie above Label2";

    const POINT overlap = ClientToScreenPoint(form(), 285, 10);
    EXPECT_EQ(WindowFromPoint(overlap), Control(kPicture2));
}

TEST_F(LayoutTest, StartsWhiteInHueModeWithSAndVDisabled) {
    EXPECT_TRUE(IsChecked(kOption1));
    for (ControlId option : {kOption4, kOption5, kOption6}) {
        EXPECT_FALSE(IsChecked(option));
        EXPECT_TRUE(IsWindowEnabled(Control(option)));
    }
    EXPECT_FALSE(IsWindowEnabled(Control(kOption2)));
    EXPECT_FALSE(IsWindowEnabled(Control(kOption3)));
    for (ControlId check : {kCheck1, kCheck2, kCheck3, kCheck4}) EXPECT_FALSE(IsChecked(check));
    EXPECT_EQ(Text1(), L"#FFFFFF");
    EXPECT_TRUE(SwatchBecomes(Rgb(255, 255, 255)));
    EXPECT_TRUE(MarkersAt(POINT{-5, -5}, 1));
    EXPECT_TRUE(TablesShow(Rgb(255, 255, 255), 0, 0));
}

TEST_F(LayoutTest, TabWalksTheControlsInDesignOrderWithTheOptionsAsOneStop) {
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] {
        return FocusOf(uiThread()) == Control(kPicture1);
    })) << "the focus starts on Picture1";
    // A press on the field keeps the focus there and makes the window active for keys.
    ClickField(0, 0);
    ASSERT_TRUE(
        WaitUntil(kUpdateTimeoutMs, [&] { return FocusOf(uiThread()) == Control(kPicture1); }));

    const ControlId order[] = {kPicture2, kOption1, kText1,  kCommand1, kCheck1,
                               kCheck2,   kCheck3,  kCheck4, kPicture1};
    for (ControlId next : order) {
        Key(VK_TAB);
        EXPECT_TRUE(
            WaitUntil(kUpdateTimeoutMs, [&] { return FocusOf(uiThread()) == Control(next); }))
            << "Tab should reach control " << next;
    }
    Key(VK_TAB, true);
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] {
        return FocusOf(uiThread()) == Control(kCheck4);
    })) << "Shift+Tab goes back";

    // With "R" selected the group's stop is "R".
    ClickControl(kOption4);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kOption4); }));
    ClickField(0, 0);
    Key(VK_TAB);
    Key(VK_TAB);
    EXPECT_TRUE(
        WaitUntil(kUpdateTimeoutMs, [&] { return FocusOf(uiThread()) == Control(kOption4); }));
}

}  // namespace
}  // namespace e2e
