#include "soak_run.h"

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <iterator>

#include "command_ids.h"
#include "loupe.h"
#include "settings_dialog_ids.h"
#include "utf8_text.h"
#include "window_probe.h"

namespace soak {
namespace {

using namespace tintwell::win32;
using testsupport::Utf8;

constexpr int kMaxReportedFailures = 10;
constexpr DWORD kPixelTimeoutMs = 2000;
constexpr int kWarmUpEvents = 300;
// Where the driver's palette window shows the colour to be sampled.
constexpr POINT kSamplePoint{32, 152};
// A copy that cannot have the clipboard may retry a little, but not hang the window.
constexpr double kBusyClipboardBoundUs = 1e6;

std::wstring Wide(const std::string &text) {
    return std::wstring(text.begin(), text.end());
}

bool WellFormedColourText(const std::wstring &text) {
    if (text.size() != 7 || text[0] != L'#') return false;
    return std::all_of(text.begin() + 1, text.end(),
                       [](wchar_t c) { return std::iswxdigit(c) && !std::iswlower(c); });
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t index = static_cast<size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

LPARAM Position(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<int16_t>(x)),
                      static_cast<WORD>(static_cast<int16_t>(y)));
}

// A drag step's copy carries this format so that clipboard history passes it over.
bool MarkedOutOfHistory() {
    return IsClipboardFormatAvailable(
               RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing")) != FALSE;
}

WPARAM Keys(int buttons) {
    return ((buttons & 1) ? MK_LBUTTON : 0) | ((buttons & 2) ? MK_RBUTTON : 0) |
           ((buttons & 4) ? MK_MBUTTON : 0);
}

// Which kinds of GDI object there are more of in `later`, as " (type T: +N, ...)".
std::string GdiGrowthByType(const Resources &earlier, const Resources &later) {
    std::string growth;
    for (const auto &[type, count] : later.gdiByType) {
        const auto before = earlier.gdiByType.find(type);
        const int64_t more = count - (before == earlier.gdiByType.end() ? 0 : before->second);
        if (more <= 0) continue;
        growth += (growth.empty() ? " (type " : ", type ") + std::to_string(type) + ": +" +
                  std::to_string(more);
    }
    return growth.empty() ? growth : growth + ")";
}

// Whether the window and every child of it have nothing left to paint: the dialog
// has reached the screen, as a user would see it, before it is worked.
bool Painted(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return false;
    bool painted = true;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM all) -> BOOL {
            if (!GetUpdateRect(child, nullptr, FALSE)) return TRUE;
            *reinterpret_cast<bool *>(all) = false;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&painted));
    return painted;
}

}  // namespace

SoakRun::SoakRun(RunningPicker &picker, const Lookups &lookups, ColourWindow &palette,
                 const SoakOptions &options)
    : picker_(picker),
      model_(lookups),
      lookups_(lookups),
      palette_(palette),
      options_(options),
      scale_(picker),
      random_(options.seed) {
    model_.Start();
}

int SoakRun::Uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

void SoakRun::Fail(const std::string &what) {
    if (static_cast<int>(failures_.size()) < kMaxReportedFailures)
        std::printf("FAIL after event %d (%s): %s\n", events_, lastAction_.c_str(), what.c_str());
    failures_.push_back(what);
}

bool SoakRun::Run() {
    if (!GdiCountSeesOwnObjects()) Fail("GDI objects cannot be counted here");
    std::printf("soak: the picker shows at %.2f times 96 dpi\n", scale_.factor());
    CheckShown();
    CheckPixels();
    const RECT startRect = picker_.FormRect();
    // The hotkey and the notification area switched on once, before the resources'
    // first reading: what a first dialog and a first icon make is made for good.
    if (options_.pickPhases > 0) {
        pickHotkeyOn_ = ClickInSettings(IDC_SETTINGS_HOTKEY);
        residentOn_ = ClickInSettings(IDC_SETTINGS_RESIDENT);
    }
    const double seconds = RunEvents();

    // Settle before the last reading: nothing in flight, nothing sampling.
    Pause(300);
    CheckShown();
    CheckPixels();
    const RECT endRect = picker_.FormRect();
    if (!EqualRect(&startRect, &endRect)) Fail("the window moved or changed size");
    ReadResources();

    Report(seconds);
    ReportSettingsOpenings();
    CheckResourceGrowth();
    // Not resident any more, so that closing the window ends the program.
    if (options_.pickPhases > 0) ClickInSettings(IDC_SETTINGS_RESIDENT);
    std::printf("%d passed, %zu failed\n", checksPassed_, failures_.size());
    return failures_.empty();
}

// The seeded mix of events, with the sampling and busy-clipboard phases spread
// through it and resources read now and then; returns the seconds it took.
double SoakRun::RunEvents() {
    const int samplingEvery = options_.events / (options_.samplingPhases + 1);
    const int busyEvery = options_.events / (options_.busyClipboardPhases + 1);
    const int pickEvery = options_.events / (options_.pickPhases + 1);
    int nextSampling = samplingEvery, nextBusy = busyEvery + busyEvery / 2;
    int nextPick = pickEvery + pickEvery / 3;
    int nextReading = kWarmUpEvents;

    LARGE_INTEGER start, end, frequency;
    QueryPerformanceCounter(&start);
    while (events_ < options_.events && failures_.size() < kMaxReportedFailures) {
        if (!picker_.Alive()) {
            Fail("the program has ended");
            break;
        }
        if (options_.samplingPhases > 0 && events_ >= nextSampling) {
            SamplingPhase();
            nextSampling += samplingEvery;
        } else if (options_.busyClipboardPhases > 0 && events_ >= nextBusy) {
            BusyClipboardPhase();
            nextBusy += busyEvery;
        } else if (options_.pickPhases > 0 && events_ >= nextPick) {
            PickPhase();
            NotificationAreaPhase();
            nextPick += pickEvery;
        } else {
            RandomAction(true);
        }
        if (events_ >= nextReading) {
            ReadResources();
            nextReading += options_.readingEvery;
            if (!settingsOpened_ && options_.settingsOpenings > 0) SettingsOpenings();
        }
    }
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

void SoakRun::Report(double seconds) const {
    std::printf("\nsoak: seed %u, %d events in %.1f s (%.0f events/s)\n", options_.seed, events_,
                seconds, events_ / seconds);
    std::printf(
        "soak: answer time per event: median %.0f us, 99th percentile %.0f us, max %.0f us\n",
        Percentile(latenciesUs_, 0.5), Percentile(latenciesUs_, 0.99),
        Percentile(latenciesUs_, 1.0));
    std::printf("soak: worst answer while sampling %.0f us\n", worstSamplingLatencyUs_);
    std::printf(
        "soak: copies and copy-on-pick drag steps with the clipboard held: median %.0f us, "
        "max %.0f us\n",
        Percentile(busyClipboardUs_, 0.5), Percentile(busyClipboardUs_, 1.0));
    std::printf("soak: %d checks of text and markers passed, %d pixel checks\n", checksPassed_,
                pixelChecks_);
    for (const FreezeMemory &freeze : freezeMemory_) {
        std::printf("soak: freeze: %.1f MiB private before, %.1f MiB frozen, %.1f MiB after\n",
                    static_cast<double>(freeze.before) / (1 << 20),
                    static_cast<double>(freeze.frozen) / (1 << 20),
                    static_cast<double>(freeze.after) / (1 << 20));
    }
    for (const auto &[at, resources] : readings_) {
        std::printf("soak: after %6d events: %lld GDI objects, %lld windows, %.1f MiB private%s\n",
                    at, static_cast<long long>(resources.gdiObjects),
                    static_cast<long long>(resources.windows),
                    static_cast<double>(resources.memoryBytes) / (1 << 20),
                    GdiGrowthByType(readings_.front().second, resources).c_str());
    }
}

// The last reading against the baseline taken after the warm-up.
void SoakRun::CheckResourceGrowth() {
    if (haveBaseline_ && !readings_.empty()) {
        const Resources &last = readings_.back().second;
        if (baseline_.gdiObjects < 0 || last.gdiObjects < 0)
            Fail("the GDI handle table could not be read");
        else if (last.gdiObjects > baseline_.gdiObjects + options_.gdiTolerance)
            Fail("GDI objects grew from " + std::to_string(baseline_.gdiObjects) + " to " +
                 std::to_string(last.gdiObjects) + GdiGrowthByType(baseline_, last));
        if (last.windows != baseline_.windows)
            Fail("windows went from " + std::to_string(baseline_.windows) + " to " +
                 std::to_string(last.windows));
        if (last.memoryBytes > baseline_.memoryBytes + options_.memoryToleranceBytes)
            Fail("private memory grew by " +
                 std::to_string((last.memoryBytes - baseline_.memoryBytes) >> 10) + " KiB");
    }
}

// The baseline the last reading is held to comes after a warm-up that lets caches
// and fonts settle, and after the first sampling phase with the loupe: that phase
// costs GDI objects once (5 to 14 in our runs, and as many before freezing and
// sample sizes existed; the picker's kept square of screen pixels is two of them),
// which no later phase adds to. A soak without sampling takes its first reading.
void SoakRun::ReadResources() {
    const Resources now = soak::ReadResources(picker_.process(), picker_.processId());
    // After the openings of "設定…" too, whose first ones may fill the system's caches.
    const bool openingsDone = settingsOpened_ || options_.settingsOpenings == 0;
    if (!haveBaseline_ && openingsDone && (loupeShowed_ || options_.samplingPhases == 0)) {
        baseline_ = now;
        haveBaseline_ = true;
    }
    readings_.emplace_back(events_, now);
}

void SoakRun::RandomAction(bool modelFollows) {
    const int roll = Uniform(0, 99);
    if (modelFollows && roll < 4)
        QueuedDrag(roll < 3 ? Target::Field : Target::Strip);
    else if (roll < 35)
        Drag(Target::Field, modelFollows);
    else if (roll < 50)
        Drag(Target::Strip, modelFollows);
    else if (roll < 62)
        Drag(Target::Ring, modelFollows);
    else if (roll < 68)
        Drag(Target::Arrow, modelFollows);
    else if (roll < 78)
        ClickOption(modelFollows);
    else if (roll < 85)
        ToggleWebSafe(modelFollows);
    else if (roll < 89)
        ToggleCopyOnPick(modelFollows);
    else if (roll < 95)
        Copy(modelFollows);
    else
        ToggleTopmost(modelFollows);
}

// A press, a walk of moves that now and then leaves the control, and a release. A
// few presses use another button, and a few moves hold a second button: the
// picker must pick on those presses and ignore those moves.
void SoakRun::Drag(Target target, bool modelFollows) {
    const int button = Uniform(0, 9) < 8 ? 1 : (Uniform(0, 1) ? 2 : 4);
    const UINT down = button == 1 ? WM_LBUTTONDOWN : button == 2 ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    const UINT up = button == 1 ? WM_LBUTTONUP : button == 2 ? WM_RBUTTONUP : WM_MBUTTONUP;
    const int width = target == Target::Field ? 256 : target == Target::Strip ? 18 : 17;
    const int height = target == Target::Field || target == Target::Strip ? 256 : 17;
    int x = Uniform(0, width - 1), y = Uniform(0, height - 1);
    lastAction_ = "drag";
    Mouse(target, down, Keys(button), x, y, modelFollows);
    const int moves = Uniform(0, 30);
    for (int i = 0; i < moves && failures_.size() < kMaxReportedFailures; ++i) {
        x += Uniform(-12, 12);
        y += Uniform(-12, 12);
        if (Uniform(0, 19) == 0) x = Uniform(-60, width + 60), y = Uniform(-60, height + 60);
        const int held = button == 1 && Uniform(0, 9) == 0 ? 3 : button;
        Mouse(target, WM_MOUSEMOVE, Keys(held), x, y, modelFollows);
    }
    Mouse(target, up, 0, x, y, modelFollows);
}

void SoakRun::Mouse(Target target, UINT message, WPARAM keys, int x, int y, bool modelFollows) {
    static const ControlId kWindows[] = {kPicture1, kPicture2, kLabel1, kLabel2};
    const ControlId id = kWindows[static_cast<int>(target)];
    char name[16];
    std::snprintf(name, sizeof name, "0x%04X", message);
    lastAction_ = std::string("message ") + name + " keys " + std::to_string(keys) + " at (" +
                  std::to_string(x) + ", " + std::to_string(y) + ") on control " +
                  std::to_string(id);
    double elapsed = 0;
    if (!picker_.Send(picker_.control(id), message, keys, ScreenPosition(target, x, y),
                      options_.answerTimeoutMs, elapsed)) {
        Fail("the window did not answer a mouse message within " +
             std::to_string(options_.answerTimeoutMs) + " ms");
        return;
    }
    latenciesUs_.push_back(elapsed);
    if (!modelFollows) {
        worstSamplingLatencyUs_ = std::max(worstSamplingLatencyUs_, elapsed);
        if (copyOnPick_ && (target == Target::Field || target == Target::Ring))
            clipboardKnown_ = false;
    } else {
        const int buttons =
            (keys & MK_LBUTTON ? 1 : 0) | (keys & MK_RBUTTON ? 2 : 0) | (keys & MK_MBUTTON ? 4 : 0);
        const bool press =
            message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
        const bool move = message == WM_MOUSEMOVE;
        const bool letGo =
            message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
        const int copiesBefore = model_.copies();
        switch (target) {
            case Target::Field:
                if (press) model_.FieldPress(x, y);
                if (move) model_.FieldMove(buttons, x, y);
                if (letGo) model_.FieldLetGo();
                break;
            case Target::Strip:
                if (press) model_.StripPress(y);
                if (move) model_.StripMove(buttons, y);
                break;
            case Target::Ring:
                if (press) model_.Label1Press(x, y);
                if (move) model_.Label1Move(buttons, x, y);
                if (letGo) model_.FieldLetGo();
                break;
            case Target::Arrow:
                if (move) model_.Label2Move(buttons, y);
                break;
        }
        if (model_.copies() != copiesBefore) {
            clipboardKnown_ = true;
            // The end of a drag is the copy the user keeps: check it as soon as it is made.
            if (letGo) CheckClipboard();
        }
    }
    AfterEvent(modelFollows);
}

bool SoakRun::Click(ControlId id) {
    double elapsed = 0;
    if (!picker_.Click(id, options_.answerTimeoutMs, elapsed)) {
        Fail("the window did not answer a click within " +
             std::to_string(options_.answerTimeoutMs) + " ms");
        return false;
    }
    latenciesUs_.push_back(elapsed);
    return true;
}

void SoakRun::ClickOption(bool modelFollows) {
    static const ControlId kOptions[] = {kOption1, kOption4, kOption5, kOption6};
    static const int32_t kModes[] = {TableModeHue, TableModeRed, TableModeGreen, TableModeBlue};
    const int which = Uniform(0, 3);
    lastAction_ = "mode " + std::to_string(kModes[which]);
    if (!Click(kOptions[which])) return;
    model_.SelectMode(kModes[which]);
    AfterEvent(modelFollows);
}

void SoakRun::ToggleWebSafe(bool modelFollows) {
    lastAction_ = "web-safe";
    if (!Click(kCheck4)) return;
    webSafe_ = !webSafe_;
    model_.SetWebSafe(webSafe_);
    AfterEvent(modelFollows);
}

void SoakRun::ToggleCopyOnPick(bool modelFollows) {
    lastAction_ = "copy on pick";
    if (!Click(kCheck2)) return;
    copyOnPick_ = !copyOnPick_;
    model_.SetCopyOnPick(copyOnPick_);
    AfterEvent(modelFollows);
}

void SoakRun::Copy(bool modelFollows) {
    lastAction_ = "copy";
    if (!Click(kCommand1)) return;
    model_.Copy();
    clipboardKnown_ = modelFollows;
    AfterEvent(modelFollows);
    CheckClipboard();
}

void SoakRun::ToggleTopmost(bool modelFollows) {
    lastAction_ = "keep on top";
    if (!Click(kCheck1)) return;
    topmost_ = !topmost_;
    AfterEvent(modelFollows);
    if (picker_.Topmost() != topmost_)
        Fail(std::string("the window is ") + (topmost_ ? "not " : "") + "in the topmost band");
}

// Puts the palette under the cursor in the given colour.
bool SoakRun::ShowSampleColour(Colour colour) {
    palette_.SetColour(colour);
    SetCursorPos(kSamplePoint.x, kSamplePoint.y);
    if (AwaitScreenPixel(kSamplePoint, colour, kPixelTimeoutMs) == colour) return true;
    Fail("the colour to sample does not show on the screen");
    return false;
}

// Sampling on while the user keeps dragging and switching: every answer must come
// quickly, whatever the ticks do. Each phase switches the loupe, so that it shows in
// every other one, and most end on Esc rather than on the box. At the end the program
// rests on a sample, which the model can predict from the colour under the cursor
// alone.
void SoakRun::SamplingPhase() {
    const Colour colour = static_cast<Colour>(Uniform(0, 0xFFFFFF));
    lastAction_ = "sampling";
    if (!ShowSampleColour(colour)) return;
    if (!SwitchLoupe() || !Click(kCheck3)) return;
    ++events_;
    // A sample of any size over the one colour is that colour, frozen or not.
    if (!ChooseSampleSize(Uniform(0, 2))) return;
    const int freezes = Uniform(0, 2);
    const int64_t beforeFreeze = PrivateBytes();
    for (int i = 0; i < freezes; ++i) {
        PressFreezeKey();
        if (i == 0) CheckSnapshotHeld(beforeFreeze);
    }
    const int actions = Uniform(4, 8);
    for (int i = 0; i < actions && failures_.size() < kMaxReportedFailures; ++i) {
        RandomAction(false);
        lastAction_ = "sampling";
    }
    if (LoupeShown() != loupeOn_) Fail(loupeOn_ ? "the loupe does not show" : "the loupe shows");
    const bool firstLoupe = loupeOn_ && !loupeShowed_;
    Pause(400);
    const bool byEsc = samplingPhasesRun_++ % 3 != 1;
    lastAction_ = byEsc ? "Esc while sampling" : "sampling off";
    double elapsed = 0;
    if (byEsc ? !picker_.Send(picker_.form(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0,
                              options_.answerTimeoutMs, elapsed)
              : !Click(kCheck3)) {
        Fail("the window did not answer");
        return;
    }
    ++events_;
    model_.Sample(colour);
    if (SendMessageW(picker_.control(kCheck3), BM_GETCHECK, 0, 0) != BST_UNCHECKED)
        Fail("sampling is still on");
    if (LoupeShown()) Fail("the loupe stays after sampling stopped");
    // Ctrl+F again, Esc or the box ended the freeze: the snapshot's memory is back.
    if (freezes > 0) CheckSnapshotGivenBack(beforeFreeze);
    CheckShown();
    CheckPixels();
    if (firstLoupe) {
        loupeShowed_ = true;
        ReadResources();
    }
}

// "設定…", one of its boxes clicked, OK.
bool SoakRun::ClickInSettings(int box) {
    return ClickInSettings(std::vector<int>{box});
}

bool SoakRun::ClickInSettings(const std::vector<int> &boxes) {
    lastAction_ = "the settings dialog";
    PostMessageW(picker_.form(), WM_SYSCOMMAND, kSettingsCommand, 0);
    const DWORD wait = options_.answerTimeoutMs;
    HWND dialog = nullptr;
    const bool shown = testsupport::WaitUntil(wait, [&] {
        dialog = testsupport::ShownWindowOf(picker_.processId(), L"#32770", L"Tintwell の設定");
        return dialog != nullptr && Painted(dialog);
    });
    bool closed = false;
    if (shown) {
        // Through the key field, whose caret comes and goes with the focus, and the
        // format list, to the boxes.
        for (const int control : {IDC_SETTINGS_HOTKEY_KEYS, IDC_SETTINGS_FORMAT}) {
            SendMessageW(dialog, WM_NEXTDLGCTL,
                         reinterpret_cast<WPARAM>(GetDlgItem(dialog, control)), TRUE);
        }
        for (const int box : boxes) SendDlgItemMessageW(dialog, box, BM_CLICK, 0, 0);
        testsupport::WaitUntil(wait, [&] { return Painted(dialog); });
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        closed = testsupport::WaitUntil(wait, [&] { return !IsWindow(dialog); });
    }
    if (closed) return true;
    Fail("the settings dialog did not open, or did not close on OK");
    return false;
}

// "設定…" opened and closed many times over, as a user who looks at the settings now
// and then would in a long session: twice in ten changing nothing, and each box ticked
// and cleared again on the next opening (the Run value and the settings file are
// this soak's prefix's own), so that the picker ends as it began. The dialog is made
// and destroyed each time; the windows must come back to what they were exactly, and
// the GDI objects may grow only for a while, as a cache of the system's fills, and
// then stand (see ReportSettingsOpenings).
void SoakRun::SettingsOpenings() {
    settingsOpened_ = true;
    const auto reading = [&](int openings) {
        settingsReadings_.emplace_back(openings,
                                       soak::ReadResources(picker_.process(), picker_.processId()));
    };
    // A start with Windows is offered only while resident: without it, it is ticked
    // with the notification area and cleared before it.
    const int start = IDC_SETTINGS_START_WITH_WINDOWS, resident = IDC_SETTINGS_RESIDENT;
    const std::vector<int> startOn =
        residentOn_ ? std::vector<int>{start} : std::vector<int>{resident, start};
    const std::vector<int> startOff =
        residentOn_ ? std::vector<int>{start} : std::vector<int>{start, resident};
    const std::vector<int> cycle[] = {
        {},      {},       {IDC_SETTINGS_HOTKEY}, {IDC_SETTINGS_HOTKEY}, {resident}, {resident},
        startOn, startOff, {IDC_SETTINGS_KEEP},   {IDC_SETTINGS_KEEP}};
    constexpr int kReadingEvery = 50;
    // Whole cycles, so that every box ends as it began.
    const int cycleLength = static_cast<int>(std::size(cycle));
    const int total = (options_.settingsOpenings + cycleLength - 1) / cycleLength * cycleLength;
    reading(0);
    LARGE_INTEGER begin, end, frequency;
    QueryPerformanceCounter(&begin);
    for (int opening = 0; opening < total; ++opening) {
        if (!ClickInSettings(cycle[opening % cycleLength])) return;
        if ((opening + 1) % kReadingEvery == 0) reading(opening + 1);
    }
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    settingsSeconds_ = static_cast<double>(end.QuadPart - begin.QuadPart) /
                       static_cast<double>(frequency.QuadPart);
    if (total % kReadingEvery != 0) reading(total);
    // The dialog changed nothing the model knows of.
    CheckShown();
    CheckPixels();

    const Resources &first = settingsReadings_.front().second;
    const Resources &last = settingsReadings_.back().second;
    if (last.windows != first.windows)
        Fail("opening the settings " + std::to_string(total) + " times left the windows at " +
             std::to_string(last.windows) + " from " + std::to_string(first.windows));
    // Growth that goes on past the first half is no cache filling up: a leak.
    const Resources &half =
        std::find_if(settingsReadings_.begin(), settingsReadings_.end(), [&](const auto &r) {
            return r.first >= total / 2;
        })->second;
    if (half.gdiObjects < 0 || last.gdiObjects < 0)
        Fail("the GDI handle table could not be read");
    else if (last.gdiObjects > half.gdiObjects + options_.gdiTolerance)
        Fail("GDI objects still grew in the second half of the settings' openings, from " +
             std::to_string(half.gdiObjects) + " to " + std::to_string(last.gdiObjects) +
             GdiGrowthByType(half, last));
}

void SoakRun::ReportSettingsOpenings() const {
    if (settingsReadings_.empty()) return;
    const int openings = settingsReadings_.back().first;
    std::printf("soak: \"設定…\" opened and closed %d times in %.1f s (%.0f ms each)\n", openings,
                settingsSeconds_, openings > 0 ? 1000 * settingsSeconds_ / openings : 0.0);
    for (const auto &[at, resources] : settingsReadings_) {
        std::printf("soak: after %4d openings: %lld GDI objects, %lld windows%s\n", at,
                    static_cast<long long>(resources.gdiObjects),
                    static_cast<long long>(resources.windows),
                    GdiGrowthByType(settingsReadings_.front().second, resources).c_str());
    }
}

// Resident: closed into the notification area, the notification area made anew
// (Explorer's restart), and the window shown again from the icon's "開く".
void SoakRun::NotificationAreaPhase() {
    lastAction_ = "closed into the notification area";
    PostMessageW(picker_.form(), WM_CLOSE, 0, 0);
    if (!testsupport::WaitUntil(options_.answerTimeoutMs,
                                [&] { return !IsWindowVisible(picker_.form()); })) {
        Fail("closing a resident picker did not hide its window");
        return;
    }
    Pause(200);
    if (!picker_.Alive()) {
        Fail("closing a resident picker ended it");
        return;
    }
    lastAction_ = "TaskbarCreated";
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(picker_.form(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0,
                        SMTO_ABORTIFHUNG, options_.answerTimeoutMs, &answer);
    lastAction_ = "the icon's 開く";
    PostMessageW(picker_.form(), WM_COMMAND, kTrayOpenCommand, 0);
    if (!testsupport::WaitUntil(options_.answerTimeoutMs,
                                [&] { return IsWindowVisible(picker_.form()) != FALSE; })) {
        Fail("the icon's 開く did not show the window");
        return;
    }
    events_ += 3;
    CheckShown();
    CheckPixels();
}

// A click of the mouse's button where the pointer is; `down` and `up` are its
// MOUSEEVENTF_ flags.
void SoakRun::ClickButton(DWORD down, DWORD up) {
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = down;
    click[1].mi.dwFlags = up;
    SendInput(2, click, sizeof(INPUT));
}

// Picks from the screen over a colour the soak shows, one ended each way: a click
// takes the colour (the clipboard gets its "#RRGGBB", the window shows it as a
// sample); Esc and a right click change nothing. The loupe comes with each pick and
// goes with it, and the hooks' end is seen in the resources at the end of the run.
void SoakRun::PickPhase() {
    if (!pickHotkeyOn_) return;
    const Colour colour = static_cast<Colour>(Uniform(0, 0xFFFFFF));
    if (!ShowSampleColour(colour)) return;
    for (int i = 0; i < 3 && failures_.size() < kMaxReportedFailures; ++i) {
        const int ending = picksRun_++ % 3;
        lastAction_ = "a pick from the screen";
        const std::optional<std::wstring> before = ClipboardText();
        testsupport::PressKeys({VK_LWIN, VK_SHIFT, 'C'});
        if (!testsupport::WaitUntil(options_.answerTimeoutMs, [&] { return LoupeShown(); })) {
            Fail("the hotkey started no pick");
            return;
        }
        ++events_;
        if (ending == 0) {
            lastAction_ = "a pick's click";
            ClickButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        } else if (ending == 1) {
            lastAction_ = "a pick's Esc";
            testsupport::PressKeys({VK_ESCAPE});
        } else {
            lastAction_ = "a pick's right click";
            ClickButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        }
        ++events_;
        if (!testsupport::WaitUntil(options_.answerTimeoutMs, [&] { return !LoupeShown(); })) {
            Fail("the loupe stays after the pick ended");
            return;
        }
        if (ending == 0) {
            // Shown as a sample is, and copied exactly.
            model_.Sample(colour);
            model_.CopyText(PickerModel::Shown(PickerModel::HexText(colour)));
            const std::wstring want = Wide(model_.clipboard());
            if (!testsupport::WaitUntil(options_.answerTimeoutMs,
                                        [&] { return ClipboardText() == want; }))
                Fail("a pick did not copy " + model_.clipboard());
        } else {
            Pause(200);
            if (ClipboardText() != before) Fail("a cancelled pick changed the clipboard");
        }
        CheckShown();
    }
    CheckPixels();
}

int64_t SoakRun::PrivateBytes() const {
    return soak::ReadResources(picker_.process(), picker_.processId()).memoryBytes;
}

// The whole virtual screen at four bytes a pixel, as the soak sees it (smaller when
// the system scales the soak's view of it, so the bound stays on the safe side).
int64_t SoakRun::SnapshotBytes() {
    return int64_t{4} * GetSystemMetrics(SM_CXVIRTUALSCREEN) * GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

// While frozen the snapshot must show in the reading; else the check after the
// freeze could not tell a snapshot kept from one given back.
void SoakRun::CheckSnapshotHeld(int64_t beforeFreeze) {
    // The key goes through the picker's queue, and the loupe steps aside first.
    int64_t frozen = PrivateBytes();
    const DWORD start = GetTickCount();
    while (frozen - beforeFreeze < SnapshotBytes() / 2 &&
           GetTickCount() - start < kPixelTimeoutMs) {
        Sleep(10);
        frozen = PrivateBytes();
    }
    freezeMemory_.push_back({beforeFreeze, frozen, 0});
    if (frozen - beforeFreeze < SnapshotBytes() / 2)
        Fail("a freeze took " + std::to_string((frozen - beforeFreeze) >> 10) +
             " KiB, less than half a snapshot of the screen");
}

void SoakRun::CheckSnapshotGivenBack(int64_t beforeFreeze) {
    const int64_t after = PrivateBytes();
    if (!freezeMemory_.empty()) freezeMemory_.back().after = after;
    if (after - beforeFreeze > options_.freezeMemoryToleranceBytes)
        Fail("after the freeze the picker holds " + std::to_string((after - beforeFreeze) >> 10) +
             " KiB more than before it");
}

bool SoakRun::SwitchLoupe() {
    lastAction_ = "loupe switch";
    double elapsed = 0;
    if (!picker_.Send(picker_.form(), WM_SYSCOMMAND, kLoupeCommand, 0, options_.answerTimeoutMs,
                      elapsed)) {
        Fail("the window did not answer the loupe's switch");
        return false;
    }
    loupeOn_ = !loupeOn_;
    return true;
}

// The sizes' items in the system menu's "サンプル範囲".
bool SoakRun::ChooseSampleSize(int item) {
    static constexpr UINT kSizeCommands[] = {kOnePixelCommand, kThreeByThreeCommand,
                                             kFiveByFiveCommand};
    lastAction_ = "sample size";
    double elapsed = 0;
    if (!picker_.Send(picker_.form(), WM_SYSCOMMAND, kSizeCommands[item], 0,
                      options_.answerTimeoutMs, elapsed)) {
        Fail("the window did not answer the sample size's choice");
        return false;
    }
    ++events_;
    return true;
}

// Ctrl+F as a hand presses it: freezes the screen, or ends the freeze.
void SoakRun::PressFreezeKey() {
    lastAction_ = "Ctrl+F";
    SetForegroundWindow(picker_.form());
    INPUT keys[4]{};
    for (INPUT &key : keys) key.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[3].ki.wVk = VK_CONTROL;
    keys[1].ki.wVk = keys[2].ki.wVk = 'F';
    keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
    Pause(150);
    ++events_;
}

bool SoakRun::LoupeShown() const {
    HWND loupe = nullptr;
    while ((loupe = FindWindowExW(nullptr, loupe, kLoupeClass, nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(loupe, &process);
        if (process == picker_.processId()) return IsWindowVisible(loupe) != FALSE;
    }
    return false;
}

// Another program holds the clipboard open while the user presses copy, and while
// the user drags in the field with copy-on-pick ticked: the window must answer each
// within the bound, and the clipboard keep its old text.
void SoakRun::BusyClipboardPhase() {
    lastAction_ = "copy with the clipboard held";
    const std::optional<std::wstring> before = ClipboardText();
    if (!OpenClipboard(palette_.hwnd())) {
        Fail("the driver cannot hold the clipboard");
        return;
    }
    double elapsed = 0;
    const size_t phaseStart = busyClipboardUs_.size();
    const bool answered = picker_.Click(kCommand1, options_.answerTimeoutMs, elapsed);
    ++events_;
    busyClipboardUs_.push_back(elapsed);
    if (!answered) Fail("the window did not answer a copy while the clipboard was held");

    const bool copyOnPickBefore = copyOnPick_;
    if (!copyOnPick_) ToggleCopyOnPick(true);
    lastAction_ = "drag with copy-on-pick and the clipboard held";
    int x = Uniform(0, 255), y = Uniform(0, 255);
    for (int step = 0; step < 6 && answered; ++step) {
        const UINT message = step == 0 ? WM_LBUTTONDOWN : WM_MOUSEMOVE;
        if (!picker_.Send(picker_.control(kPicture1), message, MK_LBUTTON,
                          ScreenPosition(Target::Field, x, y), options_.answerTimeoutMs, elapsed)) {
            Fail("the window did not answer a drag step while the clipboard was held");
            break;
        }
        busyClipboardUs_.push_back(elapsed);
        step == 0 ? model_.FieldPress(x, y) : model_.FieldMove(1, x, y);
        ++events_;
        CheckShown();
        x = std::clamp(x + Uniform(-9, 9), 0, 255);
        y = std::clamp(y + Uniform(-9, 9), 0, 255);
    }
    picker_.Send(picker_.control(kPicture1), WM_LBUTTONUP, 0, ScreenPosition(Target::Field, x, y),
                 options_.answerTimeoutMs, elapsed);
    model_.FieldLetGo();
    clipboardKnown_ = false;
    CloseClipboard();
    if (ClipboardText() != before) Fail("a copy that could not open the clipboard changed it");
    for (size_t i = phaseStart; i < busyClipboardUs_.size(); ++i)
        if (const double us = busyClipboardUs_[i]; us > kBusyClipboardBoundUs)
            Fail("a copy with the clipboard held kept the window busy for " +
                 std::to_string(static_cast<int>(us / 1000)) + " ms");
    if (!copyOnPickBefore) ToggleCopyOnPick(true);
    CheckShown();
    Copy(true);
}

// A position in the model's units on a target as the window's message carries it:
// table pixels of the pictures become the screen pixels that show them; a position
// on a marker, in 96-dpi pixels from its corner, becomes the screen pixel over the
// same table pixel, counted from where the marker really stands.
LPARAM SoakRun::ScreenPosition(Target target, int x, int y) const {
    const Display &shown = model_.display();
    switch (target) {
        case Target::Field:
            return Position(scale_.FieldColumn(x), scale_.FieldRow(y));
        case Target::Strip:
            return Position(scale_.StripColumn(x), scale_.StripRow(y));
        case Target::Ring: {
            const POINT corner = picker_.Position(kLabel1);
            return Position(scale_.FieldColumn(shown.label1Left + x) - corner.x,
                            scale_.FieldRow(shown.label1Top + y) - corner.y);
        }
        case Target::Arrow: {
            // The form's table-pixel rows run kStripTop (9) above the strip's own.
            const int stripRow = shown.label2Top + y - 9;
            const POINT corner = picker_.Position(kLabel2);
            return Position(scale_.Pixels(x),
                            scale_.StripTop() + scale_.StripRow(stripRow) - corner.y);
        }
    }
    return Position(x, y);
}

POINT SoakRun::FieldScreenPoint(int x, int y) const {
    return picker_.ScreenPoint(kPicture1, scale_.FieldColumn(x), scale_.FieldRow(y));
}

void SoakRun::AfterEvent(bool modelFollows) {
    ++events_;
    if (!modelFollows) {
        const std::optional<std::wstring> text = picker_.Text(options_.answerTimeoutMs);
        if (!text || !WellFormedColourText(*text))
            Fail("Text1 shows \"" + (text ? Utf8(*text) : std::string("(no answer)")) + "\"");
        return;
    }
    CheckShown();
    if (++sinceLastPixelCheck_ >= options_.pixelCheckEvery) CheckPixels();
}

// Compares Text1 and the markers with the model; returns what differs, or an empty
// text when all agree.
std::string SoakRun::ShownDifference() {
    const Display &want = model_.display();
    const std::optional<std::wstring> text = picker_.Text(options_.answerTimeoutMs);
    if (!text) return "the window did not answer WM_GETTEXT";
    std::string difference;
    if (*text != Wide(want.text))
        difference += "Text1 shows " + Utf8(*text) + ", expected " + want.text + "; ";
    const POINT ring = picker_.Position(kLabel1);
    if (!scale_.RingAt(ring, want.label1Left, want.label1Top))
        difference += "Label1 at (" + std::to_string(ring.x) + ", " + std::to_string(ring.y) +
                      "), expected to mark (" + std::to_string(want.label1Left) + ", " +
                      std::to_string(want.label1Top) + ") + 5; ";
    const POINT arrow = picker_.Position(kLabel2);
    if (!scale_.ArrowAt(arrow.y, want.label2Top))
        difference += "Label2 at top " + std::to_string(arrow.y) + ", expected to mark row " +
                      std::to_string(want.label2Top - 1);
    return difference;
}

void SoakRun::CheckShown() {
    const std::string difference = ShownDifference();
    if (difference.empty())
        ++checksPassed_;
    else
        Fail(difference);
}

// Real input reaches the window through its queue, a moment after it is sent.
void SoakRun::AwaitShown() {
    const DWORD start = GetTickCount();
    while (!ShownDifference().empty() && GetTickCount() - start < kPixelTimeoutMs) Sleep(1);
    CheckShown();
}

// A drag whose messages are posted, not sent: they wait in the window's queue and
// reach it through its own message loop, as input does.
void SoakRun::QueuedDrag(Target target) {
    const bool field = target == Target::Field;
    HWND window = picker_.control(field ? kPicture1 : kPicture2);
    int x = field ? Uniform(0, 255) : Uniform(0, 17), y = Uniform(0, 255);
    lastAction_ = "queued drag";
    auto post = [&](UINT message, WPARAM keys) {
        if (!PostMessageW(window, message, keys, ScreenPosition(target, x, y)))
            Fail("the window's queue refused a message");
        ++events_;
    };
    post(WM_LBUTTONDOWN, MK_LBUTTON);
    field ? model_.FieldPress(x, y) : model_.StripPress(y);
    AwaitShown();
    const int moves = Uniform(1, 15);
    for (int i = 0; i < moves && failures_.size() < kMaxReportedFailures; ++i) {
        x += Uniform(-20, 20);
        y += Uniform(-20, 20);
        post(WM_MOUSEMOVE, MK_LBUTTON);
        field ? model_.FieldMove(1, x, y) : model_.StripMove(1, y);
        AwaitShown();
    }
    post(WM_LBUTTONUP, 0);
    if (field) model_.FieldLetGo();
    // The release must have been handled, capture and all, before anything is sent.
    const DWORD thread = GetWindowThreadProcessId(picker_.form(), nullptr);
    const DWORD start = GetTickCount();
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    while (GetGUIThreadInfo(thread, &info) && info.hwndCapture != nullptr &&
           GetTickCount() - start < kPixelTimeoutMs)
        Sleep(1);
    if (info.hwndCapture != nullptr) Fail("the mouse is still captured after the release");
}

// The swatch, one field pixel away from the ring and one strip pixel, as they
// reach the screen.
void SoakRun::CheckPixels() {
    sinceLastPixelCheck_ = 0;
    ++pixelChecks_;
    const Display &want = model_.display();
    char detail[160];

    const COLORREF swatch =
        AwaitScreenPixel(picker_.ScreenPoint(kShape1, scale_.Pixels(36), scale_.Pixels(20)),
                         want.swatch, kPixelTimeoutMs);
    if (swatch != want.swatch) {
        std::snprintf(detail, sizeof detail, "swatch shows %06lX, expected %06X", swatch,
                      want.swatch);
        Fail(detail);
    }

    int x, y;
    do {
        x = Uniform(0, 255);
        y = Uniform(0, 255);
    } while (x >= want.label1Left - 2 && x <= want.label1Left + 19 && y >= want.label1Top - 2 &&
             y <= want.label1Top + 19);
    const Colour field = lookups_.field(model_.baseColour(), model_.mode(), x, y, model_.webSafe());
    const COLORREF seenField = AwaitScreenPixel(FieldScreenPoint(x, y), field, kPixelTimeoutMs);
    if (seenField != field) {
        std::snprintf(detail, sizeof detail, "field pixel (%d, %d) shows %06lX, expected %06X", x,
                      y, seenField, field);
        Fail(detail);
    }

    const int row = Uniform(0, 255);
    const Colour strip = lookups_.strip(model_.baseColour(), model_.mode(), row, model_.webSafe());
    const POINT stripPoint =
        picker_.ScreenPoint(kPicture2, scale_.StripColumn(Uniform(0, 17)), scale_.StripRow(row));
    const COLORREF seenStrip = AwaitScreenPixel(stripPoint, strip, kPixelTimeoutMs);
    if (seenStrip != strip) {
        std::snprintf(detail, sizeof detail, "strip row %d shows %06lX, expected %06X", row,
                      seenStrip, strip);
        Fail(detail);
    }
    if (options_.checkRingColour) CheckRingColour();
    if (copyOnPick_) CheckClipboard();
}

// The ring is drawn in black or white for contrast. Where it shows over field pixels
// of another colour it must be in the model's colour, and nowhere in the other one.
void SoakRun::CheckRingColour() {
    const Display &want = model_.display();
    const Colour other = want.label1Fore == 0 ? 0xFFFFFF : 0;
    int inColour = 0, inOther = 0;
    const DWORD start = GetTickCount();
    do {
        inColour = inOther = 0;
        HDC screen = GetDC(nullptr);
        for (int dy = 0; dy < 17; ++dy) {
            for (int dx = 0; dx < 17; ++dx) {
                const int x = want.label1Left + dx, y = want.label1Top + dy;
                if (x < 0 || x > 255 || y < 0 || y > 255) continue;
                const POINT at = FieldScreenPoint(x, y);
                const COLORREF seen = GetPixel(screen, at.x, at.y);
                const Colour field =
                    lookups_.field(model_.baseColour(), model_.mode(), x, y, model_.webSafe());
                if (seen == want.label1Fore && field != want.label1Fore) ++inColour;
                if (seen == other && field != other) ++inOther;
            }
        }
        ReleaseDC(nullptr, screen);
        if (inColour > 0 && inOther == 0) return;
        Sleep(10);
    } while (GetTickCount() - start < kPixelTimeoutMs);
    Fail("the ring shows " + std::to_string(inColour) + " pixels in its colour and " +
         std::to_string(inOther) + " in the other");
}

void SoakRun::CheckClipboard() {
    if (!clipboardKnown_) return;
    const std::optional<std::wstring> text = ClipboardText();
    if (text != Wide(model_.clipboard()))
        Fail("the clipboard holds \"" + (text ? Utf8(*text) : std::string("(nothing)")) +
             "\", expected \"" + model_.clipboard() + "\"");
    else if (MarkedOutOfHistory() == model_.clipboardInHistory())
        Fail(
            model_.clipboardInHistory()
                ? "the clipboard holds a copy marked out of clipboard history, expected a plain one"
                : "a drag step's copy is not marked out of clipboard history");
}

}  // namespace soak
