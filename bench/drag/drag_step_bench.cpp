// The cost of one drag step. A real Form1 is built in this process from the
// window's own code and shown on the display; each step sends Picture1 one move
// with the left button held and lets every window it touched repaint, so a step is
// the whole road of a drag: the pick, both table draws and transfers, the markers,
// the swatch, the text and the repaint. Beside it, the engine alone (both draws into
// memory DCs) and the plain per-pixel reference doing the same two draws, all
// measured in the same run. The whole step is measured again after the window has
// been told it moved to a 192-dpi monitor, where both tables show magnified twice.
// Last, frames of the loupe while sampling, as the picker runs them, beside a plain
// one-pixel read.
// Prints figures; never fails on time.
//
//   drag_step_bench.exe [STEPS]     default 3000
#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "colour_table.h"
#include "command_ids.h"
#include "control_layout.h"
#include "draw_target.h"
#include "form_window.h"
#include "loupe.h"
#include "reference_draw.h"
#include "step_stats.h"

namespace {

using namespace tintwell::win32;
using drag_bench::StepTimer;

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A path that sweeps the whole field, so that every step picks a new point; `scale`
// screen pixels to a table pixel.
POINT PathPoint(int step, int scale = 1) {
    return POINT{scale * (128 + static_cast<int>(127 * std::sin(step * 0.013))),
                 scale * (128 + static_cast<int>(127 * std::sin(step * 0.0171 + 1.0)))};
}

void DragInWindow(HWND form, HWND picture, int steps, int scale, StepTimer &timer) {
    POINT p = PathPoint(0, scale);
    SendMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    Pump();
    for (int i = 1; i <= steps; ++i) {
        p = PathPoint(i, scale);
        timer.Start();
        SendMessageW(picture, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        timer.Stop();
        Pump();
    }
    SendMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    Pump();
}

StepTimer DragInWindow(HWND form, HWND picture, int steps) {
    StepTimer timer;
    DragInWindow(form, picture, steps, 1, timer);
    return timer;
}

// Tells the window it now shows at `dpi`, its corner where it was.
void MoveToDpi(HWND form, int dpi) {
    RECT frame{};
    GetWindowRect(form, &frame);
    RECT client{};
    GetClientRect(form, &client);
    const int width = 392 * dpi / 96 + (frame.right - frame.left - client.right);
    const int height = 288 * dpi / 96 + (frame.bottom - frame.top - client.bottom);
    const RECT suggested{frame.left, frame.top, frame.left + width, frame.top + height};
    SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    Pump();
}

// Two memory DCs shaped like the picture boxes' images.
class ImagePair {
  public:
    HDC field() const { return field_.dc(); }
    HDC strip() const { return strip_.dc(); }

  private:
    DrawTarget field_{TargetKind::ScreenCompatible, 256, 256};
    DrawTarget strip_{TargetKind::ScreenCompatible, 18, 256};
};

// What a loupe frame must do at the least: find the pointer and read its pixel.
void PlainPixelRead() {
    POINT cursor{};
    GetCursorPos(&cursor);
    const HDC screen = GetDC(nullptr);
    GetPixel(screen, cursor.x, cursor.y);
    ReleaseDC(nullptr, screen);
}

// Frames of the loupe in the picker while sampling, the pointer moved before each
// one, beside the screen to the right of the window: each frame reads, redraws the
// loupe and moves it, through the form's handling of the frame's read. The sample
// ticks and whatever else comes between frames are not counted.
StepTimer LoupeFrames(HWND form, int frames) {
    StepTimer timer;
    SendMessageW(GetDlgItem(form, kCheck3), BM_CLICK, 0, 0);
    SendMessageW(form, WM_SYSCOMMAND, kLoupeCommand, 0);
    Pump();
    const HWND loupe = FindWindowW(kLoupeClass, nullptr);
    RECT window{};
    GetWindowRect(form, &window);
    const int x = (window.right + GetSystemMetrics(SM_CXSCREEN)) / 2;
    const int y = window.top + 40;
    for (int i = 0; loupe != nullptr && i < frames; ++i) {
        SetCursorPos(x + (i % 40) * 3, y + (i % 17) * 2);
        timer.Start();
        SendMessageW(loupe, WM_TIMER, kLoupeFrameTimer, 0);
        GdiFlush();
        timer.Stop();
        Pump();
    }
    SendMessageW(form, WM_SYSCOMMAND, kLoupeCommand, 0);
    SendMessageW(GetDlgItem(form, kCheck3), BM_CLICK, 0, 0);
    Pump();
    return timer;
}

template <typename Draw>
StepTimer DrawSteps(int steps, Draw draw) {
    StepTimer timer;
    for (int i = 0; i < steps; ++i) {
        timer.Start();
        draw(i);
        GdiFlush();
        timer.Stop();
    }
    return timer;
}

}  // namespace

int main(int argc, char **argv) {
    const int steps = argc > 1 ? std::atoi(argv[1]) : 3000;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    FormWindow::RegisterClasses(instance);
    FormWindow window(instance);
    if (!window.Start(SW_SHOWNORMAL)) {
        std::printf("drag_step_bench: the window did not start\n");
        return 1;
    }
    Pump();
    const HWND form = FindWindowW(kFormClass, kFormTitle);
    const HWND picture = GetDlgItem(form, kPicture1);

    const StepTimer hue = DragInWindow(form, picture, steps);
    SendMessageW(GetDlgItem(form, kOption4), BM_CLICK, 0, 0);
    Pump();
    const StepTimer red = DragInWindow(form, picture, steps);
    SendMessageW(GetDlgItem(form, kOption1), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(form, kCheck4), BM_CLICK, 0, 0);
    Pump();
    const StepTimer hueWebSafe = DragInWindow(form, picture, steps);
    SendMessageW(GetDlgItem(form, kCheck4), BM_CLICK, 0, 0);
    Pump();
    // Drags at 96 and at 192 dpi, where both tables show magnified twice, taken in
    // turns so that both see the same machine. In hue mode a field drag leaves the
    // tables as they are; in red mode every step draws a new strip; a strip drag in hue
    // mode draws a new field on every step, all of which shows again.
    RECT home{};
    GetWindowRect(form, &home);
    SetWindowPos(form, nullptr, 16, 16, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Pump();
    StepTimer hue96, red96, hue192, red192, strip96, strip192;
    const HWND stripPicture = GetDlgItem(form, kPicture2);
    constexpr int kTurns = 6;
    for (int turn = 0; turn < kTurns; ++turn) {
        for (const int scale : {1, 2}) {
            MoveToDpi(form, 96 * scale);
            SendMessageW(GetDlgItem(form, kOption1), BM_CLICK, 0, 0);
            Pump();
            DragInWindow(form, picture, steps / kTurns, scale, scale == 1 ? hue96 : hue192);
            SendMessageW(GetDlgItem(form, kOption4), BM_CLICK, 0, 0);
            Pump();
            DragInWindow(form, picture, steps / kTurns, scale, scale == 1 ? red96 : red192);
            SendMessageW(GetDlgItem(form, kOption1), BM_CLICK, 0, 0);
            Pump();
            DragInWindow(form, stripPicture, steps / kTurns, scale,
                         scale == 1 ? strip96 : strip192);
        }
    }
    MoveToDpi(form, 96);
    SendMessageW(GetDlgItem(form, kOption1), BM_CLICK, 0, 0);
    SetWindowPos(form, nullptr, home.left, home.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Pump();

    const StepTimer loupeFrames = LoupeFrames(form, steps);
    const StepTimer plainRead = DrawSteps(steps, [](int) { PlainPixelRead(); });

    const HMODULE module = GetModuleHandleW(L"dyeplate.dll");
    const auto draw = reinterpret_cast<DrawColorTableFn>(
        reinterpret_cast<void *>(GetProcAddress(module, "DrawColorTable")));
    const auto draw2 = reinterpret_cast<DrawColorTableFn>(
        reinterpret_cast<void *>(GetProcAddress(module, "DrawColorTable2")));
    if (draw == nullptr || draw2 == nullptr) {
        std::printf("drag_step_bench: dyeplate.dll is not loaded\n");
        return 1;
    }
    const uint32_t base = 0x00336699u;
    ImagePair images;
    const StepTimer engine = DrawSteps(steps, [&](int) {
        draw(images.field(), base, 0, 0);
        draw2(images.strip(), base, 0, 0);
    });
    const StepTimer engineRed = DrawSteps(steps, [&](int i) {
        draw(images.field(), base ^ static_cast<uint32_t>(i & 0xFF), 3, 0);
        draw2(images.strip(), base ^ static_cast<uint32_t>(i & 0xFF), 3, 0);
    });
    // What the window system alone charges for the two repaints every step makes.
    const HWND strip = GetDlgItem(form, kPicture2);
    const StepTimer repaint = DrawSteps(steps, [&](int) {
        RedrawWindow(picture, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RedrawWindow(strip, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    });
    // The other window operations of a step, each on its own.
    const HWND ring = GetDlgItem(picture, kLabel1);
    const HWND arrow = GetDlgItem(form, kLabel2);
    const StepTimer markers = DrawSteps(steps, [&](int i) {
        const POINT p = PathPoint(i);
        SetWindowPos(ring, nullptr, p.x - 5, p.y - 5, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(arrow, nullptr, 267, 1 + (i & 0xFF), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    });
    const HWND text = GetDlgItem(form, kText1);
    const StepTimer texts = DrawSteps(steps, [&](int i) {
        wchar_t shown[8];
        wsprintfW(shown, L"#%06X", i);
        SetWindowTextW(text, shown);
        SetWindowTextW(text, shown);
        RedrawWindow(text, nullptr, nullptr, RDW_UPDATENOW);
    });
    const HWND swatch = GetDlgItem(form, kShape1);
    const StepTimer swatchRepaint = DrawSteps(steps, [&](int) {
        RedrawWindow(swatch, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    });
    const StepTimer reference = DrawSteps(steps, [&](int) {
        drag_bench::ReferenceDrawField(images.field(), base, 0, 0);
        drag_bench::ReferenceDrawStrip(images.strip(), base, 0, 0);
    });

    std::printf("One drag step, %d steps each (microseconds per step)\n", steps);
    std::printf("%-52s %9s %9s %9s   %s\n", "", "median", "p99", "steps/s", "vs reference");
    hue.Print("window: whole drag step, hue mode", reference.Median());
    red.Print("window: whole drag step, red mode", reference.Median());
    hueWebSafe.Print("window: whole drag step, hue mode, web-safe", reference.Median());
    engine.Print("engine: field + strip draw into memory DCs, hue", reference.Median());
    engineRed.Print("engine: field + strip draw into memory DCs, red", reference.Median());
    reference.Print("plain per-pixel reference: field + strip, hue", reference.Median());
    repaint.Print("window system: repaint both pictures, no drawing", reference.Median());
    markers.Print("window system: SetWindowPos both markers, repaint", reference.Median());
    texts.Print("window system: SetWindowText twice, repaint", reference.Median());
    swatchRepaint.Print("window system: repaint the swatch", reference.Median());
    std::printf("\nThe whole drag step at two display scales (vs the same mode at 96 dpi)\n");
    hue96.Print("window: whole drag step, hue mode, 96 dpi", hue96.Median());
    hue192.Print("window: whole drag step, hue mode, 192 dpi", hue96.Median());
    red96.Print("window: whole drag step, red mode, 96 dpi", red96.Median());
    red192.Print("window: whole drag step, red mode, 192 dpi", red96.Median());
    strip96.Print("window: whole strip drag step, hue mode, 96 dpi", strip96.Median());
    strip192.Print("window: whole strip drag step, hue mode, 192 dpi", strip96.Median());
    std::printf("\nA loupe frame in the picker, sampling on (vs a plain one-pixel read)\n");
    if (loupeFrames.empty()) {
        std::printf("no loupe: the frames were not measured\n");
    } else {
        loupeFrames.Print("window: loupe frame, pointer moved", plainRead.Median());
    }
    plainRead.Print("plain one-pixel read: cursor, screen DC, GetPixel", plainRead.Median());

    DestroyWindow(form);
    Pump();
    return 0;
}
