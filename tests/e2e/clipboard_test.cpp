// Copying Text1 to the clipboard: the button, Enter, the copy on every field pick,
// and a clipboard that another program holds open.
#include <windows.h>

#include <gtest/gtest.h>

#include "picker_fixture.h"
#include "screen_probe.h"
#include "user_input.h"

namespace e2e {
namespace {

using namespace tintwell::win32;

using ClipboardTest = PickerTest;

const std::wstring kSentinel = L"left by the test";

TEST_F(ClipboardTest, CopyButtonCopiesTheTextAndLeavesItSelected) {
    ASSERT_TRUE(SetClipboardText(kSentinel));
    ClickControl(kCommand1);
    EXPECT_TRUE(ClipboardBecomes(L"#FFFFFF"));
    DWORD start = 1, end = 0;
    SendMessageW(Control(kText1), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 7u);
}

TEST_F(ClipboardTest, EnterCopiesWhatWasTypedIntoTheTextBox) {
    ClickControl(kText1);
    ASSERT_TRUE(
        WaitUntil(kUpdateTimeoutMs, [&] { return FocusOf(uiThread()) == Control(kText1); }));
    Key(VK_END);
    Key('A');
    ASSERT_TRUE(TextBecomes(L"#FFFFFFa"));
    ASSERT_TRUE(SetClipboardText(kSentinel));
    Key(VK_RETURN);
    EXPECT_TRUE(ClipboardBecomes(L"#FFFFFFa")) << "Enter presses the copy button";
}

TEST_F(ClipboardTest, WithCheck2EveryFieldPickCopiesButStripPicksDoNot) {
    ClickControl(kCheck2);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kCheck2); }));
    ASSERT_TRUE(SetClipboardText(kSentinel));
    ClickField(100, 60);
    const std::wstring picked = DisplayText(oracle().GetColor(Rgb(255, 255, 255), 0, 100, 60, 0));
    ASSERT_TRUE(TextBecomes(picked));
    EXPECT_TRUE(ClipboardBecomes(picked));

    ASSERT_TRUE(MoveTo(FieldPoint(20, 20)));
    Press(Button::Left);
    ASSERT_TRUE(MoveTo(FieldPoint(180, 140)));
    const std::wstring dragged = DisplayText(oracle().GetColor(Rgb(255, 255, 255), 0, 180, 140, 0));
    EXPECT_TRUE(TextBecomes(dragged));
    EXPECT_TRUE(ClipboardBecomes(dragged)) << "each drag step copies";
    Release(Button::Left);

    ASSERT_TRUE(SetClipboardText(kSentinel));
    ClickStrip(170);
    const uint32_t hue = oracle().GetColor2(Rgb(255, 255, 255), 0, 170, 0);
    ASSERT_TRUE(TextBecomes(DisplayText(oracle().GetColor(hue, 0, 180, 140, 0))));
    Pause(300);
    EXPECT_EQ(ClipboardText(), kSentinel) << "a strip pick does not copy";
}

TEST_F(ClipboardTest, ClipboardHeldOpenElsewhereNeitherHangsNorStopsThePicker) {
    ASSERT_TRUE(SetClipboardText(kSentinel));
    ASSERT_TRUE(OpenClipboard(nullptr));
    ClickControl(kCommand1);
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(SendMessageTimeoutW(form(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored))
        << "the window answers while the clipboard is held";
    ClickField(100, 60);
    EXPECT_TRUE(TextBecomes(DisplayText(oracle().GetColor(Rgb(255, 255, 255), 0, 100, 60, 0))));
    CloseClipboard();
    Pause(300);
    EXPECT_TRUE(process().IsRunning());
    EXPECT_EQ(process().CountMessageBoxes(), 0) << "a busy clipboard is no error to report";
    EXPECT_EQ(ClipboardText(), kSentinel);

    ClickControl(kCommand1);
    EXPECT_TRUE(ClipboardBecomes(Text1())) << "once free, the copy works again";
}

}  // namespace
}  // namespace e2e
