// The monitor layout the loupe and screen-read tests share.
#ifndef TINTWELL_TESTS_PICKER_MONITOR_LAYOUT_H
#define TINTWELL_TESTS_PICKER_MONITOR_LAYOUT_H

#include <vector>

#include "loupe_geometry.h"

namespace tintwell::testing {

// A 96-dpi primary monitor with its taskbar at the bottom, a 144-dpi one to its left
// (negative x) that starts 120 pixels lower, and a 192-dpi one above the primary
// (negative y) that reaches further left than it: the pixels at x < 0, 0 <= y < 120
// lie on none of them.
inline const MonitorArea kPrimary{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96};
inline const MonitorArea kLeft{{-2880, 120, 0, 1740}, {-2880, 120, 0, 1740}, 144};
inline const MonitorArea kAbove{{-640, -2160, 3200, 0}, {-640, -2160, 3200, -80}, 192};
inline const std::vector<MonitorArea> kLayout{kPrimary, kLeft, kAbove};

}  // namespace tintwell::testing

#endif  // TINTWELL_TESTS_PICKER_MONITOR_LAYOUT_H
