#include "sampling_fixture.h"

#include "screen_probe.h"
#include "user_input.h"

namespace e2e {

using namespace tintwell::win32;

void SamplingTest::SetUp() {
    PickerTest::SetUp();
    if (HasFatalFailure()) return;
    colourWindow_ = std::make_unique<ColourWindow>(RECT{20, 20, 140, 140}, Rgb(0, 0, 0));
}

void SamplingTest::TearDown() {
    colourWindow_.reset();
    PickerTest::TearDown();
}

testing::AssertionResult SamplingTest::Sample(uint32_t colour, const std::wstring &shown) {
    colourWindow_->SetColour(colour);
    ClickControl(kCheck3);
    if (!WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kCheck3); })) {
        return testing::AssertionFailure() << "Check3 did not tick";
    }
    if (!MoveTo(colourWindow_->Centre())) return testing::AssertionFailure() << "pointer stuck";
    testing::AssertionResult sampled = TextBecomes(shown);
    StopSampling();
    return sampled;
}

void SamplingTest::StopSampling() {
    SendMessageTimeoutW(Control(kCheck3), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    WaitUntil(kUpdateTimeoutMs, [&] { return !IsChecked(kCheck3); });
}

}  // namespace e2e
