#include "screen_scale.h"

#include <cmath>

namespace soak {

namespace {

constexpr int kFormClientWidth = 392;  // at 96 dpi
// Half a pixel, and a little for the arithmetic.
constexpr double kHalfPixel = 0.5 + 1e-9;

RECT ClientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

}  // namespace

ScreenScale::ScreenScale(const RunningPicker &picker)
    : factor_(static_cast<double>(ClientRect(picker.form()).right) / kFormClientWidth),
      fieldWidth_(ClientRect(picker.control(tintwell::win32::kPicture1)).right),
      fieldHeight_(ClientRect(picker.control(tintwell::win32::kPicture1)).bottom),
      stripWidth_(ClientRect(picker.control(tintwell::win32::kPicture2)).right),
      stripHeight_(ClientRect(picker.control(tintwell::win32::kPicture2)).bottom),
      stripTop_(0) {
    POINT origin{0, 0};
    MapWindowPoints(picker.control(tintwell::win32::kPicture2), picker.form(), &origin, 1);
    stripTop_ = origin.y;
}

// The screen pixel whose span holds the middle of table pixel t.
int ScreenScale::Shown(int t, int shown, int table) {
    return static_cast<int>(std::floor(Along(t + 0.5, shown, table)));
}

int ScreenScale::Pixels(int basePixels) const {
    return static_cast<int>(std::lround(basePixels * factor_));
}

bool ScreenScale::RingAt(POINT corner, int left, int top) const {
    const double centre = 5.5 * factor_;
    return std::fabs(corner.x + centre - Along(left + 5.5, fieldWidth_)) <= kHalfPixel &&
           std::fabs(corner.y + centre - Along(top + 5.5, fieldHeight_)) <= kHalfPixel;
}

bool ScreenScale::ArrowAt(int cornerTop, int top) const {
    const double tip = cornerTop + 8.5 * factor_;
    return std::fabs(tip - (stripTop_ + Along(top - 1 + 0.5, stripHeight_))) <= kHalfPixel;
}

}  // namespace soak
