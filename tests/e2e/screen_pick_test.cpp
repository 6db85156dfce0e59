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

// A program's ordinary window, active, that notes every button message it gets.
class TargetWindow : public WindowBase<TargetWindow> {
  public:
    explicit TargetWindow(RECT area) : WindowBase(testsupport::EndTheTestOnFailure()) {
        Register(GetModuleHandleW(nullptr), L"TintwellTestPickTarget", nullptr);
        CreateWindowExW(0, L"TintwellTestPickTarget", L"target", WS_POPUP, area.left, area.top,
                        area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                        GetModuleHandleW(nullptr), this);
        ShowWindow(hwnd_, SW_SHOW);
        UpdateWindow(hwnd_);
        SetForegroundWindow(hwnd_);
        ScreenShows(POINT{area.left + 3, area.top + 4}, PatternAt(3, 4));
    }
    ~TargetWindow() {
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    }
    int buttonMessages() const { return buttonMessages_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if ((message >= WM_LBUTTONDOWN && message <= WM_MOUSEHWHEEL) ||
            message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN) {
            ++buttonMessages_;
        }
        if (message != WM_PAINT) return Default(message, wParam, lParam);
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd_, &paint);
        RECT client{};
        GetClientRect(hwnd_, &client);
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) SetPixel(dc, x, y, PatternAt(x, y));
        }
        EndPaint(hwnd_, &paint);
        return 0;
    }

  private:
    int buttonMessages_ = 0;
};

class ScreenPickTest : public PickerTest {
  protected:
    void SetUp() override {
        PickerTest::SetUp();
        if (HasFatalFailure()) return;
        target_ = std::make_unique<TargetWindow>(RECT{20, 40, 220, 200});
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

    std::unique_ptr<TargetWindow> target_;
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
