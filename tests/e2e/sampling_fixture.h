// Tests that bring exact colours into the picker the way a user can: by sampling a
// window of that colour from the screen.
#ifndef TINTWELL_TESTS_E2E_SAMPLING_FIXTURE_H
#define TINTWELL_TESTS_E2E_SAMPLING_FIXTURE_H

#include <memory>

#include "colour_window.h"
#include "picker_fixture.h"

namespace e2e {

using testsupport::ColourWindow;

class SamplingTest : public PickerTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    ColourWindow &swatchWindow() { return *colourWindow_; }

    // Ticks Check3 with a click, holds the pointer over a window of the colour until
    // Text1 shows `shown`, then clears Check3 without moving the pointer away.
    testing::AssertionResult Sample(uint32_t colour, const std::wstring &shown);
    // Clears Check3 by a click message, the pointer staying where it is.
    void StopSampling();

    std::unique_ptr<ColourWindow> colourWindow_;
};

}  // namespace e2e

#endif  // TINTWELL_TESTS_E2E_SAMPLING_FIXTURE_H
