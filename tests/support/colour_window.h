// A plain window of one known colour that a test driver shows beside the picker, for
// the screen sampling to hold the pointer over (the end-to-end suite, the soak).
#ifndef TINTWELL_TESTS_SUPPORT_COLOUR_WINDOW_H
#define TINTWELL_TESTS_SUPPORT_COLOUR_WINDOW_H

#include <windows.h>

#include <cstdint>

#include "picker/win32/platform/window_base.h"

namespace testsupport {

class ColourWindow : public tintwell::win32::WindowBase<ColourWindow> {
  public:
    // Shown at once above other windows, without taking the activation.
    ColourWindow(RECT screenArea, uint32_t colour);
    ~ColourWindow();

    // Repaints in the new colour and gives the screen a moment to show it.
    void SetColour(uint32_t colour);
    POINT Centre() const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    uint32_t colour_;
};

}  // namespace testsupport

#endif  // TINTWELL_TESTS_SUPPORT_COLOUR_WINDOW_H
