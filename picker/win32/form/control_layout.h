// The layout of Form1 as one table, which the window is built from: every control's
// kind, class, caption, place, container and styles; its order is the tab order. Positions are kept
// in twips, the unit the form was designed in, and turned into pixels when the window is built.
#ifndef TINTWELL_PICKER_WIN32_CONTROL_LAYOUT_H
#define TINTWELL_PICKER_WIN32_CONTROL_LAYOUT_H

#include <windows.h>

#include <cstddef>

#include "control_placement.h"
#include "table_geometry.h"

namespace tintwell::win32 {

// The form's client area: 5880 x 4320 twips, 392 x 288 pixels at 96 dpi.
constexpr int kFormClientWidthTwips = 5880;
constexpr int kFormClientHeightTwips = 4320;
constexpr int kFormClientWidth = kFormClientWidthTwips / kTwipsPerTablePixel;
constexpr int kFormClientHeight = kFormClientHeightTwips / kTwipsPerTablePixel;
constexpr const wchar_t *kFormTitle = L"Tintwell";
constexpr const wchar_t *kFormClass = L"TintwellForm1";

// In creation order, which is tab order and also z-order from the top: Picture2 is
// made before Label2 so that it covers the arrow where the two overlap.
extern const ControlPlacement kControls[];
extern const size_t kControlCount;

const ControlPlacement &FindControl(ControlId id);

// What a control says of itself beyond its caption: the name a screen reader
// announces, and the tooltip shown while the pointer rests on it (nullptr: none).
struct ControlDescription {
    ControlId id;
    const wchar_t *accessibleName;
    const wchar_t *tooltip;
};

extern const ControlDescription kControlDescriptions[];
extern const size_t kControlDescriptionCount;

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_CONTROL_LAYOUT_H
