// The screen's colour state in the real window, inside this process: under Wine the
// system answers nothing and nothing is said; with a monitor the test says is in HDR,
// and a duplication the test feeds, the tick, the loupe, the copy and the freeze all
// take the colours the frames hold, and the note shows under the loupe's colour and in
// the swatch's description. Runs at 96 dpi with the window-layer suite and at 144 dpi
// on its own. TINTWELL_TEST_HOLD_MS keeps the noted loupe, and then the swatch's
// tooltip, on the screen that long each, to be looked at.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "control_layout.h"
#include "desktop_duplication.h"
#include "form_window.h"
#include "live_form.h"
#include "loupe.h"
#include "screen_colour.h"
#include "screen_colour_system.h"
#include "scrgb_composer.h"
#include "text_conversion.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace {

using namespace tintwell;
using namespace tintwell::win32;

COLORREF FramePattern(int x, int y) {
    return RGB((x * 7 + 0x12) & 0xFF, (y * 5 + 0x34) & 0xFF, (x * 3 + y * 11 + 0x56) & 0xFF);
}

class FakeState : public ScreenColourSystem {
  public:
    std::vector<MonitorAnswers> answers;
    int asked = 0;
    std::vector<MonitorAnswers> Monitors() override {
        ++asked;
        return answers;
    }
    std::optional<bool> FiltersOn() override { return std::nullopt; }
};

// The desktop as the compositor would hold FramePattern, at SDR white `white`; the
// pixel at `bright` has its red channel half again above SDR white.
class FakeFrames : public ScRgbFrameSource {
  public:
    uint32_t white = 2500;
    POINT bright{-1, -1};
    int reads = 0;
    int releases = 0;
    bool Read(const ScreenRect &, const ScreenRect &area,
              std::vector<ScRgbPixel> &pixels) override {
        ++reads;
        pixels.resize(static_cast<size_t>(area.width()) * area.height());
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                const COLORREF c = FramePattern(x, y);
                ScRgbPixel &p =
                    pixels[static_cast<size_t>(y - area.top) * area.width() + (x - area.left)];
                p.red = testsupport::ComposedHalf(GetRValue(c), white);
                p.green = testsupport::ComposedHalf(GetGValue(c), white);
                p.blue = testsupport::ComposedHalf(GetBValue(c), white);
                p.alpha = 0x3C00;
                if (x == bright.x && y == bright.y) {
                    p.red = testsupport::HalfNearest(1.5 * white / 1000.0);
                }
            }
        }
        return true;
    }
    void Release() override { ++releases; }
};

void PumpPending() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void LetTicksRun(int ticks = 6) {
    for (int i = 0; i < ticks; ++i) {
        Sleep(100);
        PumpPending();
    }
}

std::wstring HexOf(COLORREF c) {
    wchar_t text[8];
    std::swprintf(text, 8, L"#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

std::wstring Wide(const char *utf8) {
    return WideFromUtf16(Utf8ToUtf16(utf8));
}

RECT LoupeRect() {
    RECT r{};
    GetWindowRect(FindWindowW(kLoupeClass, nullptr), &r);
    return r;
}

// The primary monitor in physical pixels, as the screen reader sees it.
ScreenRect PrimaryMonitor() {
    const DPI_AWARENESS_CONTEXT before =
        SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    if (before != nullptr) SetThreadDpiAwarenessContext(before);
    return ScreenRect{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right,
                      info.rcMonitor.bottom};
}

class ScreenColourWindowTest : public LiveFormTest {
  protected:
    void StartSampling() {
        SendMessageW(Control(kOption4), BM_CLICK, 0, 0);  // the sample is the colour shown
        // The loupe's switch, once: it stays on between samplings.
        if (!loupeOn_) SendMessageW(form_->hwnd(), WM_SYSCOMMAND, kLoupeCommand, 0);
        loupeOn_ = true;
        SendMessageW(Control(kCheck3), BM_CLICK, 0, 0);
        LetTicksRun();
    }
    void StopSampling() {
        SendMessageW(Control(kCheck3), BM_CLICK, 0, 0);
        PumpPending();
    }
    std::wstring Text1() { return WideFromUtf16(form_->controls().Text1_Text()); }
    bool Describes(const char *line) {
        return form_->swatchDescription().find(Wide(line)) != std::wstring::npos;
    }
    bool loupeOn_ = false;
};

TEST_F(ScreenColourWindowTest, UnderWineNothingIsDetectedAndNothingSaid) {
    SystemScreenColour system;
    const std::vector<MonitorAnswers> monitors = system.Monitors();
    ASSERT_FALSE(monitors.empty());
    for (const MonitorAnswers &answers : monitors) {
        const MonitorColour monitor = MonitorColourOf(answers);
        EXPECT_EQ(monitor.mode, ColourMode::Sdr);
        EXPECT_FALSE(monitor.profile);
        EXPECT_EQ(NoteFor(&monitor, system.FiltersOn().value_or(false), false, false),
                  ScreenNote::None);
    }

    // Wine's Direct3D, bound by name, gives a duplication in 16-bit float or none;
    // either way the reader goes on, and a refused one is not asked again at once.
    const ScreenRect primary = PrimaryMonitor();
    const ScreenRect area{primary.left, primary.top, primary.left + 8, primary.top + 4};
    DesktopDuplication duplication;
    std::vector<ScRgbPixel> pixels;
    if (duplication.Read(primary, area, pixels)) {
        EXPECT_EQ(pixels.size(), 32u);
    } else {
        EXPECT_FALSE(duplication.Read(primary, area, pixels));
    }
    duplication.Release();

    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 4, GetSystemMetrics(SM_CYSCREEN) / 2);
    StartSampling();
    ASSERT_TRUE(form_->screen().colour().inUse());
    const ScreenSquare read = form_->screen().ReadSquare(2);
    EXPECT_EQ(read.note, ScreenNote::None);
    EXPECT_TRUE(read.clamped.empty());
    for (const char *line : {screen_notes::kHdr, screen_notes::kCorrected, screen_notes::kFilters,
                             screen_notes::kHdrUnread}) {
        EXPECT_FALSE(Describes(line)) << line;
    }
    StopSampling();
    EXPECT_FALSE(form_->screen().colour().inUse());
}

TEST_F(ScreenColourWindowTest, AMonitorInHdrIsReadFromItsFramesAndSaidSo) {
    const ScreenRect primary = PrimaryMonitor();
    auto state = std::make_unique<FakeState>();
    auto frames = std::make_unique<FakeFrames>();
    FakeState *seen = state.get();
    FakeFrames *fed = frames.get();
    MonitorAnswers hdr;
    hdr.bounds = primary;
    hdr.advancedColour = MonitorAnswers::AdvancedColour{true, true, false, false, std::nullopt};
    hdr.sdrWhite = fed->white;
    state->answers = {hdr};

    // A plain loupe first, to compare the noted one with.
    const POINT at{primary.left + primary.width() / 4, primary.top + primary.height() / 2};
    fed->bright = POINT{at.x + 1, at.y};
    SetCursorPos(at.x, at.y);
    StartSampling();
    const RECT plainLoupe = LoupeRect();
    StopSampling();

    form_->screen().colour().UseSources(std::move(state), std::move(frames));
    StartSampling();
    ASSERT_TRUE(IsWindowVisible(FindWindowW(kLoupeClass, nullptr)));
    EXPECT_EQ(Text1(), HexOf(FramePattern(at.x, at.y))) << "the tick took the frame's pixel";
    EXPECT_TRUE(Describes(screen_notes::kHdr));
    const RECT noted = LoupeRect();
    EXPECT_EQ(noted.right - noted.left, plainLoupe.right - plainLoupe.left);
    EXPECT_GT(noted.bottom - noted.top, plainLoupe.bottom - plainLoupe.top)
        << "the note's line under the colour";
    {
        const HWND loupe = FindWindowW(kLoupeClass, nullptr);
        HDC dc = GetDC(loupe);
        const int side = noted.right - noted.left;
        EXPECT_EQ(GetPixel(dc, side / 2, side / 2), FramePattern(at.x, at.y))
            << "the loupe's centre cell";
        ReleaseDC(loupe, dc);
    }
    if (const char *hold = std::getenv("TINTWELL_TEST_HOLD_MS")) {
        for (int waited = 0; waited < std::atoi(hold); waited += 100) LetTicksRun(1);
    }
    EXPECT_LE(seen->asked, 2) << "the state is read at the start, not per tick";
    EXPECT_GE(fed->reads, 3);

    // The copy is the colour alone.
    SendMessageW(Control(kCommand1), BM_CLICK, 0, 0);
    PumpPending();
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const std::wstring copied =
        data != nullptr ? static_cast<const wchar_t *>(GlobalLock(data)) : L"";
    if (data != nullptr) GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(copied, HexOf(FramePattern(at.x, at.y)));

    // The freeze's snapshot holds the frame too, with its note and its clamped pixel.
    const std::unique_ptr<ScreenSnapshot> snapshot = form_->screen().TakeSnapshot();
    ASSERT_NE(snapshot, nullptr);
    const ScreenSquare frozen = snapshot->ReadSquare(ScreenPoint{at.x, at.y}, 1);
    EXPECT_EQ(frozen.centre(), FramePattern(at.x, at.y));
    EXPECT_EQ(frozen.At(1, 1), FramePattern(at.x + 1, at.y + 1));
    EXPECT_EQ(frozen.note, ScreenNote::Hdr);
    EXPECT_EQ(SampleNote(frozen, SampleSize::OnePixel), ScreenNote::Hdr);
    EXPECT_EQ(SampleNote(frozen, SampleSize::ThreeByThree), ScreenNote::HdrClamped);
    EXPECT_EQ(frozen.At(1, 0) & 0xFF, 0xFFu) << "red clamped at SDR white";

    const int releasesBefore = fed->releases;
    StopSampling();
    EXPECT_GT(fed->releases, releasesBefore) << "the duplication given back with sampling";
    EXPECT_TRUE(Describes(screen_notes::kHdr)) << "the sample shown still is the frame's";
    if (const char *hold = std::getenv("TINTWELL_TEST_HOLD_MS")) {
        // The swatch's tooltip, for a look at the description.
        RECT swatch{};
        GetWindowRect(Control(kShape1), &swatch);
        SetCursorPos((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2);
        for (int waited = 0; waited < std::atoi(hold); waited += 100) LetTicksRun(1);
    }
    SendMessageW(Control(kPicture1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 150));
    SendMessageW(Control(kPicture1), WM_LBUTTONUP, 0, MAKELPARAM(60, 150));
    PumpPending();
    EXPECT_FALSE(Describes(screen_notes::kHdr)) << "a colour of the table's own";
}

}  // namespace
