#include "eyedropper.h"

#include <exception>
#include <utility>
#include <vector>

#include "colour_word.h"
#include "command_ids.h"
#include "key_codes.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

// The submenu "サンプル範囲", one pixel first.
struct SizeItem {
    UINT command;
    SampleSize size;
    const wchar_t *caption;
};
constexpr SizeItem kSizeItems[] = {
    {kOnePixelCommand, SampleSize::OnePixel, captions::kOnePixel},
    {kThreeByThreeCommand, SampleSize::ThreeByThree, captions::kThreeByThree},
    {kFiveByFiveCommand, SampleSize::FiveByFive, captions::kFiveByFive},
};

}  // namespace

Eyedropper::Eyedropper(Form &form, FormControlsAdapter &controls, Loupe &loupe,
                       HandlerRunner &runner, FailureSink &failures)
    : form_(form),
      controls_(controls),
      loupe_(loupe),
      runner_(runner),
      failures_(failures),
      window_(nullptr),
      loupeMade_(false),
      watcher_() {}

void Eyedropper::Attach(HINSTANCE instance, HWND window, SystemMenu &menu) {
    window_ = window;
    std::vector<SystemMenuItem> sizes;
    for (const SizeItem &item : kSizeItems) {
        const SampleSize size = item.size;
        sizes.push_back({item.command, item.caption,
                         [this, size] { return form_.sampleSize() == size; },
                         [this, size] { ChooseSampleSize(size); }});
    }
    menu.AddChoices(captions::kSampleSize, std::move(sizes));
    loupeMade_ = MakeLoupe(instance);
    if (!loupeMade_) return;
    menu.Add({kLoupeCommand, captions::kLoupe, [this] { return loupe_.switchedOn(); },
              [this] {
                  loupe_.Switch();
                  if (watcher_) watcher_();
              }});
}

bool Eyedropper::MakeLoupe(HINSTANCE instance) {
    try {
        loupe_.Create(instance, [this](ReadViewer &viewer, ScreenPoint pointer) {
            runner_.RunRepeatingHandler([&] {
                const ScreenSquare read = form_.ReadScreenAt(pointer, viewer.WantedReach());
                viewer.ShowRead(read, form_.StatusOf(read));
            });
        });
    } catch (...) {
        failures_.HandlerFailed(std::make_exception_ptr(PickerError(messages::kCannotCreateLoupe)));
        return false;
    }
    return true;
}

void Eyedropper::Detach() {
    KillTimer(window_, kTickAfterStepAside);
    KillTimer(window_, kFreezeAfterHiding);
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
    runner_.RunRepeatingHandler([&] { taken = form_.SampleTick(loupe_); });
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

void Eyedropper::ChooseSampleSize(SampleSize size) {
    form_.SetSampleSize(size);
    loupe_.Redraw();
    if (watcher_) watcher_();
}

void Eyedropper::Restore(bool loupeOn, SampleSize size) {
    form_.SetSampleSize(size);
    if (loupeMade_ && loupe_.switchedOn() != loupeOn) loupe_.Switch();
    loupe_.Redraw();
}

}  // namespace tintwell::win32
