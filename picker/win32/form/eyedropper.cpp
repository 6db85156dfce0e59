#include "eyedropper.h"

#include <optional>

#include "eyedropper_input.h"
#include "key_codes.h"

namespace tintwell::win32 {

Eyedropper::Eyedropper(Form &form, FormControlsAdapter &controls, Loupe &loupe,
                       HandlerRunner &runner)
    : form_(form), controls_(controls), loupe_(loupe), runner_(runner), window_(nullptr) {}

void Eyedropper::Attach(HINSTANCE instance, HWND window) {
    window_ = window;
    loupe_.Create(instance, window, [this](ReadViewer &viewer) {
        runner_.RunHandler([&] {
            const ScreenSquare read = form_.ReadScreen(viewer.WantedReach());
            viewer.ShowRead(read, form_.StatusOf(read));
        });
    });
    AddSampleSizeMenu(window, kLoupeCommand);
}

void Eyedropper::Detach() {
    KillTimer(window_, kTickAfterStepAside);
    KillTimer(window_, kFreezeAfterHiding);
}

bool Eyedropper::OwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT &result) {
    // The items of a submenu of the system menu come as commands, not system ones.
    const bool chosen =
        (message == WM_SYSCOMMAND && ChooseSampleSize(wParam)) ||
        (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && ChooseSampleSize(LOWORD(wParam)));
    if (chosen) result = 0;
    return chosen;
}

LRESULT Eyedropper::OnTimer(UINT_PTR timer) {
    switch (timer) {
        case kTimer1:
            TakeSample(false);
            break;
        case kTickAfterStepAside:
            KillTimer(window_, timer);
            TakeSample(true);
            break;
        case kFreezeAfterHiding:
            KillTimer(window_, timer);
            Freeze();
            break;
        default:
            break;
    }
    return 0;
}

void Eyedropper::TakeSample(bool afterStepAside) {
    if (afterStepAside && controls_.Check3_Value() == 0) return;
    if (loupe_.StepAside()) {
        SetTimer(window_, kTickAfterStepAside, kStepAsideAllowanceMs, nullptr);
        return;
    }
    bool taken = true;
    runner_.RunHandler([&] { taken = form_.SampleTick(loupe_); });
    // The pointer had just reached the loupe: it has stepped aside, and the sample is
    // read again once the screen beneath has been drawn.
    if (!taken) SetTimer(window_, kTickAfterStepAside, kStepAsideAllowanceMs, nullptr);
}

// The snapshot must not hold the loupe: it goes first, and the freeze comes once
// the screen under it had a moment to be drawn again.
void Eyedropper::OnFreezeKey() {
    if (controls_.Check3_Value() == 0) return;
    if (form_.freezeState() != FreezeState::Frozen && loupe_.shown()) {
        loupe_.SetSnapshotting(true);
        SetTimer(window_, kFreezeAfterHiding, kStepAsideAllowanceMs, nullptr);
        return;
    }
    Freeze();
}

void Eyedropper::Freeze() {
    runner_.RunHandler([&] { form_.Form_KeyDown(kKeyF, kCtrlKey); });
    loupe_.SetSnapshotting(false);
    loupe_.Redraw();
}

bool Eyedropper::ChooseSampleSize(WPARAM command) {
    const std::optional<SampleSize> size = SampleSizeCommand(window_, command);
    if (!size) return false;
    form_.SetSampleSize(*size);
    loupe_.Redraw();
    return true;
}

}  // namespace tintwell::win32
