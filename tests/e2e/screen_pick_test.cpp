// The settings dialog, the hotkey and a pick from the screen with the real program and
// real X input (xdotool, as a user's keyboard and mouse reach Wine): another
// program's window in front, showing a pattern, keeps the focus while the hotkey
// starts a pick, and none of the pick's clicks reaches it. The rules of the pick's
// keys and buttons are the core's and tested there; these cases show the wiring.
#include <windows.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "failing_window_sink.h"
#include "pick_target_window.h"
#include "picker_fixture.h"
#include "screen_probe.h"
#include "settings_dialog_ids.h"
#include "user_input.h"
#include "utf8_text.h"
#include "window_base.h"

namespace e2e {
namespace {

using namespace tintwell::win32;

constexpr LRESULT kRgbFormat = 2;

uint32_t PatternAt(int x, int y) {
    return Rgb((x * 7 + 0x12) & 0xFF, (y * 5 + 0x34) & 0xFF, (x * 3 + y * 11 + 0x56) & 0xFF);
}

std::wstring RgbText(uint32_t colour) {
    return L"rgb(" + std::to_wstring(colour & 0xFF) + L", " +
           std::to_wstring((colour >> 8) & 0xFF) + L", " + std::to_wstring((colour >> 16) & 0xFF) +
           L")";
}

// The mouse's buttons swapped for the left hand, as the user's setting: a program
// started after it reads it (under Wine a running one keeps what it read first).
void SetButtonsSwapped(bool swapped) {
    SystemParametersInfoW(SPI_SETMOUSEBUTTONSWAP, swapped ? TRUE : FALSE, nullptr,
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

class ScreenPickTest : public PickerTest {
  protected:
    void SetUp() override {
        PickerTest::SetUp();
        if (HasFatalFailure()) return;
        target_ = std::make_unique<PickTargetWindow>(RECT{20, 40, 220, 200}, &PatternAt);
        ASSERT_TRUE(SetClipboardText(L"before"));
    }
    void TearDown() override {
        target_.reset();
        PickerTest::TearDown();
    }

    // Ticks the hotkey's box with a click, picks the copy format and presses OK.
    void TurnHotkeyOn(LRESULT format) {
        const HWND dialog = OpenSettings();
        ASSERT_NE(dialog, nullptr);
        const HWND box = GetDlgItem(dialog, IDC_SETTINGS_HOTKEY);
        EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_SETTINGS_HOTKEY_KEYS)), L"Win+Shift+C");
        RECT place{};
        GetWindowRect(box, &place);
        Click(POINT{place.left + 6, (place.top + place.bottom) / 2});
        ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs,
                              [&] { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
        SendDlgItemMessageW(dialog, IDC_SETTINGS_FORMAT, CB_SETCURSEL, format, 0);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(dialog); }));
    }
    testing::AssertionResult StartPick() {
        // The other program is the one in front, with the keyboard, as the user has it.
        SetForegroundWindow(target_->hwnd());
        Pause(200);
        if (!RunXdoTool(L"key super+shift+c")) return testing::AssertionFailure() << "no xdotool";
        return LoupeBecomes(true);
    }

    bool LoupeShown() const { return ShownWindow(L"TintwellLoupe", nullptr) != nullptr; }
    POINT Pointer() const {
        POINT pointer{};
        GetCursorPos(&pointer);
        return pointer;
    }

    std::unique_ptr<PickTargetWindow> target_;
};

TEST_F(ScreenPickTest, AClickPicksThePixelInTheChosenFormatAndNeitherItNorTheWheelReachesAWindow) {
    TurnHotkeyOn(kRgbFormat);
    const POINT at{20 + 57, 40 + 83};
    ASSERT_TRUE(RunXdoTool(L"mousemove " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y)));
    ASSERT_TRUE(StartPick());
    EXPECT_EQ(GetForegroundWindow(), target_->hwnd()) << "the pick takes no activation";

    // The wheel zooms the loupe, which keeps its size, and reaches no window either.
    RECT unzoomed{};
    GetWindowRect(ShownWindow(L"TintwellLoupe", nullptr), &unzoomed);
    ASSERT_TRUE(RunXdoTool(L"click 4"));
    RECT zoomed{};
    EXPECT_TRUE(GetWindowRect(ShownWindow(L"TintwellLoupe", nullptr), &zoomed));
    EXPECT_EQ(zoomed.right - zoomed.left, unzoomed.right - unzoomed.left);

    // The arrow moves the pointer by one pixel, to the pixel the click then takes.
    ASSERT_TRUE(RunXdoTool(L"key Right"));
    POINT pointer{};
    EXPECT_TRUE(WaitUntil(
        kUpdateTimeoutMs,
        [&] { return GetCursorPos(&pointer) && pointer.x == at.x + 1 && pointer.y == at.y; }))
        << pointer.x << ", " << pointer.y;

    ASSERT_TRUE(RunXdoTool(L"click 1"));
    EXPECT_TRUE(ClipboardBecomes(RgbText(PatternAt(57 + 1, 83))));
    EXPECT_TRUE(LoupeBecomes(false));
    Pause(300);
    EXPECT_EQ(target_->buttonMessages(), 0);
    EXPECT_EQ(GetForegroundWindow(), target_->hwnd());

    // With the pick over, the same click reaches the window beneath again.
    ASSERT_TRUE(RunXdoTool(L"click 1"));
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return target_->buttonMessages() > 0; }));
}

TEST_F(ScreenPickTest, EscARightClickAndTheHotkeyAgainCancelAndCopyNothing) {
    TurnHotkeyOn(0);
    ASSERT_TRUE(RunXdoTool(L"mousemove 100 100"));
    for (const wchar_t *cancel : {L"key Escape", L"click 3", L"key super+shift+c"}) {
        ASSERT_TRUE(StartPick()) << cancel;
        ASSERT_TRUE(RunXdoTool(cancel));
        EXPECT_TRUE(LoupeBecomes(false)) << cancel;
    }
    Pause(300);
    EXPECT_EQ(ClipboardText(), L"before");
    EXPECT_EQ(target_->buttonMessages(), 0);
    EXPECT_EQ(process().CountMessageBoxes(), 0);
}

class SwappedButtonsPickTest : public ScreenPickTest {
  protected:
    void SetUp() override {
        SetButtonsSwapped(true);
        ScreenPickTest::SetUp();
    }
    void TearDown() override {
        ScreenPickTest::TearDown();
        SetButtonsSwapped(false);
    }
};

// Win+Space switches the input method, Alt+Space opens a window's menu: the system's
// keys, which the pick lets through and which neither pick nor cancel. Each is held a
// moment, as a hand holds it.
TEST_F(ScreenPickTest, WinAndAltCombinationsPassAndThePickGoesOn) {
    TurnHotkeyOn(0);
    ASSERT_TRUE(RunXdoTool(L"mousemove 100 100"));
    ASSERT_TRUE(StartPick());
    for (const wchar_t *keys : {L"super+space", L"alt+space", L"alt+Return", L"alt+Escape"}) {
        ASSERT_TRUE(RunXdoTool(std::wstring(L"keydown ") + keys));
        Pause(250);
        ASSERT_TRUE(RunXdoTool(std::wstring(L"keyup ") + keys));
        Pause(300);
        EXPECT_TRUE(LoupeShown()) << testsupport::Utf8(keys);
        EXPECT_EQ(ClipboardText(), L"before") << testsupport::Utf8(keys);
    }
    SetForegroundWindow(target_->hwnd());
    ASSERT_TRUE(RunXdoTool(L"key Escape"));
    EXPECT_TRUE(LoupeBecomes(false));
    Pause(300);
    EXPECT_EQ(ClipboardText(), L"before");
    EXPECT_EQ(process().CountMessageBoxes(), 0);
}

TEST_F(ScreenPickTest, ArrowsMoveThePointerTheWayTheyPoint) {
    TurnHotkeyOn(0);
    ASSERT_TRUE(RunXdoTool(L"mousemove 100 100"));
    ASSERT_TRUE(StartPick());
    const POINT start = Pointer();
    struct Step {
        const wchar_t *key;
        int dx, dy;
    };
    POINT expected = start;
    for (const Step &step : {Step{L"Down", 0, 1}, Step{L"Up", 0, -1}, Step{L"Up", 0, -1},
                             Step{L"Left", -1, 0}, Step{L"shift+Down", 0, 10}}) {
        ASSERT_TRUE(RunXdoTool(std::wstring(L"key ") + step.key));
        expected.x += step.dx;
        expected.y += step.dy;
        EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs,
                              [&] {
                                  const POINT now = Pointer();
                                  return now.x == expected.x && now.y == expected.y;
                              }))
            << testsupport::Utf8(step.key) << ": " << Pointer().x << ", " << Pointer().y;
    }
    ASSERT_TRUE(RunXdoTool(L"key Escape"));
    EXPECT_TRUE(LoupeBecomes(false));
}

// The Esc that cancels is swallowed whole: its repeats while held and its release
// too, so that the program beneath gets no orphan key-up.
TEST_F(ScreenPickTest, TheEscThatCancelsReachesTheProgramBeneathNotAtAll) {
    TurnHotkeyOn(0);
    // The other program has the keyboard: an Esc reaches it, down and up.
    ASSERT_TRUE(RunXdoTool(L"mousemove 100 100 click 1"));
    ASSERT_TRUE(RunXdoTool(L"key Escape"));
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return target_->escMessages() == 2; }))
        << target_->escMessages();

    ASSERT_TRUE(StartPick());
    ASSERT_TRUE(RunXdoTool(L"keydown Escape"));
    Pause(1200);
    ASSERT_TRUE(RunXdoTool(L"keyup Escape"));
    EXPECT_TRUE(LoupeBecomes(false));
    Pause(300);
    EXPECT_EQ(target_->escMessages(), 2);
    // Over, Esc is the program's again.
    ASSERT_TRUE(RunXdoTool(L"key Escape"));
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return target_->escMessages() == 4; }))
        << target_->escMessages();
}

// Swapped for the left hand, the physical right button is the primary one: it picks,
// and the physical left one cancels.
TEST_F(SwappedButtonsPickTest, ThePrimaryPicksAndTheSecondaryCancels) {
    TurnHotkeyOn(kRgbFormat);
    const int clicksBefore = target_->buttonMessages();
    const POINT at{20 + 31, 40 + 47};
    ASSERT_TRUE(RunXdoTool(L"mousemove " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y)));
    ASSERT_TRUE(StartPick());
    ASSERT_TRUE(RunXdoTool(L"click 1"));
    EXPECT_TRUE(LoupeBecomes(false));
    Pause(300);
    EXPECT_EQ(ClipboardText(), L"before");

    ASSERT_TRUE(StartPick());
    ASSERT_TRUE(RunXdoTool(L"click 3"));
    EXPECT_TRUE(ClipboardBecomes(RgbText(PatternAt(31, 47))));
    EXPECT_TRUE(LoupeBecomes(false));
    Pause(300);
    EXPECT_EQ(target_->buttonMessages(), clicksBefore);
}

// The system may remove a hook that kept the input waiting; the pick then sees its
// clicks reach the program beneath, ends without a colour, says so, and the next pick
// has hooks again.
TEST_F(ScreenPickTest, HooksThatNoLongerRunEndThePickWhichSaysSoAndTheNextPickWorks) {
    TurnHotkeyOn(kRgbFormat);
    const POINT at{20 + 64, 40 + 21};
    ASSERT_TRUE(RunXdoTool(L"mousemove " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y)));
    ASSERT_TRUE(StartPick());
    {
        const HooksBypassed bypass;
        ASSERT_TRUE(bypass.installed());
        ASSERT_TRUE(RunXdoTool(L"click 1"));
        EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return target_->buttonMessages() > 0; }))
            << "the click went past the picker's hooks";
        EXPECT_TRUE(LoupeBecomes(false));
        const std::wstring said = ShownMessageText();
        EXPECT_NE(said.find(L"画面から色を取るのをやめました。"), std::wstring::npos)
            << testsupport::Utf8(said);
        PostMessageW(process().WaitForMessageBox(1000), WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(
            WaitUntil(kUpdateTimeoutMs, [&] { return process().CountMessageBoxes() == 0; }));
    }
    EXPECT_EQ(ClipboardText(), L"before");

    const int before = target_->buttonMessages();
    ASSERT_TRUE(StartPick());
    ASSERT_TRUE(RunXdoTool(L"click 1"));
    EXPECT_TRUE(ClipboardBecomes(RgbText(PatternAt(64, 21))));
    EXPECT_TRUE(LoupeBecomes(false));
    Pause(300);
    EXPECT_EQ(target_->buttonMessages(), before);
}

// The hotkey while a dialog of the picker's is open starts nothing, and the Enter
// meant for the dialog reaches it.
TEST_F(ScreenPickTest, TheHotkeyWhileADialogOfOursIsOpenDoesNothingAndTheDialogGetsItsEnter) {
    TurnHotkeyOn(0);
    ASSERT_TRUE(RunXdoTool(L"mousemove 100 100"));
    const HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    SetForegroundWindow(dialog);
    Pause(200);
    ASSERT_TRUE(RunXdoTool(L"key super+shift+c"));
    Pause(500);
    EXPECT_FALSE(LoupeShown());
    ASSERT_TRUE(RunXdoTool(L"key Return"));
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(dialog); }))
        << "the Enter went to the dialog";
    EXPECT_FALSE(LoupeShown());
    EXPECT_EQ(ClipboardText(), L"before");

    // With the dialog closed the hotkey starts a pick as ever.
    ASSERT_TRUE(StartPick());
    ASSERT_TRUE(RunXdoTool(L"key Escape"));
    EXPECT_TRUE(LoupeBecomes(false));
}

TEST_F(ScreenPickTest, ACombinationAnotherProgramHoldsIsSaidAndLeftUnticked) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_WIN | MOD_SHIFT | MOD_NOREPEAT, 'C'));
    TurnHotkeyOn(0);
    const std::wstring said = ShownMessageText();
    EXPECT_NE(said.find(L"Win+Shift+C は他のプログラムが使っているため登録できません。"
                        L"別のキーを選んでください。"),
              std::wstring::npos)
        << testsupport::Utf8(said);
    PostMessageW(process().WaitForMessageBox(1000), WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return process().CountMessageBoxes() == 0; }));

    const HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SETTINGS_HOTKEY, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return !IsWindow(dialog); }));
    UnregisterHotKey(nullptr, 7);
}

}  // namespace
}  // namespace e2e
