// The calls through the bound exports; opening the library and finding each export
// is the platform file's job (colour_library_posix.cpp, colour_library_win.cpp).
#include "colour_library.h"

#include "colour_table.h"

namespace tintwell {

int32_t ColourTableLibrary::DrawColorTable(DeviceContext dc, ColorRef colour, int32_t tableMode,
                                           int32_t webSafe) {
    const auto draw =
        reinterpret_cast<DrawColorTableFn>(Resolve("DrawColorTable", drawColorTable_));
    return draw(dc, colour, tableMode, webSafe);
}

int32_t ColourTableLibrary::DrawColorTable2(DeviceContext dc, ColorRef colour, int32_t tableMode,
                                            int32_t webSafe) {
    const auto draw =
        reinterpret_cast<DrawColorTableFn>(Resolve("DrawColorTable2", drawColorTable2_));
    return draw(dc, colour, tableMode, webSafe);
}

ColorRef ColourTableLibrary::GetColor(ColorRef colour, int32_t tableMode, int32_t x, int32_t y,
                                      int32_t webSafe) {
    const auto lookup = reinterpret_cast<GetColorFn>(Resolve("GetColor", getColor_));
    return lookup(colour, tableMode, x, y, webSafe);
}

ColorRef ColourTableLibrary::GetColor2(ColorRef colour, int32_t tableMode, int32_t y,
                                       int32_t webSafe) {
    const auto lookup = reinterpret_cast<GetColor2Fn>(Resolve("GetColor2", getColor2_));
    return lookup(colour, tableMode, y, webSafe);
}

}  // namespace tintwell
