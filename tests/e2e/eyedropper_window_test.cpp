// The eyedropper's window parts on their own, inside this process: the screen reader
// against a pattern of known pixels, squares of every width one after another, and
// the loupe drawn at the scale of the monitor the pointer is on. Runs at 96 dpi with
// the window-layer suite and at 144 dpi on its own.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "colour_window.h"
#include "draw_target.h"
#include "failing_window_sink.h"
#include "gdi_handles.h"
#include "loupe.h"
#include "loupe_canvas.h"
#include "loupe_zoom.h"
#include "resource_probe.h"
#include "win32_platform.h"
#include "window_base.h"
#include "window_probe.h"

namespace {

using namespace tintwell;
using namespace tintwell::win32;

// Every pixel differs from its neighbours in every channel, and red from blue, so
// a square read from the wrong row or column cannot pass.
COLORREF PatternAt(int x, int y) {
    return RGB((x * 7 + 0x12) & 0xFF, (y * 5 + 0x34) & 0xFF, (x * 3 + y * 11 + 0x56) & 0xFF);
}

class PatternWindow : public WindowBase<PatternWindow> {
  public:
    explicit PatternWindow(RECT area)
        : WindowBase(testsupport::EndTheTestOnFailure()),
          image_(area.right - area.left, area.bottom - area.top) {
        for (int y = 0; y < image_.height(); ++y) {
            for (int x = 0; x < image_.width(); ++x) {
                image_.pixels()[static_cast<size_t>(y) * image_.width() + x] =
                    BitmapPixelFromColour(PatternAt(x, y));
            }
        }
        Register(GetModuleHandleW(nullptr), L"TintwellTestReaderPattern", nullptr);
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST,
                        L"TintwellTestReaderPattern", L"", WS_POPUP, area.left, area.top,
                        image_.width(), image_.height(), nullptr, nullptr,
                        GetModuleHandleW(nullptr), this);
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        UpdateWindow(hwnd_);
        testsupport::ScreenShows(POINT{area.right - 1, area.bottom - 1},
                                 PatternAt(image_.width() - 1, image_.height() - 1));
    }
    ~PatternWindow() {
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != WM_PAINT) return Default(message, wParam, lParam);
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd_, &paint);
        BitBlt(dc, 0, 0, image_.width(), image_.height(), image_.dc(), 0, 0, SRCCOPY);
        EndPaint(hwnd_, &paint);
        return 0;
    }

  private:
    OffscreenImage image_;
};

// The reader keeps the bitmap of its widest read and copies narrower squares into
// its corner: each must still come out row by row as the screen shows it.
TEST(ScreenReaderTest, SquaresOfEveryWidthInTurnHoldThePixelsAroundThePointer) {
    const RECT area{60, 80, 260, 280};
    const PatternWindow pattern(area);
    ASSERT_NE(pattern.hwnd(), nullptr);
    Win32Platform platform;
    struct Read {
        POINT at;
        int reach;
    };
    const Read reads[] = {{{140, 150}, 5}, {{140, 150}, 2}, {{171, 203}, 1},
                          {{95, 120}, 0},  {{171, 203}, 3}, {{202, 233}, 5}};
    for (const Read &read : reads) {
        SCOPED_TRACE(::testing::Message()
                     << read.at.x << "," << read.at.y << " reach " << read.reach);
        SetCursorPos(read.at.x, read.at.y);
        const ScreenSquare square = platform.screen().ReadSquare(read.reach);
        ASSERT_EQ(square.cursor.x, read.at.x);
        ASSERT_EQ(square.cursor.y, read.at.y);
        ASSERT_EQ(square.reach, read.reach);
        for (int dy = -read.reach; dy <= read.reach; ++dy) {
            for (int dx = -read.reach; dx <= read.reach; ++dx) {
                EXPECT_EQ(square.At(dx, dy),
                          PatternAt(read.at.x + dx - area.left, read.at.y + dy - area.top))
                    << "cell " << dx << "," << dy;
            }
        }
    }
}

// A read the loupe is shown, on the monitor the pointer is on: its cells, grid and
// outline are those of that monitor's scale, and its caption is drawn at that scale
// too.
TEST(LoupeWindowTest, DrawsAtTheScaleOfThePointersMonitor) {
    Win32Platform platform;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    Loupe::RegisterClass(instance);
    Loupe loupe(platform.screen(), testsupport::EndTheTestOnFailure());
    loupe.Create(instance, Loupe::FrameRead());
    ASSERT_NE(loupe.hwnd(), nullptr);
    loupe.SetSampling(true);
    loupe.Switch();

    const std::vector<MonitorArea> &areas = platform.screen().monitors().Areas();
    ASSERT_FALSE(areas.empty());
    const ScreenRect &work = areas[0].work;
    const ScreenPoint pointer{work.left + work.width() / 3, work.top + work.height() / 3};
    const int dpi = areas[PointerMonitor(areas, pointer).value()].dpi;
    SCOPED_TRACE(::testing::Message() << dpi << " dpi");
    const LoupeMetrics metrics = LoupeMetricsForDpi(dpi);

    ScreenSquare read = UnreadSquare(pointer, metrics.reach());
    for (size_t i = 0; i < read.cells.size(); ++i) {
        read.cells[i] = RGB(0x12 + 2 * i, 0x34 + i, 0x56);
    }
    read.cells[0] = kInvalidColor;
    const SampleStatus status{1, RGB(0x12, 0x34, 0x56), FreezeState::Live};
    loupe.ShowRead(read, status);
    ASSERT_TRUE(loupe.shown());

    LoupeCanvas expected;
    ASSERT_TRUE(expected.Prepare(dpi, kDefaultLoupeZoom, 1));
    expected.Draw(read, status.sampleReach, LoupeCaption(status.sample));
    RECT placed{};
    GetWindowRect(loupe.hwnd(), &placed);
    ASSERT_EQ(placed.right - placed.left, expected.size().cx);
    ASSERT_EQ(placed.bottom - placed.top, expected.size().cy);

    const int width = expected.size().cx;
    const int height = expected.size().cy;
    DrawTarget shown(TargetKind::Dib32, width, height);
    loupe.Paint(shown.dc());
    shown.Capture();
    DrawTarget drawn(TargetKind::Dib32, width, height);
    BitBlt(drawn.dc(), 0, 0, width, height, expected.dc(), 0, 0, SRCCOPY);
    drawn.Capture();
    int captionWrong = 0;
    for (int y = metrics.imageSize(); y < height; ++y) {
        for (int x = 0; x < width; ++x) captionWrong += shown.At(x, y) != drawn.At(x, y);
    }
    EXPECT_EQ(captionWrong, 0) << "caption pixels unlike the caption at this scale";

    const int size = metrics.imageSize();
    std::vector<BitmapPixel> image(static_cast<size_t>(size) * size);
    ComposeLoupeImage(read.cells.data(), metrics, image.data(), static_cast<size_t>(size),
                      status.sampleReach);
    int imageWrong = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            imageWrong +=
                shown.At(x, y) != ColourFromBitmapPixel(image[static_cast<size_t>(y) * size + x]);
        }
    }
    EXPECT_EQ(imageWrong, 0) << "image pixels unlike the cells, grid and outline at this scale";
}

// The wheel's zoom during a pick: the loupe keeps its size, and its square shows the
// cells of that step where loupe_zoom.h puts them, with the frame's colour around.
TEST(LoupeWindowTest, ZoomedDuringAPickKeepsItsSizeAndShowsTheStepsCells) {
    Win32Platform platform;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    Loupe::RegisterClass(instance);
    Loupe loupe(platform.screen(), testsupport::EndTheTestOnFailure());
    loupe.Create(instance, Loupe::FrameRead());
    ASSERT_NE(loupe.hwnd(), nullptr);
    loupe.SetPicking(true);

    const std::vector<MonitorArea> &areas = platform.screen().monitors().Areas();
    ASSERT_FALSE(areas.empty());
    const ScreenRect &work = areas[0].work;
    const ScreenPoint pointer{work.left + work.width() / 3, work.top + work.height() / 3};
    const int dpi = areas[PointerMonitor(areas, pointer).value()].dpi;
    const int widest = LoupeViewAt(dpi, 0).metrics.reach();
    ScreenSquare read = UnreadSquare(pointer, widest);
    for (size_t i = 0; i < read.cells.size(); ++i) {
        read.cells[i] = RGB(0x12 + 3 * (i % 61), 0x34 + i % 47, 0x56);
    }
    const SampleStatus status{1, RGB(0x12, 0x34, 0x56), FreezeState::Live};
    loupe.ShowRead(read, status);
    ASSERT_TRUE(loupe.shown());
    RECT unzoomed{};
    GetWindowRect(loupe.hwnd(), &unzoomed);

    for (const int by : {2, -5}) {
        const int step = ZoomedStep(kDefaultLoupeZoom, by);
        SCOPED_TRACE(::testing::Message() << dpi << " dpi, step " << step);
        loupe.Zoom(by);
        EXPECT_GE(loupe.WantedReach(), LoupeViewAt(dpi, step).metrics.reach());
        loupe.ShowRead(read, status);
        RECT placed{};
        GetWindowRect(loupe.hwnd(), &placed);
        ASSERT_EQ(placed.right - placed.left, unzoomed.right - unzoomed.left);
        ASSERT_EQ(placed.bottom - placed.top, unzoomed.bottom - unzoomed.top);

        const LoupeView view = LoupeViewAt(dpi, step);
        const int size = view.metrics.imageSize();
        const int cells = view.metrics.cells;
        std::vector<ColorRef> seen(static_cast<size_t>(cells) * cells);
        const int reach = view.metrics.reach();
        for (int y = 0; y < cells; ++y) {
            for (int x = 0; x < cells; ++x) {
                seen[static_cast<size_t>(y) * cells + x] = read.At(x - reach, y - reach);
            }
        }
        std::vector<BitmapPixel> image(static_cast<size_t>(size) * size);
        ComposeLoupeImage(seen.data(), view.metrics, image.data(), static_cast<size_t>(size),
                          status.sampleReach);
        DrawTarget shown(TargetKind::Dib32, view.side, view.side);
        loupe.Paint(shown.dc());
        shown.Capture();
        const ColorRef frame = GetSysColor(COLOR_WINDOWFRAME);
        int wrong = 0;
        for (int y = 0; y < view.side; ++y) {
            for (int x = 0; x < view.side; ++x) {
                const int cx = x - view.inset;
                const int cy = y - view.inset;
                const bool inCells = cx >= 0 && cy >= 0 && cx < size && cy < size;
                const ColorRef want =
                    inCells ? ColourFromBitmapPixel(image[static_cast<size_t>(cy) * size + cx])
                            : frame;
                wrong += shown.At(x, y) != want;
            }
        }
        EXPECT_EQ(wrong, 0) << "pixels unlike the step's cells in the frame";
    }
    loupe.SetPicking(false);
}

// Turn after turn of the wheel during a pick, each frame reading another colour: the
// loupe holds no more GDI objects than after the first turns, shows the last step's
// cells with the last caption, and gives everything back once it hides.
TEST(LoupeWindowTest, ZoomCyclesHoldNoMoreGdiObjectsAndShowTheLastStepAndCaption) {
    ASSERT_TRUE(soak::GdiCountSeesOwnObjects()) << "a count that sees no objects sees no leak";
    Win32Platform platform;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    Loupe::RegisterClass(instance);
    Loupe loupe(platform.screen(), testsupport::EndTheTestOnFailure());
    const std::vector<MonitorArea> &areas = platform.screen().monitors().Areas();
    ASSERT_FALSE(areas.empty());
    const ScreenRect &work = areas[0].work;
    const POINT rest{work.left + work.width() / 3, work.top + work.height() / 3};
    SetCursorPos(rest.x, rest.y);
    int frames = 0;
    ScreenSquare last;
    SampleStatus lastStatus{1, 0, FreezeState::Live};
    loupe.Create(instance, [&](ReadViewer &viewer, ScreenPoint pointer) {
        ++frames;
        last = UnreadSquare(pointer, viewer.WantedReach());
        for (size_t i = 0; i < last.cells.size(); ++i) {
            last.cells[i] = RGB((0x12 + 3 * i + frames) & 0xFF, (0x34 + i) & 0xFF, 0x56);
        }
        lastStatus.sample = RGB(frames & 0xFF, 0x40, 0x80);
        viewer.ShowRead(last, lastStatus);
    });
    auto gdiObjects = [] {
        return soak::ReadResources(GetCurrentProcess(), GetCurrentProcessId()).gdiObjects;
    };
    // Shown once before counting: what the system makes for a window's first showing
    // is not the loupe's.
    loupe.SetPicking(true);
    loupe.SetPicking(false);
    const int64_t idle = gdiObjects();
    loupe.SetPicking(true);
    ASSERT_TRUE(loupe.shown());
    auto cycle = [&] {
        for (int i = 0; i < kLoupeZoomSteps; ++i) loupe.Zoom(1);
        for (int i = 0; i < kLoupeZoomSteps; ++i) loupe.Zoom(-1);
    };
    for (int i = 0; i < 3; ++i) cycle();
    const int64_t settled = gdiObjects();
    const int framesBefore = frames;
    for (int i = 0; i < 100; ++i) cycle();
    EXPECT_GE(frames - framesBefore, 100 * 2 * (kLoupeZoomSteps - 1)) << "each step drew";
    EXPECT_EQ(gdiObjects(), settled);

    {
        // The cycles end at step 0; then what a fresh canvas draws of the last read
        // at the step turned to.
        const int step = 2;
        loupe.Zoom(step);
        // And a sample of another colour at that step, no zoom between.
        lastStatus.sample = RGB(0xC0, 0xFF, 0xEE);
        loupe.ShowRead(last, lastStatus);
        ASSERT_TRUE(loupe.shown());
        const int dpi = areas[PointerMonitor(areas, last.cursor).value()].dpi;
        LoupeCanvas expected;
        ASSERT_TRUE(expected.Prepare(dpi, step, 1));
        expected.Draw(last, lastStatus.sampleReach, LoupeCaption(lastStatus.sample));
        const int width = expected.size().cx;
        const int height = expected.size().cy;
        DrawTarget shown(TargetKind::Dib32, width, height);
        loupe.Paint(shown.dc());
        shown.Capture();
        DrawTarget drawn(TargetKind::Dib32, width, height);
        BitBlt(drawn.dc(), 0, 0, width, height, expected.dc(), 0, 0, SRCCOPY);
        drawn.Capture();
        int wrong = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) wrong += shown.At(x, y) != drawn.At(x, y);
        }
        EXPECT_EQ(wrong, 0) << "pixels unlike step " << step << " of the last read and its caption";
    }
    loupe.SetPicking(false);
    EXPECT_FALSE(loupe.shown());
    EXPECT_LE(gdiObjects(), idle) << "a hidden loupe holds nothing";
}

void PumpFor(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
}

// The frames between ticks read the screen only for a pointer that moved or a
// display that changed, and a read like the one shown leaves the loupe alone.
TEST(LoupeWindowTest, FramesReadOnlyForAMovedPointerAndLikeReadsAreNotShownAgain) {
    Win32Platform platform;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    Loupe::RegisterClass(instance);
    Loupe loupe(platform.screen(), testsupport::EndTheTestOnFailure());
    int frameReads = 0;
    ScreenSquare last;
    const SampleStatus status{0, RGB(0x12, 0x34, 0x56), FreezeState::Live};
    loupe.Create(instance, [&](ReadViewer &viewer, ScreenPoint) {
        ++frameReads;
        last = platform.ReadScreenSquare(viewer.WantedReach());
        viewer.ShowRead(last, status);
    });
    const ScreenRect &work = platform.screen().monitors().Areas().at(0).work;
    const POINT rest{work.left + work.width() / 3, work.top + work.height() / 3};
    SetCursorPos(rest.x, rest.y);
    loupe.SetSampling(true);
    loupe.Switch();
    PumpFor(300);
    ASSERT_TRUE(loupe.shown());
    EXPECT_GE(frameReads, 1);

    frameReads = 0;
    PumpFor(300);
    EXPECT_EQ(frameReads, 0) << "the pointer rests";
    SetCursorPos(rest.x + 7, rest.y + 5);
    PumpFor(200);
    EXPECT_GE(frameReads, 1) << "the pointer moved";
    frameReads = 0;
    SendMessageW(loupe.hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
    PumpFor(200);
    EXPECT_GE(frameReads, 1) << "the display changed";

    // A read like the last one still brings the loupe back over a window that came
    // on top of it since.
    {
        const testsupport::ColourWindow above(RECT{rest.x, rest.y, rest.x + 300, rest.y + 300},
                                              RGB(0x12, 0x34, 0x56));
        ASSERT_NE(GetWindow(loupe.hwnd(), GW_HWNDPREV), nullptr);
        loupe.ShowRead(last, status);
        EXPECT_EQ(GetWindow(loupe.hwnd(), GW_HWNDPREV), nullptr) << "the loupe is not on top";
    }

    // Moved out of its place behind its back, the loupe is left there by a read like
    // the last one, and comes back for one that differs.
    RECT placed{};
    GetWindowRect(loupe.hwnd(), &placed);
    SetWindowPos(loupe.hwnd(), nullptr, placed.left + 40, placed.top + 30, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT moved{};
    GetWindowRect(loupe.hwnd(), &moved);
    loupe.ShowRead(last, status);
    RECT now{};
    GetWindowRect(loupe.hwnd(), &now);
    EXPECT_TRUE(EqualRect(&now, &moved)) << "redrawn and placed again for the same read";
    ScreenSquare changed = last;
    changed.cells[0] ^= 0x010203u;
    loupe.ShowRead(changed, status);
    GetWindowRect(loupe.hwnd(), &now);
    EXPECT_TRUE(EqualRect(&now, &placed)) << "a changed read is shown where it belongs";
}

// The frames slow down once the pointer has rested, and whichever sees it move first,
// a sample tick or a frame, brings the quick ones back.
TEST(LoupeWindowTest, FramesSlowAtRestAndTheFirstSightOfAMovementHurriesThem) {
    Win32Platform platform;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    Loupe::RegisterClass(instance);
    Loupe loupe(platform.screen(), testsupport::EndTheTestOnFailure());
    const SampleStatus status{0, RGB(0x12, 0x34, 0x56), FreezeState::Live};
    loupe.Create(instance, [&](ReadViewer &viewer, ScreenPoint) {
        viewer.ShowRead(platform.ReadScreenSquare(viewer.WantedReach()), status);
    });
    const ScreenRect &work = platform.screen().monitors().Areas().at(0).work;
    const POINT rest{work.left + work.width() / 3, work.top + work.height() / 3};
    SetCursorPos(rest.x, rest.y);
    loupe.SetSampling(true);
    loupe.Switch();
    EXPECT_EQ(loupe.framePeriodMs(), kFollowingFrameMs) << "just switched on";
    const DWORD aRest = static_cast<DWORD>(kRestAfterMs) + 150;
    PumpFor(aRest);
    ASSERT_TRUE(loupe.shown());
    EXPECT_EQ(loupe.framePeriodMs(), kRestingFrameMs) << "the pointer rests";

    SetCursorPos(rest.x + 7, rest.y + 5);
    loupe.ShowRead(platform.ReadScreenSquare(loupe.WantedReach()), status);
    EXPECT_EQ(loupe.framePeriodMs(), kFollowingFrameMs) << "a tick saw the pointer move";
    PumpFor(aRest);
    EXPECT_EQ(loupe.framePeriodMs(), kRestingFrameMs);

    SetCursorPos(rest.x, rest.y);
    PumpFor(3 * kRestingFrameMs);
    EXPECT_EQ(loupe.framePeriodMs(), kFollowingFrameMs) << "a frame saw the pointer move";

    loupe.Switch();
    EXPECT_EQ(loupe.framePeriodMs(), 0u);
}

}  // namespace
