// The loupe and Esc with the real program and real input: the system-menu switch,
// when the loupe shows, what its cells show against the screen, where it stands as
// the pointer goes to the screen's edges, and Esc stopping on the pixel. Runs at
// 96 dpi and, through ctest, at the scaled displays too.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "picker_fixture.h"
#include "screen_probe.h"
#include "user_input.h"
#include "window_base.h"

namespace e2e {
namespace {

using namespace tintwell::win32;

constexpr int kCells = 11;
constexpr int kReach = kCells / 2;

// Every pixel a different, asymmetric colour, so that a cell showing its neighbour's
// pixel, or red and blue swapped, cannot pass.
uint32_t PatternAt(int x, int y) {
    return Rgb((x * 37 + y * 11) & 0xFF, (x * 5 + y * 71 + 0x34) & 0xFF, (x * 13 + y * 3) & 0xFF);
}

class PatternWindow : public WindowBase<PatternWindow> {
  public:
    explicit PatternWindow(RECT area) {
        Register(GetModuleHandleW(nullptr), L"TintwellTestPattern", nullptr);
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"TintwellTestPattern", L"", WS_POPUP,
                        area.left, area.top, area.right - area.left, area.bottom - area.top,
                        nullptr, nullptr, GetModuleHandleW(nullptr), this);
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        UpdateWindow(hwnd_);
        const LONG right = area.right - area.left - 1, bottom = area.bottom - area.top - 1;
        ScreenShows(POINT{area.left, area.top}, PatternAt(0, 0));
        ScreenShows(POINT{area.right - 1, area.bottom - 1}, PatternAt(right, bottom));
    }
    ~PatternWindow() {
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
};

class LoupeTest : public PickerTest {
  protected:
    void SetUp() override {
        PickerTest::SetUp();
        if (HasFatalFailure()) return;
        pattern_ = std::make_unique<PatternWindow>(RECT{20, 300, 220, 500});
        id_ = process().id();
    }
    void TearDown() override {
        pattern_.reset();
        PickerTest::TearDown();
    }

    HWND Loupe() const {
        HWND found = nullptr;
        while ((found = FindWindowExW(nullptr, found, L"TintwellLoupe", nullptr)) != nullptr) {
            DWORD process = 0;
            GetWindowThreadProcessId(found, &process);
            if (process == id_) return found;
        }
        return nullptr;
    }
    bool LoupeShown() const { return Loupe() != nullptr && IsWindowVisible(Loupe()); }
    testing::AssertionResult LoupeBecomes(bool shown) const {
        if (WaitUntil(kUpdateTimeoutMs, [&] { return LoupeShown() == shown; })) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << "the loupe is " << (shown ? "hidden" : "shown");
    }

    // The system menu as a user opens it, and its last item.
    void SwitchLoupe() {
        INPUT alt[2]{};
        alt[0].type = alt[1].type = INPUT_KEYBOARD;
        alt[0].ki.wVk = alt[1].ki.wVk = VK_MENU;
        alt[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(1, &alt[0], sizeof(INPUT));
        Key(VK_SPACE);
        SendInput(1, &alt[1], sizeof(INPUT));
        Pause(300);
        Key(VK_UP);
        Key(VK_RETURN);
        Pause(300);
    }

    // In red mode a sample is the colour itself, not the hue table's nearest one.
    void StartSampling() {
        if (!redMode_) ClickControl(kOption4);
        redMode_ = true;
        ClickControl(kCheck3);
        ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kCheck3); }));
    }

    POINT PatternPoint(int x, int y) const { return POINT{20 + x, 300 + y}; }

    // Waits for the loupe to stand beside the pointer's square (a gap of two cells
    // at most), leaving it free, on the screen; returns that place.
    testing::AssertionResult LoupeClearOf(POINT pointer, RECT &loupe) const {
        const RECT seen{pointer.x - kReach, pointer.y - kReach, pointer.x + kReach + 1,
                        pointer.y + kReach + 1};
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        RECT overlap{};
        const bool placed = WaitUntil(kUpdateTimeoutMs, [&] {
            if (!LoupeShown()) return false;
            GetWindowRect(Loupe(), &loupe);
            const int gap = 2 * (loupe.right - loupe.left) / kCells + 1;
            RECT around = loupe;
            InflateRect(&around, gap, gap);
            return IntersectRect(&overlap, &around, &seen) &&
                   !IntersectRect(&overlap, &loupe, &seen) && loupe.left >= work.left &&
                   loupe.top >= work.top && loupe.right <= work.right &&
                   loupe.bottom <= work.bottom;
        });
        if (placed) return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "pointer " << pointer.x << "," << pointer.y << ": loupe at " << loupe.left << ","
               << loupe.top << "-" << loupe.right << "," << loupe.bottom;
    }

    std::unique_ptr<PatternWindow> pattern_;
    DWORD id_ = 0;
    bool redMode_ = false;
};

TEST_F(LoupeTest, SwitchInTheSystemMenuShowsItOnlyWhileSampling) {
    ASSERT_NE(Loupe(), nullptr);
    const LONG_PTR style = GetWindowLongPtrW(Loupe(), GWL_EXSTYLE);
    const DWORD bits[] = {WS_EX_TOPMOST, WS_EX_LAYERED, WS_EX_TRANSPARENT, WS_EX_NOACTIVATE,
                          WS_EX_TOOLWINDOW};
    for (DWORD bit : bits) {
        EXPECT_NE(style & static_cast<LONG_PTR>(bit), 0) << std::hex << bit;
    }
    EXPECT_FALSE(LoupeShown());

    StartSampling();
    ASSERT_TRUE(MoveTo(PatternPoint(100, 100)));
    Pause(500);
    EXPECT_FALSE(LoupeShown()) << "off at start";

    SwitchLoupe();
    EXPECT_TRUE(LoupeBecomes(true));
    EXPECT_EQ(GetForegroundWindow(), form()) << "the loupe never takes the activation";

    ClickControl(kCheck3);
    EXPECT_TRUE(LoupeBecomes(false)) << "sampling off";
    StartSampling();
    ASSERT_TRUE(MoveTo(PatternPoint(100, 100)));
    EXPECT_TRUE(LoupeBecomes(true));

    ShowWindow(form(), SW_MINIMIZE);
    EXPECT_TRUE(LoupeBecomes(false)) << "the picker minimised";
    ShowWindow(form(), SW_RESTORE);
    EXPECT_TRUE(LoupeBecomes(true));

    SetForegroundWindow(form());
    Pause(300);
    SwitchLoupe();
    EXPECT_TRUE(LoupeBecomes(false)) << "switched off";
}

TEST_F(LoupeTest, CellsShowTheirPixelsAndEscStopsOnTheCentreWithoutCopying) {
    ASSERT_TRUE(SetClipboardText(L"kept"));
    StartSampling();
    SwitchLoupe();
    const POINT pointer = PatternPoint(77, 64);
    ASSERT_TRUE(MoveTo(pointer));
    RECT loupe{};
    ASSERT_TRUE(LoupeClearOf(pointer, loupe));
    const int cell = (loupe.right - loupe.left) / kCells;
    ASSERT_GE(cell, 8);
    Pause(300);

    const ScreenImage seen(pointer.x - kReach, pointer.y - kReach, kCells, kCells);
    const ScreenImage shown(loupe.left, loupe.top, kCells * cell, kCells * cell);
    for (int j = 0; j < kCells; ++j) {
        for (int i = 0; i < kCells; ++i) {
            ASSERT_EQ(seen.At(i, j), PatternAt(77 - kReach + i, 64 - kReach + j)) << i << "," << j;
            EXPECT_EQ(shown.At(i * cell + cell / 2, j * cell + cell / 2), seen.At(i, j))
                << "cell " << i << "," << j;
        }
    }
    const std::wstring centre = DisplayText(PatternAt(77, 64));
    EXPECT_TRUE(TextBecomes(centre)) << "the centre is what the picker samples";

    // Esc from the text box: one sample at once, sampling off, nothing copied.
    Click(ControlCentre(kText1));
    ASSERT_TRUE(MoveTo(PatternPoint(150, 20)));
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return !IsChecked(kCheck3); }));
    EXPECT_TRUE(TextBecomes(DisplayText(PatternAt(150, 20))));
    EXPECT_TRUE(LoupeBecomes(false));
    ASSERT_TRUE(MoveTo(PatternPoint(10, 10)));
    Pause(500);
    EXPECT_EQ(Text1(), DisplayText(PatternAt(150, 20))) << "stopped on that pixel";
    EXPECT_EQ(ClipboardText().value_or(L""), L"kept") << "Esc never copies";

    // Sampling off: Esc does nothing, Enter still copies.
    Key(VK_ESCAPE);
    Pause(300);
    EXPECT_EQ(Text1(), DisplayText(PatternAt(150, 20)));
    EXPECT_EQ(ClipboardText().value_or(L""), L"kept");
    Key(VK_RETURN);
    EXPECT_TRUE(ClipboardBecomes(DisplayText(PatternAt(150, 20))));
}

TEST_F(LoupeTest, EscStopsSamplingWhicheverControlHasTheFocus) {
    int round = 0;
    for (ControlId focus : {kCheck3, kPicture1}) {
        StartSampling();
        // A press in the field while sampling picks there and takes the focus.
        if (focus == kPicture1) ClickField(200, 200);
        ASSERT_TRUE(
            WaitUntil(kUpdateTimeoutMs, [&] { return FocusOf(uiThread()) == Control(focus); }))
            << "focus on " << FocusOf(uiThread()) << ", not on control " << focus;
        const POINT at = PatternPoint(33 + 9 * round, 44 + 5 * round);
        ASSERT_TRUE(MoveTo(at));
        Key(VK_ESCAPE);
        EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return !IsChecked(kCheck3); }))
            << "focus on control " << focus;
        EXPECT_TRUE(TextBecomes(DisplayText(PatternAt(33 + 9 * round, 44 + 5 * round))));
        ++round;
    }
}

TEST_F(LoupeTest, FollowsThePointerAndNeverCoversItsSquareNearTheEdges) {
    StartSampling();
    SwitchLoupe();
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const POINT spots[] = {{width / 2, 40}, {width - 3, height / 2}, {width / 2, height - 3},
                           {2, height / 2}, {width - 1, height - 1}, {0, 0},
                           {width - 1, 0},  {0, height - 1},         PatternPoint(100, 100)};
    for (POINT spot : spots) {
        ASSERT_TRUE(MoveTo(spot));
        RECT loupe{};
        EXPECT_TRUE(LoupeClearOf(spot, loupe));
    }
}

}  // namespace
}  // namespace e2e
