#include "marker_geometry.h"

#include <cmath>

#include "form_controls.h"
#include "picture_box.h"
#include "table_geometry.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

// The ring's centre from its corner, in table pixels: the middle of the pixel
// kRingOffset right of and below the corner.
constexpr double kRingCentre = kRingOffset + 0.5;
// The arrow's tip from its top, in table pixels: the middle of the strip row the
// top stands kArrowRowOffset below, seen from the form.
constexpr double kArrowTip = kStripTopOnForm + kStripBorder - kArrowRowOffset + 0.5;

// Window positions are 16-bit on the wire of several messages; anything beyond is
// no position a marker can take.
int WholePixel(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 32767.0) {
        throw PickerError(messages::kMarkerOutOfPlace);
    }
    return RoundToPixel(value);
}

}  // namespace

POINT RingGeometry::Corner(float left, float top, const DisplayScale &scale) const {
    const double centre = scale.Scaled(kRingCentre);
    return POINT{WholePixel(field_.columns().ScreenFromTable(left + kRingCentre) - centre),
                 WholePixel(field_.rows().ScreenFromTable(top + kRingCentre) - centre)};
}

void RingGeometry::PointerTwips(POINT local, POINT corner, float left, float top,
                                const DisplayScale &, float &x, float &y) const {
    const int column = field_.columns().TableFromScreen(corner.x + local.x);
    const int row = field_.rows().TableFromScreen(corner.y + local.y);
    x = (static_cast<float>(column) - left) * kTwipsPerTablePixel;
    y = (static_cast<float>(row) - top) * kTwipsPerTablePixel;
}

POINT RingGeometry::GlyphOffset(POINT inkCentre, const DisplayScale &scale) {
    if (scale.identity()) return POINT{0, 0};
    const double centre = scale.Scaled(kRingCentre);
    return POINT{RoundToPixel(centre - inkCentre.x), RoundToPixel(centre - inkCentre.y)};
}

POINT ArrowGeometry::Corner(float left, float top, const DisplayScale &scale) const {
    const double tip =
        strip_.rows().ScreenFromTable(top - kArrowRowOffset + 0.5) - scale.Scaled(kArrowTip);
    return POINT{WholePixel(scale.Scaled(left)), strip_.InnerOrigin().y + WholePixel(tip)};
}

void ArrowGeometry::PointerTwips(POINT local, POINT corner, float, float top,
                                 const DisplayScale &scale, float &x, float &y) const {
    // Across, only the arrow's own extent counts (no handler uses it); down, the strip
    // row under the pointer, counted from the form's rows as the handler expects.
    const int row = strip_.rows().TableFromScreen(corner.y + local.y - strip_.InnerOrigin().y);
    x = static_cast<float>(local.x / scale.factor()) * kTwipsPerTablePixel;
    y = (static_cast<float>(row + kStripTopOnForm + kStripBorder) - top) * kTwipsPerTablePixel;
}

}  // namespace tintwell::win32
