// One soak of the running picker: a seeded random mix of user actions, each checked
// against the model, with phases of screen sampling and of a clipboard held by
// someone else, and the program's resources compared between start and end.
#ifndef TINTWELL_SOAK_SOAK_RUN_H
#define TINTWELL_SOAK_SOAK_RUN_H

#include <windows.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "picker_model.h"
#include "resource_probe.h"
#include "running_picker.h"
#include "screen_scale.h"

namespace soak {

struct SoakOptions {
    uint32_t seed = 1;
    int events = 3000;
    int pixelCheckEvery = 25;  // events between two checks of pixels on the screen
    int readingEvery = 1000;   // events between two readings of resources
    int samplingPhases = 3;
    // Phases of picks from the screen, started by the hotkey and ended by a click,
    // Esc or a right click, each followed by a while in the notification area.
    int pickPhases = 2;
    int busyClipboardPhases = 2;
    // Times "設定…" is opened and closed after the first reading (see SettingsOpenings).
    int settingsOpenings = 0;
    // Whether pixel checks also look at the ring's colour and the field around it.
    bool checkRingColour = false;
    DWORD answerTimeoutMs = 5000;  // longer than this without an answer is "not responding"
    // Allowed growth between the reading after warm-up and the one at the end.
    int64_t gdiTolerance = 8;
    int64_t memoryToleranceBytes = 16 << 20;
    // Allowed growth from before a freeze to after it ended: well under the
    // snapshot (5 MiB for 1280 x 1024), so that one kept cannot pass.
    int64_t freezeMemoryToleranceBytes = 1 << 20;
};

class SoakRun {
  public:
    SoakRun(RunningPicker &picker, const Lookups &lookups, ColourWindow &palette,
            const SoakOptions &options);

    // Runs the whole soak; returns true when nothing failed. Prints figures.
    bool Run();

    // For a picker whose library lacks GetColor2: with sampling on, a strip press
    // fails and a message box reports it. Under the box the window must keep
    // answering, the ticks must neither run nor raise more boxes, and once the box
    // is closed sampling must go on. Returns true when all of that holds.
    bool RunModalFailure();

  private:
    enum class Target { Field, Strip, Ring, Arrow };

    void RandomAction(bool modelFollows);
    void Drag(Target target, bool modelFollows);
    void Mouse(Target target, UINT message, WPARAM keys, int x, int y, bool modelFollows);
    void ClickOption(bool modelFollows);
    void ToggleWebSafe(bool modelFollows);
    void ToggleCopyOnPick(bool modelFollows);
    void Copy(bool modelFollows);
    void ToggleTopmost(bool modelFollows);
    bool ShowSampleColour(Colour colour);
    void SamplingPhase();
    void PickPhase();
    bool ClickInSettings(int box);
    // At most two boxes, clicked in order.
    bool ClickInSettings(const std::vector<int> &boxes);
    void SettingsOpenings();
    void ReportSettingsOpenings() const;
    void NotificationAreaPhase();
    static void ClickButton(DWORD down, DWORD up);
    bool SwitchLoupe();
    bool ChooseSampleSize(int item);
    void PressFreezeKey();
    bool LoupeShown() const;
    int64_t PrivateBytes() const;
    static int64_t SnapshotBytes();
    void CheckSnapshotHeld(int64_t beforeFreeze);
    void CheckSnapshotGivenBack(int64_t beforeFreeze);
    void BusyClipboardPhase();

    double RunEvents();
    void Report(double seconds) const;
    void CheckResourceGrowth();
    LPARAM ScreenPosition(Target target, int x, int y) const;
    POINT FieldScreenPoint(int x, int y) const;
    bool Click(ControlId id);
    void AfterEvent(bool modelFollows);
    std::string ShownDifference();
    void CheckShown();
    void AwaitShown();
    void QueuedDrag(Target target);
    void CheckPixels();
    void CheckRingColour();
    void CheckClipboard();
    void ReadResources();
    void Fail(const std::string &what);
    int Uniform(int low, int high);

    RunningPicker &picker_;
    PickerModel model_;
    Lookups lookups_;
    ColourWindow &palette_;
    SoakOptions options_;
    ScreenScale scale_;
    std::mt19937 random_;

    int events_ = 0;
    int sinceLastPixelCheck_ = 0;
    bool copyOnPick_ = false;
    bool webSafe_ = false;
    bool topmost_ = false;
    bool loupeOn_ = false;
    bool loupeShowed_ = false;  // a sampling phase has run with the loupe
    int samplingPhasesRun_ = 0;
    bool pickHotkeyOn_ = false;
    bool residentOn_ = false;
    bool settingsOpened_ = false;  // the openings have run
    // Resources after every so many openings of "設定…", and how long the openings took.
    std::vector<std::pair<int, Resources>> settingsReadings_;
    double settingsSeconds_ = 0;
    int picksRun_ = 0;
    bool clipboardKnown_ = false;  // until the first copy
    std::string lastAction_;
    std::vector<double> latenciesUs_;
    double worstSamplingLatencyUs_ = 0;
    std::vector<double> busyClipboardUs_;
    int pixelChecks_ = 0;
    int checksPassed_ = 0;
    std::vector<std::string> failures_;
    Resources baseline_{};
    bool haveBaseline_ = false;
    std::vector<std::pair<int, Resources>> readings_;
    // Private memory around each freeze: before Ctrl+F, frozen, after it ended.
    struct FreezeMemory {
        int64_t before, frozen, after;
    };
    std::vector<FreezeMemory> freezeMemory_;
};

}  // namespace soak

#endif  // TINTWELL_SOAK_SOAK_RUN_H
