// A plain window of one known colour that the driver shows beside the picker, for
// the screen sampling tests to hold the pointer over.
#ifndef TINTWELL_TESTS_E2E_COLOUR_WINDOW_H
#define TINTWELL_TESTS_E2E_COLOUR_WINDOW_H

#include <windows.h>

#include <cstdint>

namespace e2e {

class ColourWindow {
  public:
    ColourWindow(RECT screenArea, uint32_t colour);
    ~ColourWindow();
    ColourWindow(const ColourWindow &) = delete;
    ColourWindow &operator=(const ColourWindow &) = delete;

    void SetColour(uint32_t colour);
    POINT Centre() const;
    HWND hwnd() const { return window_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;
    uint32_t colour_;
};

}  // namespace e2e

#endif  // TINTWELL_TESTS_E2E_COLOUR_WINDOW_H
