// The loupe and Esc with the real program and real input: the system-menu switch,
// when the loupe shows, what its cells show against the screen, where it stands as
// the pointer goes to the screen's edges, and Esc stopping on the pixel. Runs at
// 96 dpi and, through ctest, at the scaled displays too.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "failing_window_sink.h"
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

// The pattern after it changed under the pointer, as a hover effect changes a page.
constexpr uint32_t kChanged = 0x0F3C5A;

class PatternWindow : public WindowBase<PatternWindow> {
  public:
    explicit PatternWindow(RECT area) : WindowBase(testsupport::EndTheTestOnFailure()) {
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
        if (image_ != nullptr) DeleteObject(image_);
    }

    // Every pixel xor `mask` from now on, drawn at once; then a pause for the screen
    // to settle.
    void Change(uint32_t mask, DWORD settleMs = 200) {
        mask_ = mask;
        if (image_ != nullptr) DeleteObject(image_);
        image_ = nullptr;
        InvalidateRect(hwnd_, nullptr, FALSE);
        UpdateWindow(hwnd_);
        Pause(settleMs);
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != WM_PAINT) return Default(message, wParam, lParam);
        // Drawn once into a bitmap, so that what the loupe uncovers is drawn again at
        // once.
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd_, &paint);
        RECT client{};
        GetClientRect(hwnd_, &client);
        if (image_ == nullptr) {
            image_ = CreateCompatibleBitmap(dc, client.right, client.bottom);
            HDC memory = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(memory, image_);
            for (int y = 0; y < client.bottom; ++y) {
                for (int x = 0; x < client.right; ++x) {
                    SetPixel(memory, x, y, PatternAt(x, y) ^ mask_);
                }
            }
            SelectObject(memory, old);
            DeleteDC(memory);
        }
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, image_);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        EndPaint(hwnd_, &paint);
        return 0;
    }

  private:
    uint32_t mask_ = 0;
    HBITMAP image_ = nullptr;
};

void CtrlKey(WORD key) {
    KeyWith(VK_CONTROL, key);
    Pause(100);
}

// Each channel's mean over the pattern's square around (x, y), rounded half up.
uint32_t PatternMean(int x, int y, int reach) {
    int sums[3] = {0, 0, 0};
    const int count = (2 * reach + 1) * (2 * reach + 1);
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const uint32_t colour = PatternAt(x + dx, y + dy);
            for (int c = 0; c < 3; ++c) sums[c] += static_cast<int>((colour >> (8 * c)) & 0xFF);
        }
    }
    auto mean = [count](int sum) { return (2 * sum + count) / (2 * count); };
    return Rgb(mean(sums[0]), mean(sums[1]), mean(sums[2]));
}

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

    // The system menu as a user opens it.
    void OpenSystemMenu() {
        AltKey(VK_SPACE);
        Pause(300);
    }

    // Its last item.
    void SwitchLoupe() {
        OpenSystemMenu();
        Key(VK_UP);
        Key(VK_RETURN);
        Pause(300);
    }

    // The item of "サンプル範囲", above the history's switch and the loupe's: 0 one
    // pixel, 1 3x3, 2 5x5.
    void ChooseSampleSize(int item) {
        OpenSystemMenu();
        Key(VK_UP);
        Key(VK_UP);
        Key(VK_UP);
        // Enter on a submenu's item opens it with its first item chosen.
        Key(VK_RETURN);
        Pause(200);
        for (int i = 0; i < item; ++i) Key(VK_DOWN);
        Key(VK_RETURN);
        Pause(300);
    }

    // Holds the pointer still for the screenshots the issue asks for, when asked to.
    static void PauseForScreenshot() {
        wchar_t value[16] = {};
        if (GetEnvironmentVariableW(L"TINTWELL_SCREENSHOT_PAUSE_MS", value, 16) == 0) return;
        Pause(static_cast<DWORD>(_wtoi(value)));
    }

    RECT LoupeRect() const {
        RECT rect{};
        GetWindowRect(Loupe(), &rect);
        return rect;
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

// Each jump comes just after a sample tick, the moment Text1 shows a change of the
// pattern under the resting pointer. A loupe that waited for ticks would then lag
// by a whole tick, about 100 ms, on every jump, so the median tells it from one that
// follows frames (about 16 ms) with room for a loaded machine; the figures
// themselves are the benchmark's.
TEST_F(LoupeTest, FollowsAJumpWithinFramesFromTheFirstMovementNotAtTheNextTick) {
    constexpr int kJumps = 15;
    constexpr double kBoundMs = 50;
    StartSampling();
    SwitchLoupe();
    std::vector<double> lagsMs;
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    // Polls finer than WaitUntil, whose steps would blur both the tick and the lag.
    auto poll = [](DWORD timeoutMs, const auto &condition) {
        const ULONGLONG deadline = GetTickCount64() + timeoutMs;
        MSG message{};
        while (!condition()) {
            if (GetTickCount64() >= deadline) return false;
            Sleep(1);
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        }
        return true;
    };
    for (int jump = 0; jump < kJumps; ++jump) {
        const POINT from = PatternPoint(30 + 4 * jump, 40);
        ASSERT_TRUE(MoveTo(from));
        RECT before{};
        ASSERT_TRUE(LoupeClearOf(from, before));
        // At rest for longer than two sample ticks: the jump is a first movement.
        Pause(250);
        const uint32_t mask = 0x010203u * static_cast<uint32_t>(jump + 1);
        pattern_->Change(mask, 0);
        const std::wstring changed = DisplayText(PatternAt(30 + 4 * jump, 40) ^ mask);
        ASSERT_TRUE(poll(kUpdateTimeoutMs, [&] { return Text1() == changed; })) << "jump " << jump;
        before = LoupeRect();
        LARGE_INTEGER start{};
        QueryPerformanceCounter(&start);
        SetCursorPos(from.x + 60, from.y + 90);
        RECT now = before;
        const bool moved = poll(1000, [&] {
            now = LoupeRect();
            return !EqualRect(&now, &before);
        });
        LARGE_INTEGER end{};
        QueryPerformanceCounter(&end);
        ASSERT_TRUE(moved) << "jump " << jump;
        lagsMs.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                         static_cast<double>(frequency.QuadPart));
    }
    std::sort(lagsMs.begin(), lagsMs.end());
    EXPECT_LE(lagsMs[lagsMs.size() / 2], kBoundMs)
        << "fastest " << lagsMs.front() << " ms, slowest " << lagsMs.back() << " ms";
    std::printf(
        "loupe: jump to move after a tick: fastest %.1f ms, median %.1f ms, slowest %.1f ms\n",
        lagsMs.front(), lagsMs[lagsMs.size() / 2], lagsMs.back());
}

TEST_F(LoupeTest, APointerThatJumpsIntoTheLoupeSamplesThePatternBeneath) {
    StartSampling();
    SwitchLoupe();
    const POINT from = PatternPoint(40, 40);
    ASSERT_TRUE(MoveTo(from));
    RECT loupe{};
    ASSERT_TRUE(LoupeClearOf(from, loupe));
    ASSERT_TRUE(TextBecomes(DisplayText(PatternAt(40, 40))));
    const POINT into{(loupe.left + loupe.right) / 2, (loupe.top + loupe.bottom) / 2};
    const int x = into.x - 20;
    const int y = into.y - 300;
    ASSERT_LT(x + kReach, 200);
    ASSERT_LT(y + kReach, 200);
    // The first text after the jump is the pattern's pixel there, never one of the
    // loupe's own.
    const std::wstring before = Text1();
    SetCursorPos(into.x, into.y);
    std::wstring first = before;
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] {
        first = Text1();
        return first != before;
    }));
    EXPECT_EQ(first, DisplayText(PatternAt(x, y)));
    ASSERT_TRUE(LoupeClearOf(into, loupe));
    const int cell = (loupe.right - loupe.left) / kCells;
    Pause(300);
    const ScreenImage shown(loupe.left, loupe.top, kCells * cell, kCells * cell);
    for (int j = 0; j < kCells; ++j) {
        for (int i = 0; i < kCells; ++i) {
            EXPECT_EQ(shown.At(i * cell + cell / 2, j * cell + cell / 2),
                      PatternAt(x - kReach + i, y - kReach + j))
                << "cell " << i << "," << j;
        }
    }
}

TEST_F(LoupeTest, CtrlFFreezesTheScreenUntilCtrlFAgain) {
    StartSampling();
    SwitchLoupe();
    const POINT at = PatternPoint(60, 50);
    ASSERT_TRUE(MoveTo(at));
    RECT loupe{};
    ASSERT_TRUE(LoupeClearOf(at, loupe));
    ASSERT_TRUE(TextBecomes(DisplayText(PatternAt(60, 50))));
    CtrlKey('F');
    Pause(300);
    pattern_->Change(kChanged);
    ASSERT_TRUE(MoveTo(PatternPoint(63, 52)));
    EXPECT_TRUE(TextBecomes(DisplayText(PatternAt(63, 52)))) << "the old pattern";
    ASSERT_TRUE(LoupeClearOf(PatternPoint(63, 52), loupe));
    Pause(300);
    const int cell = (loupe.right - loupe.left) / kCells;
    {
        const ScreenImage shown(loupe.left, loupe.top, kCells * cell, kCells * cell);
        for (int j = 0; j < kCells; ++j) {
            for (int i = 0; i < kCells; ++i) {
                EXPECT_EQ(shown.At(i * cell + cell / 2, j * cell + cell / 2),
                          PatternAt(63 - kReach + i, 52 - kReach + j))
                    << "cell " << i << "," << j;
            }
        }
    }
    PauseForScreenshot();

    CtrlKey('F');
    EXPECT_TRUE(TextBecomes(DisplayText(PatternAt(63, 52) ^ kChanged))) << "live again";
    Pause(300);
    const ScreenImage shown(loupe.left, loupe.top, kCells * cell, kCells * cell);
    EXPECT_EQ(shown.At(kReach * cell + cell / 2, kReach * cell + cell / 2),
              PatternAt(63, 52) ^ kChanged);
}

TEST_F(LoupeTest, ASquareSampleIsTheMeanOfThePatternsSquare) {
    StartSampling();
    SwitchLoupe();
    ChooseSampleSize(1);
    ASSERT_TRUE(MoveTo(PatternPoint(90, 70)));
    EXPECT_TRUE(TextBecomes(DisplayText(PatternMean(90, 70, 1)))) << "3x3";
    ChooseSampleSize(2);
    ASSERT_TRUE(MoveTo(PatternPoint(91, 70)));
    EXPECT_TRUE(TextBecomes(DisplayText(PatternMean(91, 70, 2)))) << "5x5";
    PauseForScreenshot();
    ChooseSampleSize(0);
    ASSERT_TRUE(MoveTo(PatternPoint(92, 70)));
    EXPECT_TRUE(TextBecomes(DisplayText(PatternAt(92, 70)))) << "one pixel again";
}

}  // namespace
}  // namespace e2e
